// Start-up and window-opening times of the real windows on the offscreen
// platform, and the peak resident memory. Prints each figure with its target.
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>
#include <functional>
#include <memory>

#include "ui/frmKablovi.h"
#include "ui/frmKontrolaNapona.h"
#include "ui/frmMagnelovDijagram.h"
#include "ui/frmPocetniParametriProracuna.h"
#include "ui/frmPoprecniPresek.h"

namespace {

// Milliseconds since the kernel started this process.
double millisecondsSinceProcessStart() {
    QFile stat("/proc/self/stat");
    QFile uptime("/proc/uptime");
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly)) return -1;
    const QList<QByteArray> fields = stat.readAll().split(')').last().split(' ');
    const double startTicks = fields.value(20).toDouble();  // field 22 of the whole line
    const double now = uptime.readAll().split(' ').first().toDouble();
    return (now - startTicks / sysconf(_SC_CLK_TCK)) * 1000.0;
}

// Shows a window and waits until it has painted once.
double millisecondsToFirstPaint(QWidget& window) {
    QElapsedTimer timer;
    timer.start();
    window.show();
    QWidget* surface = &window;
    bool painted = false;
    struct PaintSpy : QObject {
        bool* painted;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) *painted = true;
            return false;
        }
    } spy;
    spy.painted = &painted;
    surface->installEventFilter(&spy);
    while (!painted) QApplication::processEvents(QEventLoop::AllEvents, 5);
    surface->removeEventFilter(&spy);
    return timer.nsecsElapsed() / 1e6;
}

void report(const char* what, double value, const char* unit, double target) {
    std::printf("%-34s %8.2f %s   (target under %g %s)%s\n", what, value, unit, target, unit,
                value < target ? "" : "  ABOVE TARGET");
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::frmPocetniParametriProracuna main;
    millisecondsToFirstPaint(main);
    report("start-up to main window shown", millisecondsSinceProcessStart(), "ms", 150);

    const std::pair<const char*, std::function<std::unique_ptr<QWidget>()>> windows[] = {
        {"open Poprecni presek", [&] { return std::make_unique<ui::frmPoprecniPresek>(main.fields(), &main); }},
        {"open Proracun kablova", [&] { return std::make_unique<ui::frmKablovi>(main.fields(), &main); }},
        {"open Kontrola napona", [&] { return std::make_unique<ui::frmKontrolaNapona>(main.fields(), &main); }},
        {"open Magnelov dijagram", [&] { return std::make_unique<ui::frmMagnelovDijagram>(main.fields(), &main); }},
    };
    for (const auto& [name, make] : windows) {
        QElapsedTimer timer;
        timer.start();
        std::unique_ptr<QWidget> window = make();
        millisecondsToFirstPaint(*window);
        report(name, timer.nsecsElapsed() / 1e6, "ms", 20);
    }

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    report("peak resident memory", usage.ru_maxrss / 1024.0, "MB", 60);
    return 0;
}
