// Save Collection as Web Puzzles with scripted answers: the index page chosen names the folder the
// pages go to, the choice is remembered, and a cancelled dialog or a collection with nothing to
// play writes nothing.
#include <gtest/gtest.h>

#include "book/book_fixtures.h"
#include "book/ui/web_puzzles_command.h"
#include "book/web_book.h"
#include "output/play/play_messages.h"
#include "support/temp_dir.h"
#include "support/ui/scripted_dialogs.h"

namespace qm::test {
namespace {

QString pathText(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

std::vector<std::string> htmlFilesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> files;
    if (!std::filesystem::is_directory(folder)) return files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".html") files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    return files;
}

class WebPuzzlesCommandTest : public testing::Test {
protected:
    bool run()
    {
        WebPuzzlesContext context{dialogs, html, print, collection.path()};
        return SaveCollectionAsWebPuzzles(context);
    }

    TempDir dir;
    CollectionFile collection{dir / "TERM.QZ3"};
    ScriptedDialogs dialogs;
    HtmlSettings html;
    PrintOptions print;
};

TEST_F(WebPuzzlesCommandTest, TheChosenIndexNamesTheFolderOfTheGeneratedPuzzlesPages)
{
    ASSERT_TRUE(storeBookPuzzles(collection, {{"Zoo", "Animals"}, {"Apple", "Food"}, {"Draft", "Animals", false}}));
    const auto index = dir / "web" / kWebIndexFile;
    std::filesystem::create_directory(dir / "web");
    dialogs.answerFile(pathText(index));
    ASSERT_TRUE(run());
    ASSERT_EQ(dialogs.fileRequests().size(), 1u);
    EXPECT_EQ(dialogs.fileRequests()[0].title, PlayMessages::CollectionCaption);
    EXPECT_EQ(dialogs.fileRequests()[0].initialFile, pathText(dir / kWebIndexFile)) << "first beside the collection";
    EXPECT_EQ(html.LastWebPuzzlesIndex, index.string());
    EXPECT_EQ(htmlFilesIn(dir / "web").size(), 3u) << "the index and a page for each generated puzzle";
    EXPECT_TRUE(dialogs.messages().empty());

    // Another name still writes index.html beside the pages, and says where.
    dialogs.answerFile(pathText(dir / "web" / "puzzles.html"));
    ASSERT_TRUE(run());
    EXPECT_EQ(dialogs.fileRequests()[1].initialFile, pathText(index)) << "where the last index was";
    EXPECT_EQ(dialogs.messageTexts(),
              std::vector<QString>{"The pages and their index.html are in " + pathText(dir / "web") + "."});
    EXPECT_EQ(htmlFilesIn(dir / "web").size(), 3u);
}

TEST_F(WebPuzzlesCommandTest, ACancelledDialogOrNothingToPlayWritesNothing)
{
    ASSERT_TRUE(storeBookPuzzles(collection, {{"Draft", "Animals", false}}));
    dialogs.cancelFile();
    EXPECT_FALSE(run());
    EXPECT_TRUE(html.LastWebPuzzlesIndex.empty());

    dialogs.answerFile(pathText(dir / "web" / kWebIndexFile));
    EXPECT_FALSE(run());
    EXPECT_EQ(dialogs.messageTexts(), std::vector<QString>{QString::fromStdString(PlayMessages::NothingToPlay.message)});
    EXPECT_TRUE(htmlFilesIn(dir / "web").empty());
}

}  // namespace
}  // namespace qm::test
