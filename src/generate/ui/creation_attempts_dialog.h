// The progress dialog TCreationAttempts ("Building Puzzles") of a run of several attempts: it
// shows the attempt being made and how many of them are done, and lets the user abort. The run
// itself is handed in; the dialog starts it once it is on the screen and serves as its
// GenerationProgress, giving pending window events their turn between attempts, and as the
// PackingProgress of the search that may follow them.
#pragma once

#include <functional>

#include <QElapsedTimer>
#include <QString>

#include "common/ui/ui_style.h"
#include "generate/build_puzzles.h"
#include "generate/packing_search.h"

class QProgressBar;
class QPushButton;

namespace qm {

class TCreationAttempts : public StyledDialog, private GenerationProgress, private PackingProgress {
    Q_OBJECT
public:
    using Run = std::function<Outcome<GenerationRun>(GenerationProgress&, PackingProgress&)>;

    // attempts: the number the run is asked for, the whole of the progress bar.
    TCreationAttempts(const UiStyle& style, int attempts, Run run, QWidget* parent = nullptr);

    // While the run goes on it only asks for the abort; afterwards it closes the dialog.
    void CancelClick();

    const QString& attemptLine() const { return m_attemptLine; }
    const QString& completionLine() const { return m_completionLine; }
    bool finished() const { return m_finished; }
    const Outcome<GenerationRun>& outcome() const { return m_outcome; }

    // Closing the window (Escape, the title bar) during the run is taken as Abort.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void startRun();
    void attemptStarting(int attemptNumber) override;
    bool abortRequested() override;
    void packingProgress(int placed, int total) override;
    bool stopRequested() override;
    void showFinalLines();
    bool aborted() const { return m_outcome.kind == Ending::Kind::Cancelled; }

    int m_attempts;
    Run m_run;
    QString m_attemptLine;
    QString m_completionLine;
    bool m_abortRequested = false;
    bool m_started = false;
    bool m_finished = false;
    QElapsedTimer m_sinceEvents;  // the search asks far more often than the window needs a turn
    Outcome<GenerationRun> m_outcome;

    QPushButton* m_cancel = nullptr;
    QProgressBar* m_progress = nullptr;
};

}  // namespace qm
