#include <QApplication>
#include <QScreen>

#include "app/Application.h"
#include "ui/frmPocetniParametriProracuna.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("prednaprezanje");
    QApplication::setApplicationVersion("1.0.0");
    app::setUpApplication();

    ui::frmPocetniParametriProracuna window;
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
