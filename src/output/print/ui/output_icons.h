// The tool bar icons of the output windows (resources/icons/<name>-24.png and -48.png).
#pragma once

#include <QIcon>
#include <QString>

namespace qm {

QIcon outputIcon(const QString& name);

}  // namespace qm
