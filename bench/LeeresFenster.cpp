// The reference for the start-up benchmark: a bare Qt Widgets program that
// shows one empty window of the main window's size. Prints
//   start <ms from main> bild <wall clock of the first paint in ns>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace {
class ErstesBild : public QObject {
public:
    qint64 zeit = -1;
    long long wanduhr = 0;  // wall clock at the first paint, ns since the epoch
    QElapsedTimer* uhr = nullptr;
    QEventLoop schleife;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && zeit < 0) {
            zeit = uhr->nsecsElapsed();
            wanduhr = std::chrono::duration_cast<std::chrono::nanoseconds>(
                          std::chrono::system_clock::now().time_since_epoch())
                          .count();
            QTimer::singleShot(0, &schleife, &QEventLoop::quit);
        }
        return QObject::eventFilter(o, e);
    }
};
}  // namespace

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
