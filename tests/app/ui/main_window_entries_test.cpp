// Every entry of the main window's menus works with a puzzle selected: none is left greyed, and
// the entries that open a window of their own open the right one.
#include <functional>

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>

#include "main_window_fixture.h"
#include "output/export/export_messages.h"
#include "output/export/ui/jpeg_factor_dialog.h"
#include "support/ui/modal_window.h"

namespace qm {
namespace {

using test::MainWindowTest;

// Every item of a menu and its submenus, with the path of captions that leads to it.
void forEachItem(QMenu* menu, const QString& path, const std::function<void(QAction*, const QString&)>& visit)
{
    for (QAction* item : menu->actions()) {
        if (item->isSeparator()) continue;
        const QString itemPath = path + " | " + item->text();
        visit(item, itemPath);
        if (item->menu()) forEachItem(item->menu(), itemPath, visit);
    }
}

TEST_F(MainWindowTest, NoMenuEntryIsGreyedWithAPuzzleSelected)
{
    writeCollection("SCHOOL.QZ3", {{"Animals", "Cat"}});
    writeCollection("OTHER.QZ3", {});
    writeSettings("Last Group=" + pathOf("SCHOOL.QZ3") + "\r\nLast File 2=" + pathOf("OTHER.QZ3") + "\r\n");
    links = programLinks();
    TMainWin& w = start();
    ASSERT_EQ(test::selectedText(w.puzzleList()), "Cat");
    const auto& recent = w.actions().recentFiles;
    int visited = 0;
    for (QAction* menu : w.menuBar()->actions()) {
        EXPECT_TRUE(menu->isEnabled()) << menu->text().toStdString();
        forEachItem(menu->menu(), menu->text(), [&](QAction* item, const QString& path) {
            ++visited;
            // A recent-file place that holds no file is hidden, not greyed.
            const auto place = std::find(recent.begin(), recent.end(), item);
            if (place != recent.end() && w.settings().Misc.LastFiles[std::size_t(place - recent.begin())].empty()) {
                EXPECT_FALSE(item->isVisible()) << path.toStdString();
                return;
            }
            EXPECT_TRUE(item->isVisible()) << path.toStdString();
            EXPECT_TRUE(item->isEnabled()) << path.toStdString();
        });
    }
    EXPECT_GE(visited, 50);
    for (QAction* button : w.actions().toolButtons) EXPECT_TRUE(button->isEnabled()) << button->toolTip().toStdString();
    EXPECT_TRUE(dialogs.log().empty());
}

TEST_F(MainWindowTest, JpegCompressionFactorEditsTheQualityOfTheSettings)
{
    writeCollection("SCHOOL.QZ3", {});
    writeSettings("Last Group=" + pathOf("SCHOOL.QZ3") + "\r\n", "[Reports]\r\nJPeg Compression Quality=65\r\n");
    links = programLinks();
    TMainWin& w = start();
    QAction* factor = w.actions().jpegCompression;
    ASSERT_TRUE(factor->isEnabled());
    EXPECT_EQ(factor->shortcut(), QKeySequence("Ctrl+J"));
    test::whileModalOpen<TTheJPegFactor>([&] { factor->trigger(); },
                                         [](TTheJPegFactor& dialog) {
                                             EXPECT_EQ(dialog.windowTitle(), "JPEG Factor");
                                             auto* number = dialog.findChild<QLineEdit*>("JPegNum");
                                             EXPECT_EQ(number->text(), "65");
                                             number->setText("101");
                                             dialog.OkClick();
                                             EXPECT_TRUE(dialog.isVisible());
                                             number->setText("80");
                                             dialog.OkClick();
                                         });
    EXPECT_EQ(dialogs.messageTexts(),
              std::vector<QString>{QString::fromStdString(ExportMessages::InvalidJpegFactor.message)});
    EXPECT_EQ(w.settings().Reports.JpegCompressionQuality, 80);
    // Cancelled: the quality stays.
    test::whileModalOpen<TTheJPegFactor>([&] { factor->trigger(); },
                                         [](TTheJPegFactor& dialog) {
                                             dialog.findChild<QLineEdit*>("JPegNum")->setText("5");
                                             dialog.reject();
                                         });
    EXPECT_EQ(w.settings().Reports.JpegCompressionQuality, 80);
    w.close();
    EXPECT_EQ(LoadSettings(dir.path()).Reports.JpegCompressionQuality, 80);
}

// The dialog's texts show whole at every screen size the main window can take.
TEST_F(MainWindowTest, TheJpegFactorDialogShowsItsWholeTextAtEveryScreenSize)
{
    writeCollection("SCHOOL.QZ3", {});
    links = programLinks();
    TMainWin& w = start(QSize(1280, 1024));
    for (const int size : {640, 800, 1024, 1280}) {
        w.chooseScreenSize(size);
        test::whileModalOpen<TTheJPegFactor>(
            [&] { w.actions().jpegCompression->trigger(); },
            [size](TTheJPegFactor& dialog) {
                for (QLabel* label : dialog.findChildren<QLabel*>()) {
                    const QSize needed = label->wordWrap()
                                             ? QSize(label->width(), label->heightForWidth(label->width()))
                                             : label->sizeHint();
                    EXPECT_LE(needed.width(), label->width()) << label->text().toStdString() << " at " << size;
                    EXPECT_LE(needed.height(), label->height()) << label->text().toStdString() << " at " << size;
                }
            });
    }
}

TEST_F(MainWindowTest, UserManualOpensTheManualsStartPage)
{
    writeCollection("SCHOOL.QZ3", {});
    TMainWin& w = start();
    ASSERT_TRUE(w.actions().userManual->isEnabled());
    w.actions().userManual->trigger();
    auto* browser = w.findChild<QTextBrowser*>();
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->source().fileName(), "getting_started.html");
    EXPECT_TRUE(browser->toPlainText().contains("Getting Started"));
    EXPECT_TRUE(dialogs.log().empty());
}

}  // namespace
}  // namespace qm
