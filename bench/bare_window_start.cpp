// The floor: a bare Qt window with one menu and one line edit.
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>

#include "StartupClock.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu("&Datoteka")->addAction("Kraj");
    window.setCentralWidget(new QLineEdit("617.51"));
    return bench::showAndReport(window);
}
