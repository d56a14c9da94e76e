// The help window as the user meets it: the Help menu's entries, F1 in the windows, every
// window's caption heading its chapter, the contents beside the page and the search.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

#include "app/help_topics.h"
#include "app/ui/help_viewer.h"
#include "app/ui/main_window_links.h"
#include "collection/puzzle_record_codec.h"
#include "generate/ui/word_list_window.h"
#include "main_window_fixture.h"
#include "output/page/ui/report_status_window.h"
#include "output/print/ui/preview_window.h"
#include "output/print/ui/print_options_window.h"
#include "support/ui/modal_window.h"
#include "support/ui/window_catalog.h"

namespace qm {
namespace {

using test::MainWindowTest;
using test::whileModalOpen;

const std::filesystem::path kShippedHelp = std::filesystem::path(QM_PROGRAM_DIR) / kHelpFolder;

QString helpPageOver(QWidget& window)
{
    auto* help = window.findChild<HelpViewer*>();
    return help && help->isVisible() ? help->currentPage() : QString("(no help)");
}

TEST_F(MainWindowTest, TheHelpMenuOpensTheManualItsContentsAndTheDataExchangeChapter)
{
    writeCollection("SCHOOL.QZ3", {});
    TMainWin& w = start();
    w.actions().userManual->trigger();
    EXPECT_EQ(helpPageOver(w), "getting_started.html");
    w.actions().helpContents->trigger();
    EXPECT_EQ(helpPageOver(w), "index.html");
    w.actions().dataExchange->trigger();
    EXPECT_EQ(helpPageOver(w), "data_exchange.html");
    QTest::keyClick(&w, Qt::Key_F1);
    EXPECT_EQ(helpPageOver(w), "main_window.html");
    EXPECT_TRUE(dialogs.log().empty());
}

TEST_F(MainWindowTest, F1OpensThePrintOptionsAndPreviewChaptersAndShiftF1TheEditors)
{
    TMainWin& w = startWithTheProgramsLinksOnAGeneratedPuzzle();
    QString inOptions, inPreview, inEditor;
    whileModalOpen<TMyReport>([&] { w.actions().printPuzzle->trigger(); },
                              [&](TMyReport& options) {
                                  QTest::keyClick(&options, Qt::Key_F1);
                                  inOptions = helpPageOver(options);
                                  whileModalOpen<TReportForm>([&] { options.ViewButtonClick(); }, [&](TReportForm& status) {
                                      status.FormActivate();
                                      QTimer::singleShot(0, [&] {
                                          auto* preview = qobject_cast<TMyPreview*>(QApplication::activeModalWidget());
                                          ASSERT_NE(preview, nullptr);
                                          QTest::keyClick(preview, Qt::Key_F1);
                                          inPreview = helpPageOver(*preview);
                                          preview->reject();
                                      });
                                      status.BitBtn1Click();
                                  });
                              });
    EXPECT_EQ(inOptions, "reports.html");
    EXPECT_EQ(inPreview, "puzzle_preview.html");

    whileModalOpen<TWordList>([&] { w.actions().newPuzzle->trigger(); },
                              [&](TWordList& editor) {
                                  QTest::keyClick(&editor, Qt::Key_F1, Qt::ShiftModifier);
                                  inEditor = helpPageOver(editor);
                                  editor.CancelClick();
                              });
    EXPECT_EQ(inEditor, "word_list_input.html#create-new-puzzle");
}

TEST(HelpChapters, EveryWindowsCaptionHeadsAChapterOfTheManual)
{
    const std::vector<HelpPage> pages = readHelpPages(kShippedHelp);
    for (const test::CatalogWindow& entry : test::windowCatalog()) {
        QString caption;
        test::openAndLook(entry, 1.0, [&](QWidget& window) { caption = window.windowTitle(); });
        EXPECT_TRUE(chapterForCaption(pages, caption.toStdString())) << "no chapter for \"" << caption.toStdString()
                                                                      << "\" (" << entry.name << ")";
    }
}

TEST(HelpViewerWindow, TheSearchListsPagesByTitleAndOpensThemWithTheWordsMarked)
{
    HelpViewer help(kShippedHelp);
    help.show();
    QApplication::setActiveWindow(&help);
    help.showPage("getting_started.html");
    auto* search = help.findChild<QLineEdit*>();
    auto* found = help.findChild<QListWidget*>();
    auto* contents = help.findChild<QTreeWidget*>();
    auto* page = help.findChild<QTextBrowser*>();
    ASSERT_TRUE(search && found && contents && page);
    EXPECT_EQ(contents->currentItem()->text(0), "Getting Started") << "the contents follow the page shown";

    search->setFocus();
    QTest::keyClicks(search, "hidden phrase");
    ASSERT_TRUE(found->isVisible());
    ASSERT_GT(found->count(), 1);
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_TRUE(found->hasFocus());
    const QString first = help.currentPage();
    EXPECT_FALSE(page->extraSelections().isEmpty());
    EXPECT_EQ(page->extraSelections().front().cursor.selectedText().toLower(), "hidden");
    QTest::keyClick(found, Qt::Key_Down);
    EXPECT_NE(help.currentPage(), first);

    search->clear();
    EXPECT_TRUE(contents->isVisible());
    QTest::keyClick(page, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(help.currentPage(), first) << "Back returns to the page before";
}

TEST(HelpViewerWindow, TheKeyboardAloneGoesFromTheSearchToTheContentsAndThePageAndEscapeCloses)
{
    HelpViewer help(kShippedHelp);
    help.show();
    QApplication::setActiveWindow(&help);
    help.showPage(kHelpContents);
    auto* search = help.findChild<QLineEdit*>();
    auto* contents = help.findChild<QTreeWidget*>();
    search->setFocus();
    QTest::keyClick(search, Qt::Key_Tab);
    ASSERT_TRUE(contents->hasFocus());
    QTest::keyClick(contents, Qt::Key_Down);
    EXPECT_EQ(help.currentPage(), "making_good_puzzles.html") << "the second chapter, below the first";
    QTest::keyClick(contents, Qt::Key_Tab);
    EXPECT_TRUE(help.findChild<QTextBrowser*>()->hasFocus());
    QTest::keyClick(&help, Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(search->hasFocus());
    QTest::keyClick(search, Qt::Key_Escape);
    EXPECT_FALSE(help.isVisible());
}

}  // namespace
}  // namespace qm
