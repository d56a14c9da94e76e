#include "layout/ui/page_layout_extract_window.h"

#include <QListWidget>
#include <QPushButton>

#include "common/gui/qt_text.h"
#include "common/ui/command_outcome_report.h"

namespace qm {
namespace {

namespace M = PageLayoutMessages;

constexpr QSize kDesignClientSize(346, 300);
constexpr int kDesignFontPixels = 13;

}  // namespace

TExtractAPuzzle::TExtractAPuzzle(UserDialogs& dialogs, const UiStyle& style, PageLayoutList& list,
                                 std::filesystem::path collectionPath, QWidget* parent)
    : StyledDialog(style, parent),
      m_dialogs(dialogs),
      m_list(list),
      m_collectionPath(std::move(collectionPath)),
      m_entries(extractEntries(m_collectionPath))
{
    setWindowTitle("Extract Page Layout From Puzzle");
    QFont font("Arial");
    font.setPixelSize(kDesignFontPixels);
    setFont(font);
    setFixedSize(kDesignClientSize);

    m_puzzleBox = new QListWidget(this);
    m_puzzleBox->setObjectName("PuzzleBox");
    m_puzzleBox->setAccessibleName("Puzzles");
    m_puzzleBox->setGeometry(12, 12, 322, 239);
    for (const ExtractEntry& entry : m_entries) m_puzzleBox->addItem(toQString(entry.text));
    connect(m_puzzleBox, &QListWidget::currentRowChanged, this, &TExtractAPuzzle::PuzzleBoxClick);

    m_extractButton = new QPushButton("&Extract", this);
    m_extractButton->setObjectName("ExtractButton");
    m_extractButton->setGeometry(148, 263, 89, 25);
    m_extractButton->setAutoDefault(false);
    connect(m_extractButton, &QPushButton::clicked, this, &TExtractAPuzzle::ExtractClick);
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("CancelButton");
    cancel->setGeometry(245, 263, 89, 25);
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &TExtractAPuzzle::reject);

    if (!m_entries.empty()) m_puzzleBox->setCurrentRow(0);
    m_extractButton->setEnabled(!m_entries.empty());
}

void TExtractAPuzzle::PuzzleBoxClick() { m_extractButton->setEnabled(m_puzzleBox->currentRow() >= 0); }

void TExtractAPuzzle::ExtractClick()
{
    const int row = m_puzzleBox->currentRow();
    if (row < 0 || row >= static_cast<int>(m_entries.size())) {
        showRefusal(m_dialogs, M::NoPuzzleSelected);
        return;
    }
    const auto layout = readPuzzleLayout(m_collectionPath, m_entries[static_cast<std::size_t>(row)].tag);
    if (!layout) {
        reportCommandOutcome(m_dialogs, CommandOutcome::fromFailure(layout.failure(), M::CannotOpenPuzzle));
        reject();
        return;
    }
    if (!reportCommandOutcome(m_dialogs, m_list.appendRecord(*layout))) return;
    m_extracted = true;
    accept();
}

}  // namespace qm
