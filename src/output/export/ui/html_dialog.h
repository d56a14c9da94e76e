// TMyHtml ("HTML Creation"): a web page showing the page as a JPEG picture between two header
// and two footer blocks, with rules above and below the picture if wanted.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "common/ui/ui_style.h"
#include "common/ui/user_dialogs.h"
#include "output/page/output_settings.h"
#include "output/page/page_file.h"

class QLineEdit;
class QPlainTextEdit;

namespace qm {

// What the dialog works with; the caller owns all of it. The blocks, the rules and the title are
// the program's, kept for its whole run and in the settings file.
struct HtmlExportContext {
    UserDialogs& dialogs;
    const UiStyle& style;
    HtmlSettings& html;
    ReportSettings& reports;    // the picture's width, JPEG quality and colours
    std::string& lastHtmlFile;  // Last Export HTML File
    const PageFile& page;
};

class TMyHtml : public StyledDialog {
    Q_OBJECT
public:
    explicit TMyHtml(HtmlExportContext& context, QWidget* parent = nullptr);

    // The width, the file, then the page and its picture; the dialog closes once both are written
    // and stays open when the page cannot be created.
    void SaveHtmlClick();

private:
    // One block's memo, its Bold, Italic and Center boxes and its font size, at the design top.
    void addBlock(HtmlHeading& block, const QString& caption, const char* name, int top);
    // The memo texts, as the page writes them: line breaks as CR LF, at most 1000 characters.
    void takeTexts();

    HtmlExportContext& m_context;
    std::vector<std::pair<QPlainTextEdit*, HtmlHeading*>> m_memos;
    QLineEdit* m_webTitle = nullptr;
};

// Shows the dialog modally; true when the page was written.
bool runHtmlExport(QWidget* parent, HtmlExportContext& context);

}  // namespace qm
