// The program's pictures: tool bar icons (the desktop theme's where it has a fitting one, our
// own otherwise), the program icon and the background tile.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace qm {

// The icon of the desktop theme by its freedesktop name, else ours (resources/icons/<ours>).
// An empty theme name always gives ours.
QIcon programIcon(const QString& themeName, const QString& ours);
QIcon applicationIcon();
QPixmap backgroundTile();

}  // namespace qm
