// Names a screen reader says for the controls of a window. A label beside a control names it
// when it is the control's buddy, but lists and grids take no name from a buddy: they are named
// here from their label as well.
#pragma once

class QLabel;
class QString;
class QToolBar;
class QWidget;

namespace qm {

// Makes the label the control's buddy (its mnemonic then moves the focus there) and its text,
// without the mnemonic's ampersand, the control's accessible name.
void labelControl(QLabel& label, QWidget& control);

// Names a tool bar, and the button at its end that offers the buttons that do not fit it.
void nameToolBar(QToolBar& bar, const QString& name);

}  // namespace qm
