// TReportForm ("Report Status Screen"): makes the page of a puzzle into a page file while
// showing its progress with a Cancel button, then says whether the page was made and shows
// what did not fit, with an OK button.
#pragma once

#include <optional>

#include "collection/puzzle_record.h"
#include "common/command_outcome.h"
#include "common/random_source.h"
#include "common/ui/ui_style.h"
#include "common/ui/user_dialogs.h"
#include "output/page/output_settings.h"
#include "output/page/page_file.h"
#include "output/page/recording_target.h"
#include "output/page/rendered_page.h"

class QLabel;
class QPushButton;

namespace qm {

class TextMetrics;

// What one report is made of; the caller owns all of it.
struct ReportJob {
    const PuzzleRecord& record;
    const PrintOptions& options;
    const TextMetrics& metrics;
    RandomSource& random;  // scrambled words
};

class TReportForm : public StyledDialog {
    Q_OBJECT
public:
    TReportForm(UserDialogs& dialogs, const UiStyle& style, const ReportJob& job, QWidget* parent = nullptr);

    // Runs the report once, then reports its end; the first showing calls it.
    void FormActivate();
    // Cancel while the report runs, OK afterwards.
    void BitBtn1Click();

    bool finished() const { return m_outcome.has_value(); }
    // True when the user cancelled the report.
    bool aborted() const { return m_outcome && m_outcome->kind == Ending::Kind::Cancelled; }
    const PageFile& page() const { return m_target.page(); }
    QString statusText() const;

    // Escape and the close box act as the button does.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showEnd();

    UserDialogs& m_dialogs;
    ReportJob m_job;
    RecordingTarget m_target;
    std::optional<Outcome<RenderedPage>> m_outcome;
    bool m_started = false;
    QLabel* m_status = nullptr;
    QPushButton* m_button = nullptr;
};

// Makes the page with the status window; the page file, or nothing when the user cancelled.
std::optional<PageFile> makePageWithStatus(QWidget* parent, UserDialogs& dialogs, const UiStyle& style,
                                           const ReportJob& job);

}  // namespace qm
