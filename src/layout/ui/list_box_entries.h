// Showing the entries of a shape or layout list in its list box.
#pragma once

#include <vector>

#include <QListWidget>
#include <QSignalBlocker>

#include "common/gui/qt_text.h"

namespace qm {

// Puts the entry texts into the box and selects the entry at position (none when negative),
// scrolled into view, without reporting the change as the user's click.
template <typename Entry>
void showListEntries(QListWidget& box, const std::vector<Entry>& entries, int position)
{
    const QSignalBlocker quiet(&box);
    box.clear();
    for (const Entry& entry : entries) box.addItem(toQString(entry.text));
    box.setCurrentRow(position);
    if (position >= 0) box.scrollToItem(box.currentItem());
}

}  // namespace qm
