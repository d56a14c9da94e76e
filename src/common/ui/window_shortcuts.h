// Menu shortcuts that work wherever the focus is in their window. A text field claims the keys
// of its own editing commands (Ctrl+X cut, Ctrl+V paste, Ctrl+Z undo) before any shortcut is
// looked up; where the window's menus give such a key a command of their own, the window's
// command wins.
#pragma once

class QWidget;

namespace qm {

// Gives the enabled shortcuts of the window's actions precedence over the text fields it holds
// now. Call once, when the window's controls are built (a window's showEvent is a good place).
void giveShortcutsToWindow(QWidget& window);

}  // namespace qm
