#include "lexicon/personal_word_list.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace qm {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;
using Words = std::vector<std::string>;

class PersonalWordListTest : public ::testing::Test {
protected:
    TempDir dir;
    std::filesystem::path list = dir / "IncFrnch.tlx";
};

TEST_F(PersonalWordListTest, TheListsOfALanguageKeepTheirNames)
{
    const PersonalListFiles french = PersonalListFiles::of(dir.path(), 5);
    EXPECT_EQ(french.include, dir / "IncFrnch.tlx");
    EXPECT_EQ(french.exclude, dir / "ExcFrnch.tlx");
    EXPECT_EQ(PersonalListFiles::of(dir.path(), 9).include, dir / "IncEngl.tlx");
    EXPECT_EQ(PersonalListFiles::of(dir.path(), 0).language, 1);
}

TEST_F(PersonalWordListTest, ReadsUtf8AndWindowsTextFromAnySystem)
{
    writeFile(list, "caf\xC3\xA9\r\n  na\xC3\xAFve  \n\n\r\nlast");
    EXPECT_EQ(*readPersonalList(list), (Words{"caf\xE9", "na\xEFve", "last"}));
    writeFile(list, "caf\xE9\r\n");
    EXPECT_EQ(*readPersonalList(list), (Words{"caf\xE9"}));
}

TEST_F(PersonalWordListTest, AMissingListIsEmptyAndAnUnreadableOneFails)
{
    EXPECT_EQ(*readPersonalList(list), Words{});
    std::filesystem::create_directory(list);
    EXPECT_FALSE(readPersonalList(list).ok());
}

TEST_F(PersonalWordListTest, WritesOneWordALineInUtf8AndAnEmptyListAsAnEmptyFile)
{
    ASSERT_TRUE(writePersonalList(list, {"caf\xE9", "Stra\xDF"
                                                    "e"}));
    EXPECT_EQ(readFile(list), "caf\xC3\xA9\nStra\xC3\x9F"
                              "e\n");
    ASSERT_TRUE(writePersonalList(list, {}));
    EXPECT_TRUE(std::filesystem::exists(list));
    EXPECT_EQ(readFile(list), "");
}

TEST_F(PersonalWordListTest, AddingCreatesTheListAndKeepsEachWordOnce)
{
    ASSERT_TRUE(addToPersonalList(list, "quillmaze"));
    ASSERT_TRUE(addToPersonalList(list, "caf\xE9"));
    ASSERT_TRUE(addToPersonalList(list, "quillmaze"));
    EXPECT_EQ(readFile(list), "quillmaze\ncaf\xC3\xA9\n");
}

TEST_F(PersonalWordListTest, AListThatCannotBeReadIsNotOverwrittenByAnAddition)
{
    std::filesystem::create_directory(list);
    writeFile(list / "inside", "kept");
    EXPECT_FALSE(addToPersonalList(list, "word").ok());
    EXPECT_EQ(readFile(list / "inside"), "kept");
}

TEST_F(PersonalWordListTest, AListThatCannotBeReadCountsAsEmptyForACheck)
{
    const PersonalListFiles files = PersonalListFiles::of(dir.path(), 1);
    writeFile(files.include, "alpha\nbeta\n");
    std::filesystem::create_directory(files.exclude);
    const PersonalWords words = readPersonalWords(files);
    EXPECT_EQ(words.include, (Words{"alpha", "beta"}));
    EXPECT_EQ(words.exclude, Words{});
}

}  // namespace
}  // namespace qm
