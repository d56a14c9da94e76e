#include "output/export/ui/text_output_dialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "common/ui/command_outcome_report.h"
#include "common/ui/exchange_file_dialog.h"
#include "output/export/export_messages.h"
#include "output/export/plain_text_export.h"

namespace qm {
namespace {

constexpr QSize kDesignClientSize(384, 196);
constexpr int kDesignFontPixels = 13;

// A radio button that stores its value in the field when clicked.
void addChoice(QGroupBox* group, const QString& text, const char* name, QRect design, int& field, int value)
{
    auto* button = new QRadioButton(text, group);
    button->setObjectName(name);
    button->setGeometry(design);
    button->setChecked(field == value);
    QObject::connect(button, &QRadioButton::clicked, group, [&field, value] { field = value; });
}

}  // namespace

TAsciiOutput::TAsciiOutput(TextExportContext& context, QWidget* parent)
    : StyledDialog(context.style, parent),
      m_context(context)
{
    setWindowTitle("Output To Text File");
    QFont font("Arial");
    font.setPixelSize(kDesignFontPixels);
    setFont(font);
    setFixedSize(kDesignClientSize);

    auto* explanation = new QLabel("This function allows you to save the current puzzle into a standard text file.  "
                                   "This will permit you to edit and print the puzzle using your favorite word "
                                   "processor.",
                                   this);
    explanation->setWordWrap(true);
    explanation->setGeometry(12, 10, 360, 52);

    PrintOptions& options = m_context.options;
    auto* letters = new QGroupBox("Spaces Between Letters", this);
    letters->setGeometry(12, 70, 176, 74);
    addChoice(letters, "None", "NoLetter", {12, 22, 70, 20}, options.LetterSpacing, 1);
    addChoice(letters, "One", "OneLetter", {92, 22, 70, 20}, options.LetterSpacing, 2);
    addChoice(letters, "Two", "TwoLetter", {12, 46, 70, 20}, options.LetterSpacing, 3);
    addChoice(letters, "Three", "ThreeLetter", {92, 46, 70, 20}, options.LetterSpacing, 4);
    auto* lines = new QGroupBox("Line Spacing", this);
    lines->setGeometry(196, 70, 176, 74);
    addChoice(lines, "Single", "SingleLine", {12, 22, 80, 20}, options.LineSpacing, 1);
    addChoice(lines, "Double", "DoubleLine", {12, 46, 80, 20}, options.LineSpacing, 2);

    auto* ok = new QPushButton("&Ok", this);
    ok->setObjectName("OkButton");
    ok->setGeometry(100, 158, 84, 25);
    ok->setDefault(true);
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("CancelButton");
    cancel->setGeometry(200, 158, 84, 25);
    connect(ok, &QPushButton::clicked, this, &TAsciiOutput::OkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TAsciiOutput::OkClick()
{
    const auto chosen = chooseExportFile(
        m_context.dialogs, {"Puzzle To Ascii Text File", "Text File (*.TXT)|*.TXT", "TXT"}, m_context.lastTextFile);
    if (!chosen) return;
    const CommandOutcome written = SavePlainTextPuzzle(m_context.puzzle, m_context.options, *chosen);
    if (!reportCommandOutcome(m_context.dialogs, written)) return;
    showRefusal(m_context.dialogs, ExportMessages::TextFileCreated);
    accept();
}

bool runTextExport(QWidget* parent, TextExportContext& context)
{
    TAsciiOutput dialog(context, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace qm
