#include "collection/ui/puzzle_picker_dialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "common/gui/qt_text.h"
#include "common/ui/accessible_names.h"
#include "common/ui/push_button.h"
#include "common/ui/selection_list.h"

namespace qm {
namespace {

constexpr QSize kDesignClientSize(400, 330);
constexpr int kDesignFontPixels = 13;
constexpr int kFileLineHeight = 22;  // the list moves down by this when a file line is shown

}  // namespace

PuzzlePickerDialog::PuzzlePickerDialog(const UiStyle& style, const PuzzlePickerTexts& texts,
                                       std::vector<TransferEntry> entries, QWidget* parent)
    : StyledDialog(style, parent),
      m_entries(std::move(entries))
{
    setWindowTitle(texts.caption);
    QFont font("Arial");
    font.setPixelSize(kDesignFontPixels);
    setFont(font);
    setFixedSize(kDesignClientSize);

    const int top = texts.fileLine.isEmpty() ? 8 : 8 + kFileLineHeight;
    if (!texts.fileLine.isEmpty()) {
        auto* fileLine = new QLabel(this);
        fileLine->setObjectName("FileName");
        fileLine->setGeometry(12, 8, 376, 16);
        // Shortened with room to spare: at a larger window size the letters do not grow in exact
        // proportion, and a path that just fits at the design size would lose its last pixels.
        fileLine->setText(fileLine->fontMetrics().elidedText(texts.fileLine, Qt::ElideMiddle, 376 - 8));
        fileLine->setToolTip(texts.fileLine);
    }
    auto* listCaption = new QLabel(texts.listCaption, this);
    listCaption->setGeometry(12, top, 260, 16);
    m_puzzleList = newSelectionList("PuzzleList", this);
    m_puzzleList->setGeometry(12, top + 18, 260, 304 - top);
    labelControl(*listCaption, *m_puzzleList);
    for (const TransferEntry& entry : m_entries) m_puzzleList->addItem(toQString(entry.title));
    connect(m_puzzleList, &QListWidget::itemSelectionChanged, this, &PuzzlePickerDialog::refreshActionButton);

    connect(newPushButton("&Select All", "SelectAll", {284, top + 18, 104, 25}, this), &QPushButton::clicked, this,
            &PuzzlePickerDialog::SelectAllClick);
    connect(newPushButton("C&lear All", "ClearAll", {284, top + 48, 104, 25}, this), &QPushButton::clicked, this,
            &PuzzlePickerDialog::ClearAllClick);
    m_action = newPushButton(texts.actionText, texts.actionName, {284, 263, 104, 25}, this);
    connect(newPushButton(texts.closeText, texts.closeName, {284, 293, 104, 25}, this), &QPushButton::clicked, this,
            &PuzzlePickerDialog::reject);
    refreshActionButton();
}

void PuzzlePickerDialog::SelectAllClick() { m_puzzleList->selectAll(); }

void PuzzlePickerDialog::ClearAllClick() { m_puzzleList->clearSelection(); }

void PuzzlePickerDialog::refreshActionButton() { m_action->setEnabled(!m_puzzleList->selectedItems().isEmpty()); }

std::vector<int> PuzzlePickerDialog::pickedRecords() const
{
    std::vector<int> records;
    for (const int row : selectedRows(*m_puzzleList))
        records.push_back(m_entries[static_cast<std::size_t>(row)].recordIndex);
    return records;
}

}  // namespace qm
