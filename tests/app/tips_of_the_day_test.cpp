#include "app/tips_of_the_day.h"

#include <climits>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace qm {
namespace {

using test::TempDir;
using test::writeFile;

using Tips = std::vector<std::string>;

TEST(TipsOfTheDay, ParagraphsAreTipsAndCommentsAreSkipped)
{
    const std::string text = "# the tips\r\n"
                             "\r\n"
                             "  First line of the first tip\r\n"
                             "and its end.\r\n"
                             "# a note between lines\r\n"
                             "\r\n"
                             "\r\n"
                             "One sentence.\n"
                             "Another one!\n"
                             "   \t \n"
                             "Last tip without a line end.  Two blanks stay.";
    EXPECT_EQ(parseTips(text), (Tips{"First line of the first tip and its end.", "One sentence.  Another one!",
                                     "Last tip without a line end.  Two blanks stay."}));
    EXPECT_EQ(parseTips(""), Tips{});
    EXPECT_EQ(parseTips("# only comments\n\n# here\n"), Tips{});
}

TEST(TipsOfTheDay, ParagraphsThatAreNoTipsAreLeftOut)
{
    const std::string longest(kLongestTip, 'x');
    const std::string tooLong(kLongestTip + 1, 'x');
    // Characters are counted, not bytes: 300 accented letters are 600 bytes.
    std::string accented;
    for (std::size_t i = 0; i < kLongestTip; ++i) accented += "\u00E9";
    const std::string text =
        longest + "\n\n" + tooLong + "\n\n" + accented + "\n\nA tab\tinside\n\nBad \xC3 UTF-8\n\nKept.";
    EXPECT_EQ(parseTips(text), (Tips{longest, accented, "Kept."}));
}

TEST(TipsOfTheDay, AFileThatHoldsNoTipsGivesTheFallbackTip)
{
    TempDir dir;
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary += static_cast<char>(i % 32);
    writeFile(dir / "binary.txt", binary);
    writeFile(dir / "empty.txt", "");
    writeFile(dir / "huge.txt", std::string(kLargestTipsFile + 1, 'a') + "\n\nA tip.\n");
    std::filesystem::create_directory(dir / "folder.txt");
    for (const char* name : {"missing.txt", "binary.txt", "empty.txt", "huge.txt", "folder.txt"})
        EXPECT_EQ(loadTips(dir / name), Tips{kFallbackTip}) << name;
}

TEST(TipsOfTheDay, AFileIsReadInItsEncoding)
{
    TempDir dir;
    writeFile(dir / "windows.txt", "Caf\xE9 tip.\r\n");
    writeFile(dir / "utf16.txt", std::string("\xFF\xFE"
                                             "C\0a\0f\0\xE9\0",
                                             10));
    EXPECT_EQ(loadTips(dir / "windows.txt"), Tips{"Caf\u00E9 tip."});
    EXPECT_EQ(loadTips(dir / "utf16.txt"), Tips{"Caf\u00E9"});
}

TEST(TipsOfTheDay, TheShippedTipsAreThirtyOrMoreAndEachFits)
{
    const Tips tips = loadTips(std::filesystem::path(QM_SOURCE_DIR) / "data" / kTipsFileName);
    EXPECT_GE(tips.size(), 30u);
    for (const std::string& tip : tips) {
        EXPECT_NE(tip, kFallbackTip);
        EXPECT_GE(tip.size(), 40u) << tip;
        EXPECT_TRUE(tip.ends_with('.')) << tip;
    }
}

TEST(TipsOfTheDay, TheStoredNextTipWrapsIntoTheList)
{
    EXPECT_EQ(firstTip(0, 5), 0u);
    EXPECT_EQ(firstTip(4, 5), 4u);
    EXPECT_EQ(firstTip(7, 5), 2u);
    EXPECT_EQ(firstTip(-1, 5), 4u);
    EXPECT_EQ(firstTip(INT_MIN, 5), 2u);  // -2147483648 = -429496730 * 5 + 2
    EXPECT_EQ(firstTip(INT_MAX, 1), 0u);
    EXPECT_EQ(firstTip(3, 0), 0u);
    EXPECT_EQ(nextTipAfter(3, 5), 4);
    EXPECT_EQ(nextTipAfter(4, 5), 0);
    EXPECT_EQ(nextTipAfter(0, 1), 0);
}

}  // namespace
}  // namespace qm
