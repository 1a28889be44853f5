// The least a Qt Widgets program does before its first window is on screen.

#include "bench/start_probe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    zentadial::bench::reportFirstExposure(window);
    window.show();
    return QApplication::exec();
}
