// TAsciiOutput ("Output To Text File"): the puzzle as a plain text file for a word processor,
// with the spacing of its letters and lines.
#pragma once

#include <string>

#include "collection/puzzle_record.h"
#include "common/ui/ui_style.h"
#include "common/ui/user_dialogs.h"
#include "output/page/output_settings.h"

namespace qm {

// What the dialog works with; the caller owns all of it.
struct TextExportContext {
    UserDialogs& dialogs;
    const UiStyle& style;
    PrintOptions& options;      // letter and line spacing, kept as they are clicked; lower case
    std::string& lastTextFile;  // Last Export Text File
    const PuzzleRecord& puzzle;
};

class TAsciiOutput : public StyledDialog {
    Q_OBJECT
public:
    explicit TAsciiOutput(TextExportContext& context, QWidget* parent = nullptr);

    // The save dialog, then the file and its notice; the dialog stays open when the file cannot
    // be written.
    void OkClick();

private:
    TextExportContext& m_context;
};

// Shows the dialog modally; true when the file was written.
bool runTextExport(QWidget* parent, TextExportContext& context);

}  // namespace qm
