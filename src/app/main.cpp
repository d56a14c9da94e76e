// Program entry of Quillmaze 98.
#include <QApplication>

#include "app/main_window_placeholder.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName("Quillmaze 98");
    auto window = qm::createMainWindow();
    window->show();
    return QApplication::exec();
}
