// A list box from which the user picks several entries, as the import and export dialogs show
// their lines and puzzles.
#pragma once

#include <vector>

class QListWidget;
class QWidget;

namespace qm {

// Click picks one entry; Shift and Ctrl with a click extend the choice, as in the platform's lists.
QListWidget* newSelectionList(const char* name, QWidget* parent);

// The rows picked, from top to bottom.
std::vector<int> selectedRows(const QListWidget& list);

}  // namespace qm
