#include "app/main_window_placeholder.h"

namespace qm {

std::unique_ptr<QWidget> createMainWindow()
{
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle("Quillmaze 98");
    window->resize(632, 413);
    return window;
}

}  // namespace qm
