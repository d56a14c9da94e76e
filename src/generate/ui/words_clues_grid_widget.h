// The words-and-clues grid of the word list editor (WordsCluesGrid): a heading row and rows
// 1..330 with the columns "Cnt", "U", "Word" and, when clues are used, "Clue". Cells are edited
// in place; Tab moves between the cells that can be typed in and leaves the grid after the last
// of them, Ctrl+Tab leaves it at once, and an edit starts from the cell's text cut to 30 (word)
// or 150 (clue) characters. Typing never searches: a cell that cannot be typed in takes no key.
#pragma once

#include <array>

#include <QTableWidget>

class QLineEdit;

#include "common/ui/ui_style.h"
#include "generate/word_list_form.h"

namespace qm {

class WordsCluesGrid : public QTableWidget {
    Q_OBJECT
public:
    enum Column { CntColumn = 0, UsedColumn = 1, WordColumn = 2, ClueColumn = 3 };

    explicit WordsCluesGrid(const UiStyle& style, QWidget* parent = nullptr);

    void setRows(const std::array<WordListRow, kMaxWords>& rows);
    // The rows as typed, in record text.
    std::array<WordListRow, kMaxWords> rows() const;
    // The Clue column is hidden, not emptied, while clues are off.
    void showClues(bool shown);
    bool cluesShown() const { return !isColumnHidden(ClueColumn); }
    // A stored puzzle's words stay as generated: only clues can be typed.
    void lockWords(bool locked);
    bool cellEditable(int row, int column) const;
    // Puts the current cell on row 1..330 and column, with the focus.
    void focusCell(int row, Column column);
    // The selected grid row 1..330, or 0.
    int selectedRow() const;
    // Types text at the cursor of the current cell: a cell not being edited starts editing with
    // its whole text kept and the cursor at its end. False when the cell cannot be typed in.
    bool typeIntoCurrentCell(const QString& text);
    // Whether Tab (forward) or Shift+Tab finds another cell to type in from the current one.
    bool hasCellToTabTo(bool forward);
    // The focus goes to the control after the grid, or before it.
    void leaveGrid(bool forward);

    void keyboardSearch(const QString& search) override;

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void setText(int row, int column, const QString& text);
    // The edit of the cell being edited, if any.
    QLineEdit* cellEditor() const;

    const UiStyle& m_style;
    bool m_wordsLocked = false;
};

}  // namespace qm
