// The platform's style at a window size: every size it measures (the boxes of check boxes and
// radio buttons, scroll bars, the items of menu bars and menus, icons, frames and margins) times
// the scale, so that what a window draws itself grows with its scaled text and geometry.
#pragma once

class QStyle;
class QWidget;

namespace qm {

// The style of a scale (rounded to two decimals): one for each scale, alive as long as the
// application; null for 1.0, which is the application's own style.
QStyle* scaledStyle(double scale);

// Gives the window and every widget inside it, its menus and other popups included, the style of
// the scale. A widget created inside it later takes the style of its parent when it is first
// polished. Windows of their own inside it (dialogs) keep theirs: they are styled when shown.
void applyScaledStyle(QWidget& window, double scale);

// The scale the widget's style measures at: 1.0 for the application's own style.
double styleScaleOf(const QWidget& widget);

}  // namespace qm
