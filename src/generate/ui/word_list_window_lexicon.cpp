// The word list editor's spelling checker, thesaurus and international characters.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>

#include "common/gui/qt_text.h"
#include "common/text_rules.h"
#include "generate/ui/word_list_window.h"
#include "generate/ui/words_clues_grid_widget.h"

namespace qm {

void TWordList::SpellClueClick()
{
    if (!m_context.lexicon) return;
    std::array<WordListRow, kMaxWords> rows = m_grid->rows();
    // A stored puzzle's words stay as generated; hidden clues are not the user's concern now.
    m_context.lexicon->spellCheck(this, rows, !m_modify, m_useClues->isChecked());
    m_grid->setRows(rows);
}

void TWordList::ThesClick()
{
    const int row = m_grid->selectedRow();
    if (!m_context.lexicon || row == 0) return;
    std::array<WordListRow, kMaxWords> rows = m_grid->rows();
    WordListRow& current = rows[static_cast<std::size_t>(row - 1)];
    const auto synonym = m_context.lexicon->thesaurus(this, trimmedCopy(current.Word));
    if (!synonym) return;
    current.Clue = *synonym;
    m_grid->setRows(rows);
}

void TWordList::IntCharButtonClick()
{
    if (m_context.lexicon) m_context.lexicon->editInternationalCharacters(this);
}

void TWordList::addInternationalKeys()
{
    constexpr int kFunctionKeys = 12;
    for (int key = 1; key <= kFunctionKeys; ++key) {
        auto* action = new QAction(this);
        action->setShortcut(QKeySequence(Qt::Key_F1 + key - 1));
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, [this, key] { typeInternationalCharacter(key); });
        addAction(action);
    }
}

void TWordList::typeInternationalCharacter(int key)
{
    QWidget* focused = QApplication::focusWidget();
    if (!m_context.lexicon || !focused || !isAncestorOf(focused)) return;
    const auto character = m_context.lexicon->internationalCharacter(key);
    if (!character) return;
    const QString text = toQString(std::string(1, *character));
    // A cell not being edited starts editing with its text kept, the character behind it; a
    // cell that cannot be typed in takes nothing.
    if (focused == m_grid) {
        m_grid->typeIntoCurrentCell(text);
        return;
    }
    // The character arrives as typed text: a line edit (a cell being edited among them) inserts
    // it at its cursor, and every limit of the control holds.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(focused, &press);
    QApplication::sendEvent(focused, &release);
}

}  // namespace qm
