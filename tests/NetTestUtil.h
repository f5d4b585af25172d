#pragma once
// Waiting for network events in tests, without sleeping between checks.
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <functional>

// Runs the event loop until done() holds or ms have passed; answers done().
inline bool WaitUntil(const std::function<bool()>& done, int ms = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() >= ms) return false;
        QEventLoop loop;
        QTimer::singleShot(1, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}
