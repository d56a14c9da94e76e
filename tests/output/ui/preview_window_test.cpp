// The preview TMyPreview, the copies dialog and the printing of pages.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "output/page/page_renderer.h"
#include "output/page/recording_target.h"
#include "output/print/preview_zoom.h"
#include "output/print/ui/copies_dialog.h"
#include "output/print/ui/page_view_widget.h"
#include "output/print/ui/preview_window.h"
#include "output/print/ui/print_queue.h"
#include "output/print/ui/qt_page_printing.h"
#include "print_scene.h"
#include "support/run_command.h"
#include "support/ui/modal_window.h"

namespace qm {
namespace {

using test::child;
using test::whileModalOpen;

// "&Print Page Ctrl+P", "-" for a separator, "Zoom &In >" for a submenu.
std::vector<QString> entriesOf(const QMenu& menu)
{
    std::vector<QString> entries;
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator())
            entries.push_back("-");
        else if (action->menu())
            entries.push_back(action->text() + " >");
        else
            entries.push_back((action->text() + " " + action->shortcut().toString()).trimmed());
    }
    return entries;
}

class PreviewTest : public ::testing::Test, protected test::PrintScene {
protected:
    PreviewTest() { page = test::render(*test::generatedPuzzle()).page; }

    TMyPreview& open()
    {
        window = std::make_unique<TMyPreview>(previewContext, page);
        window->show();
        QApplication::setActiveWindow(window.get());
        return *window;
    }
    // Types into the field and presses Enter.
    void enter(const char* field, const QString& text)
    {
        auto* box = child<QLineEdit>(*window, field);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    void printCopies(const QString& count)
    {
        whileModalOpen<TNumCopies>([this] { window->PrintMultipleCopiesClick(); },
                                   [count](TNumCopies& copies) {
                                       child<QLineEdit>(copies, "Copies")->setText(count);
                                       copies.OkClick();
                                   });
    }

    PageFile page;  // Letter: 816 pixels wide at 100 percent
    std::unique_ptr<TMyPreview> window;
};

TEST_F(PreviewTest, MenusToolBarAndFieldsAreInPlace)
{
    TMyPreview& w = open();
    EXPECT_EQ(w.windowTitle(), "Puzzle Preview");
    const QList<QAction*> menus = child<QMenuBar>(w, "MainMenu")->actions();
    std::vector<QString> titles;
    for (const QAction* menu : menus) titles.push_back(menu->text());
    EXPECT_EQ(titles, (std::vector<QString>{"&File", "&Graphic Export", "&HTML Export", "&Text Export", "&View"}));
    EXPECT_EQ(entriesOf(*menus[0]->menu()),
              (std::vector<QString>{"&Print Page Ctrl+P", "Print &Multiple Copies Ctrl+M", "Save as &PDF...",
                                    "Save as &Interactive Web Page...", "-", "E&xit Ctrl+X"}));
    EXPECT_EQ(
        entriesOf(*menus[1]->menu()),
        (std::vector<QString>{"&Windows MetaFile (WMF) Ctrl+W", "&Enhanced MetaFile (EMF) Ctrl+E",
                              "Windows &Bitmap (BMP) Ctrl+B", "&JPEG (JPG) Ctrl+J", "&Portable Network Graphics (PNG)",
                              "&Scalable Vector Graphics (SVG)", "-", "JPEG Compression &Factor Ctrl+F"}));
    EXPECT_EQ(menus[2]->menu(), nullptr);  // HTML Export is a command of its own
    EXPECT_EQ(entriesOf(*menus[4]->menu()),
              (std::vector<QString>{"Zoom &In >", "Zoom &Out >", "Zoom &Page Width Ctrl+Z", "Zoom &Whole Page"}));

    const std::pair<const char*, const char*> buttons[] = {{"SBZoomIn", "Zoom In"},
                                                           {"SBZoomOut", "Zoom Out"},
                                                           {"SBZoomPageWidth", "Zoom Page Width"},
                                                           {"SBZoomPage", "Zoom Whole Page"},
                                                           {"SBPrint", "Print Page"},
                                                           {"SBSavePdf", "Save as PDF"},
                                                           {"SpeedHTML", "Create Web Page"},
                                                           {"SpeedBitmap", "Export As Bitmap"},
                                                           {"SpeedMeta", "Export As Metafile"},
                                                           {"SpeedJPEG", "Export As JPEG"},
                                                           {"SBDone", "Done"}};
    for (const auto& [name, hint] : buttons) EXPECT_EQ(child<QToolButton>(w, name)->toolTip(), hint) << name;
    EXPECT_EQ(child<QLineEdit>(w, "ZoomEdit")->text(), "100.00");
    EXPECT_EQ(child<QLineEdit>(w, "Pixels")->text(), "816");
}

TEST_F(PreviewTest, AZoomTypedAndEnteredShowsThePageAtItAndUpdatesThePixelWidth)
{
    open();
    enter("ZoomEdit", "50");
    EXPECT_DOUBLE_EQ(window->zoom(), 50);
    EXPECT_EQ(child<QLineEdit>(*window, "ZoomEdit")->text(), "50.00");
    EXPECT_EQ(child<QLineEdit>(*window, "Pixels")->text(), "408");
    EXPECT_EQ(window->pageView()->minimumWidth(), 428);  // 408 and two margins of 10.2
    // Not a number: ignored, the box shows the zoom again.
    enter("ZoomEdit", "big");
    EXPECT_DOUBLE_EQ(window->zoom(), 50);
    EXPECT_EQ(child<QLineEdit>(*window, "ZoomEdit")->text(), "50.00");
    enter("Pixels", "1224");
    EXPECT_DOUBLE_EQ(window->zoom(), 150);
    EXPECT_EQ(child<QLineEdit>(*window, "ZoomEdit")->text(), "150.00");
}

TEST_F(PreviewTest, TypingTheWidthAlreadyShownChangesNothing)
{
    open();
    window->setZoom(100.0 / 3);
    EXPECT_EQ(child<QLineEdit>(*window, "Pixels")->text(), "272");
    enter("Pixels", "272");
    EXPECT_EQ(window->zoom(), 100.0 / 3);
    EXPECT_EQ(child<QLineEdit>(*window, "ZoomEdit")->text(), "33.33");
}

TEST_F(PreviewTest, StepsAndFittingZooms)
{
    open();
    child<QToolButton>(*window, "SBZoomIn")->click();
    EXPECT_DOUBLE_EQ(window->zoom(), 125);
    window->SBZoomOutClick();
    window->SBZoomOutClick();
    EXPECT_DOUBLE_EQ(window->zoom(), 75);
    const QSize view = child<QScrollArea>(*window, "PreviewArea")->maximumViewportSize();
    const auto* scrollBars = child<QScrollArea>(*window, "PreviewArea");
    window->SBZoomPageClick();
    const QSize page = window->pageView()->minimumSize();
    EXPECT_LE(page.width(), view.width());
    EXPECT_LE(page.height(), view.height());
    EXPECT_GE(page.height(), view.height() - 1);  // a Letter page in a wide window fills its height
    QApplication::processEvents();
    EXPECT_FALSE(scrollBars->verticalScrollBar()->isVisible());
    EXPECT_FALSE(scrollBars->horizontalScrollBar()->isVisible());
    window->SBZoomPageWidthClick();
    EXPECT_LE(window->pageView()->minimumWidth(), view.width());
    EXPECT_GE(window->pageView()->minimumWidth(), view.width() - 1);
    // The keys step the zoom.
    const double wholePage = [&] {
        window->SBZoomPageClick();
        return window->zoom();
    }();
    QTest::keyClick(window.get(), Qt::Key_I, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(window->zoom(), nextZoomIn(wholePage));
    window->SBZoomPageClick();
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(window->zoom(), nextZoomOut(wholePage));
}

TEST_F(PreviewTest, TheViewMenusFixedZoomsShowTheirPercentages)
{
    open();
    QMenu* view = child<QMenuBar>(*window, "MainMenu")->actions()[4]->menu();
    ASSERT_NE(view, nullptr);
    std::vector<QString> shown;
    for (QAction* submenu : view->actions()) {
        if (!submenu->menu()) continue;
        for (QAction* zoom : submenu->menu()->actions()) {
            zoom->trigger();
            shown.push_back(zoom->text() + " " + child<QLineEdit>(*window, "ZoomEdit")->text());
        }
    }
    EXPECT_EQ(shown, (std::vector<QString>{"&1 : 1 100.00", "&2 : 1 200.00", "1 : &1 100.00", "1 : &2 50.00",
                                           "1 : &3 33.30", "1 : &4 25.00", "1 : &5 20.00"}));
}

TEST_F(PreviewTest, CtrlXClosesTheWindowWhileAFieldHasTheFocus)
{
    open();
    auto* zoom = child<QLineEdit>(*window, "ZoomEdit");
    zoom->setFocus();
    zoom->selectAll();
    QTest::keyClick(zoom, Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(zoom->text(), "100.00") << "nothing was cut";
}

TEST_F(PreviewTest, TheFirstSizeFitsTheToolBarSoDoneAndPixelWidthShow)
{
    // At 1.25 the tool bar needs about 710 pixels (at 1.6, for a 1024 x 768 screen, about 910,
    // more than the test's screen is wide).
    style.scale = 1.25;
    settings.Reports.ViewingWindowWidth = 640;
    settings.Reports.ViewingWindowHeight = 480;
    open();
    QApplication::processEvents();
    EXPECT_EQ(child<QLineEdit>(*window, "Pixels")->font().pixelSize(), 16);
    EXPECT_EQ(child<QLineEdit>(*window, "Pixels")->width(), 70);
    EXPECT_TRUE(child<QToolButton>(*window, "SBDone")->isVisible());
    EXPECT_TRUE(child<QLineEdit>(*window, "Pixels")->isVisible());
    EXPECT_LE(window->width(), window->screen()->availableGeometry().width());
    EXPECT_EQ(window->height(), 480);
}

TEST_F(PreviewTest, PrintPagePrintsOneCopyUnlessThePrinterIsStillBusy)
{
    open();
    child<QToolButton>(*window, "SBPrint")->click();
    EXPECT_EQ(printing.jobs, std::vector<int>{1});
    printing.isBusy = true;
    window->PrintPageClick();
    printCopies("3");
    EXPECT_EQ(printing.jobs, std::vector<int>{1});
    EXPECT_EQ(dialogs.log(), (std::vector<std::string>(2, "message Error: Previous print job has not yet finished.  "
                                                          "Try again later.")));
}

TEST_F(PreviewTest, ThreeCopiesAreOneJobOfThreeOrThreeJobsOnAPrinterThatMakesFewer)
{
    open();
    printCopies("3");
    EXPECT_EQ(printing.jobs, std::vector<int>{3});
    printing.copiesPerJob = 2;
    printCopies(" 3 ");
    EXPECT_EQ(printing.jobs, (std::vector<int>{3, 1, 1, 1}));
    EXPECT_TRUE(dialogs.log().empty());
}

TEST_F(PreviewTest, TheCopiesDialogRefusesWhatIsNoCountOfOneOrMore)
{
    open();
    whileModalOpen<TNumCopies>([this] { window->PrintMultipleCopiesClick(); },
                               [](TNumCopies& copies) {
                                   EXPECT_EQ(copies.windowTitle(), "Multi-Copies");
                                   auto* box = child<QLineEdit>(copies, "Copies");
                                   EXPECT_EQ(box->text(), "1");
                                   EXPECT_EQ(box->maxLength(), 3);
                                   for (const char* refused : {"0", "x", ""}) {
                                       box->setText(refused);
                                       copies.OkClick();
                                       EXPECT_TRUE(copies.isVisible()) << refused;
                                   }
                                   child<QPushButton>(copies, "CancelButton")->click();
                               });
    EXPECT_EQ(dialogs.messageTexts(), std::vector<QString>(3, "Invalid number of copies entered."));
    EXPECT_TRUE(printing.jobs.empty());
}

TEST_F(PreviewTest, SaveAsPdfWritesThePageAndRemembersItsName)
{
    settings.Reports.LastPdfFile = (dir / "last.pdf").string();
    open();
    dialogs.cancelFile();
    window->SavePdfClick();
    EXPECT_EQ(settings.Reports.LastPdfFile, (dir / "last.pdf").string());
    ASSERT_EQ(dialogs.fileRequests().size(), 1u);
    const FileRequest& request = dialogs.fileRequests()[0];
    EXPECT_EQ(request.kind, FileDialogKind::Save);
    EXPECT_EQ(request.initialFile, QString::fromStdString((dir / "last.pdf").string()));
    EXPECT_TRUE(request.promptOverwrite);

    const std::string path = (dir / "Farm.pdf").string();
    dialogs.answerFile(QString::fromStdString(path));
    child<QToolButton>(*window, "SBSavePdf")->click();
    EXPECT_TRUE(test::readFile(path).starts_with("%PDF"));
    EXPECT_EQ(settings.Reports.LastPdfFile, path);
}

TEST_F(PreviewTest, TheInteractiveWebPageIsSavedWhereTheSaveDialogSaysAndTheNameKept)
{
    open();
    const std::string path = (dir / "Farm.html").string();
    dialogs.answerFile(QString::fromStdString(path));
    settings.Html.PlayShowAnswers = false;
    const QList<QAction*> menus = child<QMenuBar>(*window, "MainMenu")->actions();
    menus[0]->menu()->actions()[3]->trigger();
    ASSERT_EQ(dialogs.fileRequests().size(), 1u);
    EXPECT_EQ(dialogs.fileRequests()[0].title, "Save Interactive Web Page");
    EXPECT_EQ(dialogs.fileRequests()[0].defaultExtension, "html");
    const std::string html = test::readFile(path);
    EXPECT_NE(html.find("<h1>Farm</h1>"), std::string::npos);
    EXPECT_EQ(html.find("id=\"show-answers\""), std::string::npos);
    EXPECT_EQ(settings.Html.LastPlayPageFile, path);
}

TEST_F(PreviewTest, WithoutAPrinterPrintingAsksForAPdfFile)
{
    printing.installed = false;
    open();
    const std::string path = (dir / "page.pdf").string();
    dialogs.answerFile(QString::fromStdString(path));
    window->PrintPageClick();
    EXPECT_TRUE(test::readFile(path).starts_with("%PDF"));
    EXPECT_TRUE(printing.jobs.empty());
}

TEST_F(PreviewTest, AFileThatCannotBeWrittenIsReportedWithItsName)
{
    open();
    const std::string path = (dir / "no such folder" / "page.pdf").string();
    dialogs.answerFile(QString::fromStdString(path));
    window->SavePdfClick();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(dialogs.messages()[0].text.contains(QString::fromStdString(path)));
    EXPECT_EQ(settings.Reports.LastPdfFile, "");
}

TEST_F(PreviewTest, PlaceAndSizeComeFromTheSettingsAndGoBackWhenClosed)
{
    ReportSettings& r = settings.Reports;
    r.ViewingWindowLeft = 30;
    r.ViewingWindowTop = 40;
    r.ViewingWindowWidth = 700;
    r.ViewingWindowHeight = 520;
    TMyPreview& w = open();
    EXPECT_EQ(w.size(), QSize(700, 520));
    EXPECT_EQ(w.pos(), QPoint(30, 40));
    w.resize(720, 530);
    w.move(50, 60);
    child<QToolButton>(w, "SBDone")->click();
    EXPECT_EQ(r.ViewingWindowWidth, 720);
    EXPECT_EQ(r.ViewingWindowHeight, 530);
    EXPECT_EQ(r.ViewingWindowLeft, 50);
    EXPECT_EQ(r.ViewingWindowTop, 60);
}

// A print queue that holds the program's last job as long as the test says.
class HeldQueue final : public PrintQueue {
public:
    bool holding = true;
    mutable std::vector<QString> askedTitles;

    bool holdsUnfinishedJob(const QPrinter&, const QString& title) const override
    {
        askedTitles.push_back(title);
        return holding;
    }
};

TEST(QtPagePrinting, StaysBusyWhileThePrintQueueStillHoldsTheJobItSent)
{
    test::TempDir dir;
    QPrinter printer;
    printer.setOutputFileName(QString::fromStdString((dir / "page.pdf").string()));
    HeldQueue queue;
    QtPagePrinting printing(printer, queue);
    EXPECT_FALSE(printing.busy()) << "the queue's jobs are not this program's before it sent one";
    ASSERT_TRUE(printing.print(test::render(*test::generatedPuzzle()).page, 1));
    EXPECT_TRUE(printing.busy());
    EXPECT_EQ(queue.askedTitles, std::vector<QString>{"Quillmaze 98 Puzzle"});
    queue.holding = false;
    EXPECT_FALSE(printing.busy());
    // CUPS has no queue for a printer that writes a file.
    EXPECT_FALSE(cupsPrintQueue().holdsUnfinishedJob(printer, "Quillmaze 98 Puzzle"));
}

// The program's printer, printing into a PDF file, takes the page on its own sheet.
TEST(QtPagePrinting, APageGoesToThePrinterOnItsOwnSheet)
{
    test::TempDir dir;
    const std::filesystem::path portraitPdf = dir / "portrait.pdf";
    const std::filesystem::path landscapePdf = dir / "landscape.pdf";
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    QtPagePrinting printing(printer);
    EXPECT_FALSE(printing.busy());
    EXPECT_GE(printing.copiesOneJobCanMake(), 1);

    auto record = test::generatedPuzzle();
    printer.setOutputFileName(QString::fromStdString(portraitPdf.string()));
    ASSERT_TRUE(printing.print(test::render(*record).page, 1));
    record->Layout.Portrait = false;
    printer.setOutputFileName(QString::fromStdString(landscapePdf.string()));
    ASSERT_TRUE(printing.print(test::render(*record).page, 1));
    // Letter: 612 x 792 points.
    EXPECT_NE(test::readFile(portraitPdf).find("/MediaBox [0 0 612.000000 792.000000]"), std::string::npos);
    EXPECT_NE(test::readFile(landscapePdf).find("/MediaBox [0 0 792.000000 612.000000]"), std::string::npos);
    // The page itself is on the sheet, its text as text.
    const test::CommandOutput text = test::runCommand("pdftotext '" + portraitPdf.string() + "' -");
    EXPECT_EQ(text.status, 0) << text.err;
    for (const char* printed : {"Farm", "CAT", "DOG", "PIG"})
        EXPECT_NE(text.out.find(printed), std::string::npos) << printed;
}

}  // namespace
}  // namespace qm
