#include "generate/ui/word_import_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "common/gui/qt_text.h"
#include "common/ui/command_outcome_report.h"
#include "common/ui/exchange_file_dialog.h"
#include "common/ui/push_button.h"
#include "common/ui/selection_list.h"
#include "generate/generate_messages.h"
#include "generate/ui/word_text_mode_box.h"
#include "generate/word_file.h"
#include "generate/word_import.h"

namespace qm {
namespace {

namespace M = GenerateMessages;

constexpr QSize kDesignClientSize(632, 300);
constexpr int kDesignFontPixels = 13;

const ExchangeFileDialog kImportFileDialog{"Import Word/Clue List", "text (*.txt)|*.txt|all files (*.*)|*.*", "txt"};

}  // namespace

TImport::TImport(UserDialogs& dialogs, const UiStyle& style, WordListSettings& settings, const WordListRows& rows,
                 QWidget* parent)
    : StyledDialog(style, parent),
      m_dialogs(dialogs),
      m_settings(settings),
      m_rows(rows)
{
    setWindowTitle("Import");
    QFont font("Arial");
    font.setPixelSize(kDesignFontPixels);
    setFont(font);
    setFixedSize(kDesignClientSize);

    m_fileName = new QLabel(this);
    m_fileName->setObjectName("FileName");
    m_fileName->setGeometry(12, 8, 440, 16);
    m_lineList = newSelectionList("LineList", this);
    m_lineList->setAccessibleName("Lines of the File");
    m_lineList->setGeometry(12, 26, 440, 262);
    listAsFileLines(*m_lineList);

    connect(newPushButton("&Open File", "OpenFile", {464, 26, 156, 25}, this), &QPushButton::clicked, this,
            &TImport::OpenFileClick);
    m_selectAll = newPushButton("Select &All", "SelectAll", {464, 56, 156, 25}, this);
    connect(m_selectAll, &QPushButton::clicked, this, &TImport::SelectAllClick);
    m_clear = newPushButton("C&lear", "Clear", {464, 86, 156, 25}, this);
    connect(m_clear, &QPushButton::clicked, this, &TImport::ClearClick);

    m_modeBox = new WordTextModeBox({"As &Words", "As &Clues", "&As Words and Clues"}, this);
    m_modeBox->setGeometry(464, 120, 156, 106);
    m_modeBox->setSeparator(m_settings.SepChar);
    m_modeBox->chooseMode(wordTextModeOf(m_settings.ImportOption, m_settings.UseClues, WordTextMode::Words));
    m_modeBox->offerClues(m_settings.UseClues);
    connect(m_modeBox, &WordTextModeBox::modeChosen, this,
            [this](WordTextMode mode) { m_settings.ImportOption = static_cast<int>(mode); });
    connect(m_modeBox, &WordTextModeBox::separatorEdited, this, [this] {
        if (const auto separator = separatorOf(m_modeBox->separatorText())) m_settings.SepChar = *separator;
    });

    m_ok = newPushButton("&Ok", "Ok", {464, 263, 76, 25}, this);
    connect(m_ok, &QPushButton::clicked, this, &TImport::OkClick);
    connect(newPushButton("&Cancel", "Cancel", {544, 263, 76, 25}, this), &QPushButton::clicked, this,
            &TImport::reject);
    enableLineCommands(false);
}

TImport::~TImport() = default;

void TImport::enableLineCommands(bool enabled)
{
    for (QPushButton* command : {m_selectAll, m_clear, m_ok}) command->setEnabled(enabled);
}

void TImport::OpenFileClick()
{
    const auto chosen = chooseImportFile(m_dialogs, kImportFileDialog, m_settings.LastImportWordFile);
    if (!chosen) return;
    const auto file = readWordFileText(*chosen);
    if (!file) {
        reportCommandOutcome(m_dialogs, CommandOutcome::fromFailure(file.failure(), M::CannotOpenImport));
        return;
    }
    m_lines = importListLines(file->lines);
    m_lineList->clear();
    for (const std::string& line : m_lines) m_lineList->addItem(toQString(line));
    m_fileName->setText("File Name: " + QString::fromStdString(chosen->filename().string()));
    enableLineCommands(true);
    if (!file->unstorableLines.empty()) showRefusal(m_dialogs, M::unstorableLines(file->unstorableLines));
}

void TImport::SelectAllClick() { m_lineList->selectAll(); }

void TImport::ClearClick() { m_lineList->clearSelection(); }

void TImport::OkClick()
{
    const WordTextMode mode = m_modeBox->mode();
    const auto separator = separatorOf(m_modeBox->separatorText());
    if (mode == WordTextMode::WordsAndClues && !separator) {
        showRefusal(m_dialogs, M::NoSeparator);
        m_modeBox->separatorEdit()->setFocus();
        return;
    }
    std::vector<std::string> selected;
    for (const int row : selectedRows(*m_lineList)) selected.push_back(m_lines[static_cast<std::size_t>(row)]);
    if (const auto question = tooManyWordsQuestion(countWords(m_rows), static_cast<int>(selected.size())))
        if (!m_dialogs.askYesNo(toQString(question->caption), toQString(question->message), MessageIcon::Warning))
            return;
    importLines(m_rows, selected, mode, separator.value_or(':'));
    accept();
}

std::optional<WordListRows> runWordImport(QWidget* parent, UserDialogs& dialogs, const UiStyle& style,
                                          WordListSettings& settings, const WordListRows& rows)
{
    TImport dialog(dialogs, style, settings, rows, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.rows();
}

}  // namespace qm
