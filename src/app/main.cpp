#include <QApplication>
#include <QIcon>
#include <QScreen>

#include "ui/PdfExport.h"
#include "ui/frmPocetniParametriProracuna.h"

int main(int argc, char* argv[]) {
    const bool headlessPdf = ui::asksForPdf(argc, argv);
    if (headlessPdf) ui::prepareHeadlessRun();
    QApplication app(argc, argv);
    QApplication::setApplicationName("prednaprezanje");
    QApplication::setApplicationVersion("1.0.0");
    if (headlessPdf) return ui::exportPdfFromCommandLine(QApplication::arguments());
    QApplication::setWindowIcon(QIcon(":/org.prednaprezanje.prednaprezanje.svg"));

    ui::frmPocetniParametriProracuna window;
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
