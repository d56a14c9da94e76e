// The words-and-clues grid of the word list editor (WordsCluesGrid): a heading row and rows
// 1..330 with the columns "Cnt", "U", "Word" and, when clues are used, "Clue". Cells are edited
// in place; Tab moves between the cells that can be typed in, and an edit starts from the
// cell's text cut to 30 (word) or 150 (clue) characters.
#pragma once

#include <array>

#include <QTableWidget>

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

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

private:
    void setText(int row, int column, const QString& text);

    const UiStyle& m_style;
    bool m_wordsLocked = false;
};

}  // namespace qm
