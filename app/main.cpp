// The program's entry: the one window and the event loop, which ends when the window
// is closed. No command line, no settings, nothing saved.
#include <QApplication>

#include "main_window.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Marvolen");
    QApplication::setApplicationVersion("1.00");
    QApplication::setDesktopFileName("marvolen");
    marvolen::ui::MainWindow window;
    QApplication::setWindowIcon(window.windowIcon());
    window.show();
    return QApplication::exec();
}
