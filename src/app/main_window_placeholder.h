// The bare main window the program shows until the full main window lands.
#pragma once

#include <memory>

#include <QWidget>

namespace qm {

std::unique_ptr<QWidget> createMainWindow();

}  // namespace qm
