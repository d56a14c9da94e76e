// Shows which of a window's lists has the keyboard focus: the focused list highlights its
// selection in the selection colour, the others in grey, so the arrow keys' target is plain.
#pragma once

class QAbstractItemView;

namespace qm {

// From now on, for as long as the list lives.
void showFocusOf(QAbstractItemView& list);

}  // namespace qm
