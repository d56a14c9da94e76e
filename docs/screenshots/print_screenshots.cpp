// The print options of the sample's first puzzle with its bonus question, the status window with
// the warning of a word list that does not fit, the preview of the page at whole page with and
// without the answer key, and the number of copies the preview asks before printing.
#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QTimer>

#include "app/settings.h"
#include "common/ui/qt_user_dialogs.h"
#include "output/page/gui/qt_text_metrics.h"
#include "output/page/ui/report_status_window.h"
#include "output/print/ui/bonus_question_dialog.h"
#include "output/print/ui/copies_dialog.h"
#include "output/print/ui/preview_window.h"
#include "output/print/ui/print_options_window.h"
#include "output/ui/print_scene.h"
#include "sample_puzzle.h"
#include "screenshots.h"

namespace qm::screenshots {
namespace {

// The status window with the warning box over its lower edge, as they show on screen.
QImage statusWithWarning(QWidget& status, QWidget& warning)
{
    const QImage under = status.grab().toImage();
    const QImage over = warning.grab().toImage();
    const QPoint offset(under.width() / 3, under.height() - 8);
    QImage picture(std::max(under.width(), offset.x() + over.width()),
                   std::max(under.height(), offset.y() + over.height()), QImage::Format_RGB32);
    picture.fill(status.palette().color(QPalette::Dark));
    QPainter painter(&picture);
    painter.drawImage(0, 0, under);
    painter.setPen(Qt::black);
    painter.drawRect(QRect(offset, over.size()).adjusted(-1, -1, 0, 0));
    painter.drawImage(offset, over);
    return picture;
}

void shootStatusWithWarning(ScreenshotFolder& folder, const UiStyle& style, const TextMetrics& metrics)
{
    auto puzzle = samplePuzzle();
    PageLayoutRecord& layout = puzzle->Layout;
    // A word list box lower than a line of its words.
    for (int k = 0; k < usedObjectCount(layout); ++k) {
        PageObject& object = layout.Objects[static_cast<std::size_t>(k)];
        if (object.kind() != PageObjectKind::Words) continue;
        object.Bounds.Bottom = object.Bounds.Top + 1;
    }
    PrintOptions options;
    SeededRandom random(3);
    QtUserDialogs dialogs;
    TReportForm status(dialogs, style, ReportJob{*puzzle, options, metrics, random});
    status.show();
    bool shot = false;
    // The window takes its events while the page is made, so the warning is waited for.
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* warning = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!warning) return;
        poll.stop();
        folder.save(statusWithWarning(status, *warning), "report-status-warning.png");
        shot = true;
        warning->accept();
    });
    poll.start();
    status.FormActivate();
    require(shot, "the status window showed the words warning");
}

// The question as Change Bonus Question of the print options offers it for change.
void shootBonusQuestion(ScreenshotFolder& folder, const UiStyle& style)
{
    const auto puzzle = samplePuzzle();
    require(!puzzle->BonusQuestion.text().empty(), "the sample's first puzzle has a bonus question");
    TBonusQuestion bonus(style, puzzle->BonusQuestion.text());
    bonus.show();
    folder.save(bonus, "bonus-question.png");
}

void shootCopies(ScreenshotFolder& folder, UserDialogs& dialogs, const UiStyle& style)
{
    TNumCopies copies(dialogs, style);
    copies.show();
    folder.save(copies, "multi-copies.png");
}

}  // namespace

void takePrintScreenshots(ScreenshotFolder& folder)
{
    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    UiStyle style;
    Settings settings;
    QPrinter printer;
    test::CountingPrinting printing;
    const QtTextMetrics metrics;
    SeededRandom random(5);
    PrintOptionsContext context{dialogs,
                                style,
                                settings.Reports,
                                settings.Html,
                                settings.Exports,
                                test::layoutChooser(dialogs, style, settings.PageLayout, dir.path(), dir / "SAMPLE.QZ3",
                                                    PageListMode::PrintLayout),
                                printer,
                                printing,
                                metrics,
                                {},
                                &random};
    {
        TMyReport options(context, samplePuzzle());
        options.show();
        folder.save(options, "print-options.png");
    }
    shootBonusQuestion(folder, style);

    shootStatusWithWarning(folder, style, metrics);

    settings.Reports.ViewingWindowWidth = 680;
    settings.Reports.ViewingWindowHeight = 760;
    const auto puzzle = samplePuzzle();
    PreviewContext previewContext{dialogs, style, settings.Reports, settings.Html, settings.Exports, printing, *puzzle};
    for (const bool answerKey : {false, true}) {
        settings.Reports.Print.AnswerKey = answerKey;
        const PageFile page = samplePage(*puzzle, settings.Reports.Print, metrics, 5);
        TMyPreview preview(previewContext, page);
        preview.show();
        QApplication::processEvents();  // the view takes its size
        preview.SBZoomPageClick();
        QApplication::processEvents();
        folder.save(preview, answerKey ? "preview-answer-key.png" : "preview-whole-page.png");
    }
    shootCopies(folder, dialogs, style);
}

}  // namespace qm::screenshots
