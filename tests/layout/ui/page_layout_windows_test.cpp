// The layout list window TListPages and the extract window TExtractAPuzzle.
#include <climits>
#include <cmath>

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "collection/collection_file.h"
#include "layout/page_layout_test_support.h"
#include "layout/ui/page_designer_window.h"
#include "layout/ui/page_layout_extract_window.h"
#include "layout/ui/page_layout_list_window.h"
#include "layout/ui/page_thumbnail_widget.h"
#include "support/temp_dir.h"
#include "support/ui/modal_window.h"
#include "support/ui/scripted_dialogs.h"

namespace qm {
namespace {

using test::layoutImage;
using test::letterLayout;
using test::readFile;
using test::whileModalOpen;
using test::writeFile;

std::vector<QString> itemsOf(const QListWidget& list)
{
    std::vector<QString> items;
    for (int i = 0; i < list.count(); ++i) items.push_back(list.item(i)->text());
    return items;
}

class TListPagesTest : public ::testing::Test {
protected:
    template <typename T>
    static T* child(QWidget& window, const char* name)
    {
        T* found = window.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static QPushButton* button(QWidget& window, const char* name) { return child<QPushButton>(window, name); }

    PageLayoutFile layoutFile() const { return PageLayoutFile::inDirectory(dir.path()); }
    void writeLayouts(std::initializer_list<std::string> records)
    {
        std::string bytes;
        for (const auto& record : records) bytes += record;
        writeFile(layoutFile().path(), bytes);
    }
    void writeCollection(std::initializer_list<std::pair<const char*, const char*>> puzzles)
    {
        ASSERT_TRUE(test::writePuzzlesWithLayouts(collectionPath, puzzles));
    }

    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    UiStyle style;
    PageLayoutSettings settings;
    std::filesystem::path collectionPath = dir / "Class.QZ3";
    // The context of the next window, over the settings as the test left them.
    PageLayoutListContext context() { return {dialogs, style, settings, dir.path(), collectionPath, {}}; }
};

TEST_F(TListPagesTest, ManagingOpensOnTheFirstEntryWithSelectDisabled)
{
    writeLayouts({letterLayout("Worksheet"), letterLayout("Clue Sheet")});
    TListPages window(context(), PageListMode::Manage);
    window.show();
    EXPECT_EQ(window.windowTitle(), "Puzzle Page Layouts");
    auto* list = child<QListWidget>(window, "ShapeBox");
    EXPECT_EQ(itemsOf(*list), (std::vector<QString>{"Clue Sheet (Letter)", "Worksheet (Letter)  <<DEFAULT>>"}));
    EXPECT_EQ(list->currentRow(), 0);
    auto* img = child<PageThumbnailWidget>(window, "Img");
    EXPECT_EQ(img->size(), QSize(245, 313));
    ASSERT_TRUE(img->shownRecord());
    EXPECT_EQ(img->shownRecord()->Name.text(), "Clue Sheet");
    EXPECT_FALSE(button(window, "OkButton")->isEnabled());
    for (const char* name : {"NewButton", "ModifyButton", "CopyButton", "DeleteButton", "ImportButton", "ExportButton",
                             "ExtractButton", "DefaultButton", "ExitButton"})
        EXPECT_TRUE(button(window, name)->isEnabled()) << name;
    QStringList legend;
    for (auto* label : window.findChildren<QLabel*>())
        if (!label->text().isEmpty()) legend << label->text();
    EXPECT_EQ(legend, (QStringList{"Puzzle", "Words", "Title", "Bonus", "Text, Shapes"}));
    EXPECT_TRUE(dialogs.log().empty());
}

TEST_F(TListPagesTest, WithoutLayoutsWarnsAndDisablesWhatNeedsOne)
{
    TListPages window(context(), PageListMode::PuzzleLayout);
    window.show();
    EXPECT_EQ(dialogs.log(), (std::vector<std::string>{"message Warning: No saved page layouts could be found."}));
    for (const char* name : {"OkButton", "ModifyButton", "CopyButton", "DeleteButton", "ExportButton"})
        EXPECT_FALSE(button(window, name)->isEnabled()) << name;
    for (const char* name : {"NewButton", "ImportButton", "ExtractButton", "DefaultButton"})
        EXPECT_TRUE(button(window, name)->isEnabled()) << name;
    EXPECT_FALSE(child<PageThumbnailWidget>(window, "Img")->shownRecord());
    window.DefaultButtonClick();
    EXPECT_EQ(dialogs.log().back(), "message Error: No page layout selected.");
}

TEST_F(TListPagesTest, SelectWritesTheChosenLayoutIntoTheCallersAndCloses)
{
    std::string second = letterLayout("Second");
    second[88 + 700] = '\x33';  // a stale byte: the record is copied whole
    writeLayouts({letterLayout("First"), second});
    const PageLayoutRecord callerLayout = makeBuiltInPageLayout();
    for (const PageListMode mode : {PageListMode::PuzzleLayout, PageListMode::PrintLayout}) {
        TListPages window(context(), mode, callerLayout);
        window.show();
        EXPECT_TRUE(button(window, "OkButton")->isEnabled());
        child<QListWidget>(window, "ShapeBox")->setCurrentRow(1);
        button(window, "OkButton")->click();
        ASSERT_TRUE(window.chosenLayout());
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(*window.chosenLayout(), test::decodeLayout(std::vector<std::uint8_t>(second.begin(), second.end())));
    }
}

TEST_F(TListPagesTest, SelectWithoutAnEntryRefusesAndRunGivesFalseWhenClosed)
{
    writeLayouts({letterLayout("Only")});
    TListPages window(context(), PageListMode::PuzzleLayout);
    window.show();
    auto* list = child<QListWidget>(window, "ShapeBox");
    list->setCurrentRow(-1);
    EXPECT_FALSE(button(window, "OkButton")->isEnabled());
    window.OkButtonClick();
    EXPECT_EQ(dialogs.log(), (std::vector<std::string>{"message Error: No layout has been selected."}));
    EXPECT_FALSE(window.chosenLayout());

    const PageLayoutRecord callerLayout = makeBuiltInPageLayout();
    std::optional<PageLayoutRecord> chosen;
    whileModalOpen<TListPages>(
        [&] { chosen = runPageLayoutList(nullptr, context(), PageListMode::PrintLayout, callerLayout).chosen; },
        [](TListPages& open) { button(open, "ExitButton")->click(); });
    EXPECT_FALSE(chosen);
    whileModalOpen<TListPages>(
        [&] { chosen = runPageLayoutList(nullptr, context(), PageListMode::PrintLayout, callerLayout).chosen; },
        [](TListPages& open) { button(open, "OkButton")->click(); });
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->Name.text(), "Only");
}

TEST_F(TListPagesTest, DeleteAsksAndTheMarkFollowsTheIndex)
{
    settings.DefaultPage = 1;
    writeLayouts({letterLayout("A"), letterLayout("B"), letterLayout("C")});
    TListPages window(context(), PageListMode::Manage);
    window.show();
    dialogs.answerMessage(MessageButton::No).answerMessage(MessageButton::Yes);
    button(window, "DeleteButton")->click();
    EXPECT_EQ(*layoutFile().recordCount(), 3);
    button(window, "DeleteButton")->click();
    auto* list = child<QListWidget>(window, "ShapeBox");
    EXPECT_EQ(itemsOf(*list), (std::vector<QString>{"B (Letter)", "C (Letter)  <<DEFAULT>>"}));
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(child<PageThumbnailWidget>(window, "Img")->shownRecord()->Name.text(), "B");
    EXPECT_EQ(window.settings().DefaultPage, 1);
    EXPECT_EQ(dialogs.log(),
              (std::vector<std::string>{"message Delete?: Are you sure you want to delete \"A (Letter)\"?",
                                        "message Delete?: Are you sure you want to delete \"A (Letter)\"?"}));
}

TEST_F(TListPagesTest, DeletingTheLastLayoutWarnsAndDisables)
{
    writeLayouts({letterLayout("Only")});
    TListPages window(context(), PageListMode::PuzzleLayout);
    window.show();
    dialogs.answerMessage(MessageButton::Yes);
    button(window, "DeleteButton")->click();
    EXPECT_EQ(dialogs.log().back(), "message Warning: No saved page layouts could be found.");
    EXPECT_FALSE(button(window, "OkButton")->isEnabled());
    EXPECT_FALSE(button(window, "DeleteButton")->isEnabled());
    EXPECT_FALSE(child<PageThumbnailWidget>(window, "Img")->shownRecord());
}

TEST_F(TListPagesTest, SetDefaultChangesTheSettingAndTheMark)
{
    writeLayouts({letterLayout("A"), letterLayout("B")});
    TListPages window(context(), PageListMode::Manage);
    window.show();
    auto* list = child<QListWidget>(window, "ShapeBox");
    list->setCurrentRow(1);
    button(window, "DefaultButton")->click();
    EXPECT_EQ(window.settings().DefaultPage, 1);
    EXPECT_EQ(itemsOf(*list), (std::vector<QString>{"A (Letter)", "B (Letter)  <<DEFAULT>>"}));
    EXPECT_EQ(list->currentRow(), 1);
}

TEST_F(TListPagesTest, ExportAndImportGoThroughTheFileDialogs)
{
    writeLayouts({letterLayout("A")});
    settings.LastExportLayoutFile = (dir / "last.PAG").string();
    TListPages window(context(), PageListMode::Manage);
    window.show();
    const QString pag = QString::fromStdString((dir / "A.PAG").string());
    const QString broken = QString::fromStdString((dir / "broken.PAG").string());
    writeFile(dir / "broken.PAG", "PAG1.0 and far too short");
    dialogs.cancelFile().answerFile(pag).answerFile(pag).answerFile(broken);
    button(window, "ExportButton")->click();
    button(window, "ExportButton")->click();
    EXPECT_TRUE(readFile(dir / "A.PAG") == "PAG1.0" + letterLayout("A"));
    EXPECT_EQ(window.settings().LastExportLayoutFile, pag.toStdString());
    button(window, "ImportButton")->click();
    auto* list = child<QListWidget>(window, "ShapeBox");
    // The import's entry sorts before the one with the mark behind the same text.
    EXPECT_EQ(itemsOf(*list), (std::vector<QString>{"A (Letter)", "A (Letter)  <<DEFAULT>>"}));
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(window.settings().LastImportLayoutFile, pag.toStdString());
    button(window, "ImportButton")->click();
    EXPECT_EQ(*layoutFile().recordCount(), 2);

    ASSERT_EQ(dialogs.fileRequests().size(), 4u);
    const FileRequest& exportRequest = dialogs.fileRequests()[0];
    EXPECT_EQ(exportRequest.kind, FileDialogKind::Save);
    EXPECT_EQ(exportRequest.title, "Export Page Layouts");
    EXPECT_EQ(exportRequest.filter, "Page Layouts (*.PAG)|*.PAG");
    EXPECT_EQ(exportRequest.defaultExtension, "PAG");
    EXPECT_EQ(exportRequest.initialFile, QString::fromStdString((dir / "last.PAG").string()));
    EXPECT_TRUE(exportRequest.promptOverwrite);
    const FileRequest& importRequest = dialogs.fileRequests()[2];
    EXPECT_EQ(importRequest.kind, FileDialogKind::Open);
    EXPECT_EQ(importRequest.title, "Import Page Layouts");
    EXPECT_EQ(importRequest.filter, "Page Layouts (*.PAG)|*.PAG");
    EXPECT_TRUE(importRequest.fileMustExist);
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(dialogs.messages()[0].caption, "OK");
    EXPECT_EQ(dialogs.messages()[0].text, "Page Layout Exported!");
    EXPECT_EQ(dialogs.messages()[1].text, "Page layout file is corrupt or incompatible.  Import aborted.");
}

TEST_F(TListPagesTest, NewCopyAndModifyHandOverToTheDesigner)
{
    writeLayouts({letterLayout("A")});
    TListPages window(context(), PageListMode::Manage);
    window.show();
    const auto openDesigner = [&](const char* button, const QString& name, bool save) {
        whileModalOpen<TDoPages>([&] { this->button(window, button)->click(); },
                                 [&](TDoPages& designer) {
                                     EXPECT_EQ(designer.findChild<QLineEdit*>("Title")->text(), name) << button;
                                     if (save) designer.SaveClick();
                                 });
    };
    openDesigner("NewButton", "New Page", false);
    openDesigner("CopyButton", "A (2)", true);
    EXPECT_EQ(*layoutFile().recordCount(), 2) << "the copy was appended";
    auto* list = child<QListWidget>(window, "ShapeBox");
    EXPECT_EQ(list->currentItem()->text(), "A (2) (Letter)");
    list->setCurrentItem(list->findItems("A (Letter)", Qt::MatchStartsWith).value(0));
    window.ShapeBoxClick();
    openDesigner("ModifyButton", "A", true);
    EXPECT_EQ(*layoutFile().recordCount(), 2) << "Modify overwrote its record";
    list->setCurrentRow(-1);
    button(window, "ModifyButton")->click();
    button(window, "CopyButton")->click();
    EXPECT_EQ(dialogs.log(), (std::vector<std::string>{"message Error: No page layout selected.",
                                                       "message Error: No page layout selected."}));
}

// The designer hands back its zoom and its place, saved or not: the next designer opens there.
TEST_F(TListPagesTest, TheListKeepsTheZoomAndThePlaceTheDesignerWasLeftAt)
{
    writeLayouts({letterLayout("A")});
    TListPages window(context(), PageListMode::Manage);
    window.show();
    whileModalOpen<TDoPages>([&] { window.NewButtonClick(); },
                             [](TDoPages& designer) {
                                 designer.setZoom(3);
                                 designer.resize(700, 600);
                             });
    EXPECT_EQ(window.settings().Zoom, 3);
    EXPECT_EQ(window.settings().DesignerWindowWidth, 700);
    whileModalOpen<TDoPages>([&] { window.NewButtonClick(); },
                             [](TDoPages& designer) { EXPECT_EQ(designer.designer().zoom(), 3); });
}

TEST_F(TListPagesTest, ExtractAppendsThePuzzlesLayoutAndSelectsIt)
{
    writeLayouts({letterLayout("Existing")});
    writeCollection({{"Zoo", "Zoo page"}, {"Apes", "Ape page"}});
    TListPages window(context(), PageListMode::Manage);
    window.show();
    whileModalOpen<TExtractAPuzzle>([&] { button(window, "ExtractButton")->click(); },
                                    [](TExtractAPuzzle& extract) {
                                        EXPECT_EQ(extract.windowTitle(), "Extract Page Layout From Puzzle");
                                        EXPECT_EQ(itemsOf(*extract.puzzleBox()), (std::vector<QString>{"Apes", "Zoo"}));
                                        EXPECT_EQ(extract.puzzleBox()->currentRow(), 0);
                                        extract.puzzleBox()->setCurrentRow(1);
                                        button(extract, "ExtractButton")->click();
                                    });
    auto* list = child<QListWidget>(window, "ShapeBox");
    EXPECT_EQ(itemsOf(*list), (std::vector<QString>{"Existing (Letter)  <<DEFAULT>>", "Zoo page (Letter)"}));
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(child<PageThumbnailWidget>(window, "Img")->shownRecord()->Name.text(), "Zoo page");
    const PageLayoutRecord stored = layoutFile().ReadRecord(1).value();
    EXPECT_EQ(stored, CollectionFile(collectionPath).ReadPuzzle(0).value()->Layout);
    EXPECT_TRUE(dialogs.log().empty());
}

TEST_F(TListPagesTest, ExtractWithoutPuzzlesOrWithoutTheCollection)
{
    TListPages window(context(), PageListMode::Manage);
    int otherDefault = 0;
    PageLayoutList list(PageLayoutFile::inDirectory(dir.path()), otherDefault);
    {
        TExtractAPuzzle extract(dialogs, style, list, collectionPath);
        EXPECT_FALSE(button(extract, "ExtractButton")->isEnabled());
        extract.ExtractClick();
        EXPECT_EQ(dialogs.log().back(), "message Error: No puzzles have been selected for export.");
    }
    writeCollection({{"Zoo", "Zoo page"}});
    TExtractAPuzzle extract(dialogs, style, list, collectionPath);
    std::filesystem::remove(collectionPath);
    extract.ExtractClick();
    EXPECT_EQ(dialogs.log().back(), "message Error: Unable to open puzzle.");
    EXPECT_FALSE(extract.extracted());
    EXPECT_FALSE(std::filesystem::exists(layoutFile().path()));
}

TEST_F(TListPagesTest, BrokenRecordsListAndDrawWithoutHarm)
{
    test::ImageBuilder broken = layoutImage("Broken", "Custom", std::nan(""), -1e308, 0, -5, 32767);
    test::addObject(broken, 1, 2, INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    test::addObject(broken, 2, 77, 0, 0, 10, 10);
    test::ImageBuilder wild = layoutImage("Wild", "Letter", 8.5, 11, 408, 528, -3);
    for (int k = 1; k <= 20; ++k) test::addObject(wild, k, static_cast<std::int16_t>(k), -99999, 5, 99999, 99999);
    writeLayouts({broken.str(), wild.str()});
    TListPages window(context(), PageListMode::Manage);
    window.show();
    auto* list = child<QListWidget>(window, "ShapeBox");
    EXPECT_EQ(itemsOf(*list), (std::vector<QString>{"Broken (Custom 0\" x -1000000\")  <<DEFAULT>>", "Wild (Letter)"}));
    EXPECT_FALSE(window.grab().isNull());
    list->setCurrentRow(1);
    EXPECT_FALSE(window.grab().isNull());
}

}  // namespace
}  // namespace qm
