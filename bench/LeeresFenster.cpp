// The reference for the start-up benchmark: a bare Qt Widgets program that
// shows one empty window of the main window's size. Prints
//   start <ms from main> bild <wall clock of the first paint in ns>
#include "bench/ErstesBild.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>


int main(int argc, char** argv) {
    QElapsedTimer uhr;
    uhr.start();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY") &&
        !qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QWidget w;
    w.resize(825, 753);
    ErstesBild bild;
    bild.uhr = &uhr;
    w.installEventFilter(&bild);
    w.show();
    bild.schleife.exec();
    std::printf("start %.1f bild %lld\n", bild.zeit / 1e6, bild.wanduhr);
    return 0;
}
