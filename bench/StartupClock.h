#pragma once

// Start-up time of a program: the moment of the first paint of its main
// window, as wall-clock seconds, for scripts/bench to subtract the moment it
// started the process from. Both start-up benchmarks measure the same way,
// so their ratio compares only what the programs do.
#include <QApplication>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace bench {

// Shows the window, waits for its first paint and prints the time then.
inline int showAndReport(QWidget& window) {
    struct PaintSpy : QObject {
        bool painted = false;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) painted = true;
            return false;
        }
    } spy;
    window.installEventFilter(&spy);
    window.show();
    while (!spy.painted) QApplication::processEvents(QEventLoop::AllEvents, 5);
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::printf("%.6f\n", std::chrono::duration<double>(now).count());
    return 0;
}

}  // namespace bench
