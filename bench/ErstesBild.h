// Start-up benchmarks: notices the first paint of a watched control, notes
// the time and ends its event loop.
#pragma once

#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <chrono>

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
