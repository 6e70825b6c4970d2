// The program's own start: what main() does up to the main window shown.
#include "StartupClock.h"
#include "app/Application.h"
#include "ui/frmPocetniParametriProracuna.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("prednaprezanje");
    app::setUpApplication();
    ui::frmPocetniParametriProracuna window;
    return bench::showAndReport(window);
}
