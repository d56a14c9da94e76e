#include "app/recent_files.h"

#include <gtest/gtest.h>

#include "app/collection_naming.h"

namespace qm {
namespace {

TEST(RecentFiles, UpdateRule)
{
    struct Case {
        const char* what;
        RecentFiles before;
        const char* previous;
        const char* opened;
        RecentFiles after;
    };
    const Case cases[] = {
        {"the previous path goes on top, the last entry is lost",
         {"a", "b", "c", "d", "e"},
         "x",
         "y",
         {"x", "a", "b", "c", "d"}},
        {"the opened path leaves the list first", {"a", "b", "c", "d", "e"}, "x", "c", {"x", "a", "b", "d", "e"}},
        {"opening the current file again", {"a", "b", "", "", ""}, "x", "x", {"x", "a", "b", "", ""}},
        {"the current file again when it is also listed", {"x", "b", "", "", ""}, "x", "x", {"x", "b", "", "", ""}},
        {"no file was current: an empty entry 1", {"a", "b", "", "", ""}, "", "y", {"", "a", "b", "", ""}},
        {"only the first equal entry leaves", {"c", "a", "c", "", ""}, "x", "c", {"x", "a", "c", "", ""}},
        {"comparison is exact", {"/p/A.QZ3", "", "", "", ""}, "x", "/p/a.qz3", {"x", "/p/A.QZ3", "", "", ""}},
    };
    for (const Case& c : cases) {
        RecentFiles entries = c.before;
        updateRecentFiles(entries, c.previous, c.opened);
        EXPECT_EQ(entries, c.after) << c.what;
    }
}

TEST(RecentFiles, CaptionsAndVisibility)
{
    EXPECT_EQ(recentFileCaption(3, "/home/ann/SCHOOL.QZ3"), "&3   /home/ann/SCHOOL.QZ3");
    EXPECT_FALSE(anyRecentFile({"", "", "", "", ""}));
    EXPECT_TRUE(anyRecentFile({"", "", "", "", "e"}));
}

TEST(CollectionNaming, DisplayNameDropsFolderAndTheLastFourCharacters)
{
    EXPECT_EQ(mainWindowCaption("/puz/SCHOOL.QZ3"), "Quillmaze 98 (SCHOOL)");
    EXPECT_EQ(collectionDisplayName("SCHOOL.qz3"), "SCHOOL");
    EXPECT_EQ(collectionDisplayName("/a.b/notes.txt"), "notes");
    EXPECT_EQ(collectionDisplayName("/puz/ab"), "");
    EXPECT_EQ(mainWindowCaption(""), "Quillmaze 98 ()");
}

}  // namespace
}  // namespace qm
