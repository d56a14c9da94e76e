#include "generate/ui/word_export_dialog.h"

#include <QListWidget>
#include <QPushButton>

#include "common/gui/qt_text.h"
#include "common/ui/command_outcome_report.h"
#include "common/ui/exchange_file_dialog.h"
#include "common/ui/push_button.h"
#include "common/ui/selection_list.h"
#include "generate/generate_messages.h"
#include "generate/ui/word_text_mode_box.h"

namespace qm {
namespace {

namespace M = GenerateMessages;

constexpr QSize kDesignClientSize(632, 300);
constexpr int kDesignFontPixels = 13;

const ExchangeFileDialog kExportFileDialog{"Save Word/Clue List", "text (*.txt)|*.txt", "txt"};

}  // namespace

TMyExport::TMyExport(UserDialogs& dialogs, const UiStyle& style, WordListSettings& settings, const WordListRows& rows,
                     QWidget* parent)
    : StyledDialog(style, parent),
      m_dialogs(dialogs),
      m_settings(settings),
      m_rows(rows)
{
    setWindowTitle("Export");
    QFont font("Arial");
    font.setPixelSize(kDesignFontPixels);
    setFont(font);
    setFixedSize(kDesignClientSize);

    m_lineList = newSelectionList("LineList", this);
    m_lineList->setAccessibleName("Lines to Export");
    m_lineList->setGeometry(12, 12, 440, 276);
    listAsFileLines(*m_lineList);
    connect(m_lineList, &QListWidget::itemSelectionChanged, this, &TMyExport::refreshSaveButton);

    m_modeBox = new WordTextModeBox({"&Words", "&Clues", "Words &And Clues"}, this);
    m_modeBox->setGeometry(464, 12, 156, 106);
    m_modeBox->setSeparator(m_settings.SepChar);
    m_modeBox->chooseMode(wordTextModeOf(m_settings.ExportOption, m_settings.UseClues, WordTextMode::WordsAndClues));
    m_modeBox->offerClues(m_settings.UseClues);
    connect(m_modeBox, &WordTextModeBox::modeChosen, this, [this](WordTextMode mode) {
        m_settings.ExportOption = static_cast<int>(mode);
        rebuildList();
    });
    connect(m_modeBox, &WordTextModeBox::separatorEdited, this, [this] {
        if (const auto separator = separatorOf(m_modeBox->separatorText())) m_settings.SepChar = *separator;
        rebuildList();
    });

    connect(newPushButton("&Select All", "SelectAll", {464, 132, 156, 25}, this), &QPushButton::clicked, this,
            &TMyExport::SelectAllClick);
    connect(newPushButton("Select &Used", "SelectUsed", {464, 162, 156, 25}, this), &QPushButton::clicked, this,
            &TMyExport::SelectUsedClick);
    connect(newPushButton("C&lear", "Clear", {464, 192, 156, 25}, this), &QPushButton::clicked, this,
            &TMyExport::ClearClick);
    m_saveFile = newPushButton("Save &File", "SaveFile", {464, 263, 76, 25}, this);
    connect(m_saveFile, &QPushButton::clicked, this, &TMyExport::SaveFileClick);
    connect(newPushButton("&Exit", "Exit", {544, 263, 76, 25}, this), &QPushButton::clicked, this, &TMyExport::reject);
    rebuildList();
}

TMyExport::~TMyExport() = default;

void TMyExport::rebuildList()
{
    const char separator = separatorOf(m_modeBox->separatorText()).value_or(kDefaultSeparator);
    m_lines = exportLines(m_rows, m_modeBox->mode(), separator);
    m_lineList->clear();
    for (const ExportLine& line : m_lines) m_lineList->addItem(toQString(line.text));
    refreshSaveButton();
}

void TMyExport::refreshSaveButton() { m_saveFile->setEnabled(!m_lineList->selectedItems().isEmpty()); }

void TMyExport::SelectAllClick() { m_lineList->selectAll(); }

void TMyExport::SelectUsedClick()
{
    m_lineList->clearSelection();
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].used) m_lineList->item(static_cast<int>(i))->setSelected(true);
}

void TMyExport::ClearClick() { m_lineList->clearSelection(); }

void TMyExport::SaveFileClick()
{
    const std::vector<int> rows = selectedRows(*m_lineList);
    if (rows.empty()) {
        showRefusal(m_dialogs, M::NothingToExport);
        return;
    }
    const auto chosen = chooseExportFile(m_dialogs, kExportFileDialog, m_settings.LastExportWordFile);
    if (!chosen) return;
    std::vector<std::string> lines;
    for (const int row : rows) lines.push_back(m_lines[static_cast<std::size_t>(row)].text);
    if (reportCommandOutcome(m_dialogs, writeExportFile(*chosen, lines))) accept();
}

void runWordExport(QWidget* parent, UserDialogs& dialogs, const UiStyle& style, WordListSettings& settings,
                   const WordListRows& rows)
{
    TMyExport dialog(dialogs, style, settings, rows, parent);
    dialog.exec();
}

}  // namespace qm
