#include "generate/ui/creation_attempts_dialog.h"

#include <algorithm>

#include <QApplication>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "common/text_rules.h"

namespace qm {
namespace {

constexpr QSize kDesignClientSize{323, 106};
constexpr int kDesignFontPixels = 19;
constexpr int kDesignButtonFontPixels = 12;
constexpr QPoint kAttemptLinePosition{75, 20};
constexpr QPoint kAbortedLinePosition{25, 20};
constexpr QPoint kCompletionLinePosition{115, 45};
// The bar takes the completion line's place while the run goes on.
constexpr QRect kDesignProgressBar{25, 48, 273, 16};

const QString kAbortCaption = QStringLiteral("&Abort");
const QString kOkCaption = QStringLiteral("&Ok");

QString numbered(const char* text, int number) { return text + QString::fromStdString(groupedNumber(number)); }

}  // namespace

TCreationAttempts::TCreationAttempts(const UiStyle& style, int attempts, Run run, QWidget* parent)
    : StyledDialog(style, parent),
      m_attempts(std::max(attempts, 1)),
      m_run(std::move(run))
{
    setWindowTitle("Building Puzzles");
    QFont font("Arial");
    font.setPixelSize(kDesignFontPixels);
    setFont(font);
    setFixedSize(kDesignClientSize);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName("Progress");
    m_progress->setGeometry(kDesignProgressBar);
    m_progress->setRange(0, m_attempts);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_progress->setAccessibleName("Attempts done");

    m_cancel = new QPushButton(kAbortCaption, this);
    m_cancel->setObjectName("Cancel");
    m_cancel->setGeometry(125, 76, 80, 21);
    QFont buttonFont("Arial");
    buttonFont.setPixelSize(kDesignButtonFontPixels);
    m_cancel->setFont(buttonFont);
    m_cancel->setDefault(true);
    connect(m_cancel, &QPushButton::clicked, this, &TCreationAttempts::CancelClick);
}

void TCreationAttempts::CancelClick()
{
    if (m_finished) {
        accept();
        return;
    }
    m_abortRequested = true;
}

void TCreationAttempts::reject()
{
    if (m_finished) {
        QDialog::reject();
        return;
    }
    m_abortRequested = true;
}

void TCreationAttempts::showEvent(QShowEvent* event)
{
    StyledDialog::showEvent(event);
    if (m_started) return;
    m_started = true;
    m_abortRequested = false;
    // The run starts once the dialog is on the screen, from the dialog's own event loop.
    QTimer::singleShot(0, this, &TCreationAttempts::startRun);
}

void TCreationAttempts::startRun()
{
    m_outcome = m_run(*this, *this);
    m_finished = true;
    showFinalLines();
    m_cancel->setText(kOkCaption);
    if (!aborted()) QApplication::beep();
}

void TCreationAttempts::attemptStarting(int attemptNumber)
{
    m_attemptLine = numbered("Creation Attempt #", attemptNumber);
    m_progress->setValue(std::clamp(attemptNumber - 1, 0, m_attempts));
    update();
    QCoreApplication::processEvents();
}

bool TCreationAttempts::abortRequested()
{
    QCoreApplication::processEvents();
    const bool abort = m_abortRequested;
    QCoreApplication::processEvents();
    return abort;
}

void TCreationAttempts::packingProgress(int placed, int total)
{
    m_attemptLine = QString("Placing words: %1 of %2").arg(placed).arg(total);
    m_progress->setRange(0, std::max(total, 1));
    m_progress->setValue(std::clamp(placed, 0, total));
    update();
    QCoreApplication::processEvents();
    m_sinceEvents.start();
}

bool TCreationAttempts::stopRequested()
{
    constexpr int kMillisecondsBetweenTurns = 25;
    if (!m_sinceEvents.isValid() || m_sinceEvents.elapsed() >= kMillisecondsBetweenTurns) {
        QCoreApplication::processEvents();
        m_sinceEvents.start();
    }
    return m_abortRequested;
}

void TCreationAttempts::showFinalLines()
{
    const int counter = m_outcome.value.AttemptCounter;
    m_progress->setRange(0, m_attempts);
    m_progress->setValue(std::clamp(counter, 0, m_attempts));
    if (aborted()) {
        m_attemptLine = numbered("Aborted on creation Attempt #", counter);
    } else {
        m_attemptLine = numbered("Creation Attempt #", counter);
        m_completionLine = "Completed";
        m_progress->hide();
    }
    update();
}

void TCreationAttempts::paintEvent(QPaintEvent* event)
{
    StyledDialog::paintEvent(event);
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    // The texts are placed by their top left corner, as the design gives them.
    auto draw = [&](QPoint designPosition, const QString& text) {
        if (text.isEmpty()) return;
        const QPoint topLeft = uiStyle().scaled(designPosition);
        painter.drawText(QRect(topLeft, QPoint(width(), height())), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                         text);
    };
    draw(m_attemptLine.contains("Aborted") ? kAbortedLinePosition : kAttemptLinePosition, m_attemptLine);
    draw(kCompletionLinePosition, m_completionLine);
}

}  // namespace qm
