// The window both puzzle transfer dialogs are made of: the titles of a collection's puzzles,
// sorted, from which the user picks several, with "&Select All", "C&lear All", an action button
// enabled exactly while some title is picked, and a button that closes the window.
#pragma once

#include <vector>

#include "collection/puzzle_transfer.h"
#include "common/ui/ui_style.h"

class QListWidget;
class QPushButton;

namespace qm {

struct PuzzlePickerTexts {
    QString caption;
    QString fileLine;  // a line above the list; none when empty
    QString listCaption;
    QString actionText;
    const char* actionName;
    QString closeText;
    const char* closeName;
};

class PuzzlePickerDialog : public StyledDialog {
    Q_OBJECT
public:
    PuzzlePickerDialog(const UiStyle& style, const PuzzlePickerTexts& texts, std::vector<TransferEntry> entries,
                       QWidget* parent);

    void SelectAllClick();
    void ClearAllClick();

    QListWidget* puzzleList() const { return m_puzzleList; }
    QPushButton* actionButton() const { return m_action; }

protected:
    // The record indexes of the picked titles, from the top of the list down.
    std::vector<int> pickedRecords() const;

private:
    void refreshActionButton();

    std::vector<TransferEntry> m_entries;
    QListWidget* m_puzzleList = nullptr;
    QPushButton* m_action = nullptr;
};

}  // namespace qm
