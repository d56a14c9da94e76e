#include "output/page/ui/report_status_window.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "output/page/page_renderer.h"
#include "output/page/render_messages.h"

namespace qm {
namespace {

constexpr QSize kDesignClientSize(264, 120);
constexpr int kDesignFontPixels = 13;

// The status while the one page is made: its first line with the page number, two empty lines.
QString runningStatus() { return QString(RenderMessages::PrintingPageStatus).replace("%p", "1") + "\n\n"; }

}  // namespace

TReportForm::TReportForm(UserDialogs& dialogs, const UiStyle& style, const ReportJob& job, QWidget* parent)
    : StyledDialog(style, parent),
      m_dialogs(dialogs),
      m_job(job),
      m_target(job.metrics)
{
    setWindowTitle(RenderMessages::ReportStatusCaption);
    QFont font("Arial");
    font.setPixelSize(kDesignFontPixels);
    setFont(font);
    setFixedSize(kDesignClientSize);

    m_status = new QLabel(runningStatus(), this);
    m_status->setObjectName("StatusText");
    m_status->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_status->setGeometry(12, 12, 240, 60);
    m_button = new QPushButton("Cancel", this);
    m_button->setObjectName("BitBtn1");
    m_button->setGeometry(90, 84, 84, 25);
    m_button->setDefault(true);
    connect(m_button, &QPushButton::clicked, this, &TReportForm::BitBtn1Click);
}

QString TReportForm::statusText() const { return m_status->text(); }

void TReportForm::showEvent(QShowEvent* event)
{
    StyledDialog::showEvent(event);
    // The window is drawn with its Cancel button before the page is made.
    if (!m_started) QTimer::singleShot(0, this, &TReportForm::FormActivate);
}

void TReportForm::FormActivate()
{
    if (std::exchange(m_started, true)) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // Between objects the window takes its events, so Cancel stops a page being made.
    m_outcome =
        RenderPage(m_job.record, m_job.options, m_target, m_job.random, [] { QCoreApplication::processEvents(); });
    QApplication::restoreOverrideCursor();
    showEnd();
}

void TReportForm::showEnd()
{
    const std::vector<std::string> warnings = renderWarnings(*m_outcome);
    auto warning = warnings.begin();
    // The missing pictures are found while the sheet is set up, before the page is finished.
    if (m_outcome->value.BitmapMissing && warning != warnings.end())
        m_dialogs.message(RenderMessages::WarningCaption, QString::fromStdString(*warning++), MessageButton::Ok,
                          MessageIcon::Warning);
    m_button->setText("OK");
    m_status->setText(QString::fromStdString(reportEndStatus(*m_outcome)));
    for (; warning != warnings.end(); ++warning)
        m_dialogs.message(RenderMessages::WarningCaption, QString::fromStdString(*warning), MessageButton::Ok,
                          MessageIcon::Warning);
}

void TReportForm::BitBtn1Click()
{
    if (finished())
        accept();
    else
        m_target.abort();
}

void TReportForm::reject()
{
    if (finished())
        StyledDialog::reject();
    else
        m_target.abort();
}

std::optional<PageFile> makePageWithStatus(QWidget* parent, UserDialogs& dialogs, const UiStyle& style,
                                           const ReportJob& job)
{
    TReportForm status(dialogs, style, job, parent);
    status.exec();
    // Closed before the report ran (the window was never shown): nothing was made.
    if (!status.finished() || status.aborted()) return std::nullopt;
    return status.page();
}

}  // namespace qm
