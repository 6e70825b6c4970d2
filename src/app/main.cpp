#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>

#include <cstdio>

#include "app/Application.h"
#include "ui/PdfExport.h"
#include "ui/frmPocetniParametriProracuna.h"

int main(int argc, char* argv[]) {
    const bool headlessPdf = ui::asksForPdf(argc, argv);
    if (headlessPdf) ui::prepareHeadlessRun();
    QApplication app(argc, argv);
    QApplication::setApplicationName("prednaprezanje");
    QApplication::setApplicationVersion(PREDNAPREZANJE_VERSION);
    app::setUpApplication();

    QCommandLineParser parser;
    parser.setApplicationDescription("Proracun sile prethodnog naprezanja po Magnel-ovoj metodi");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption pdf = ui::pdfOption();
    parser.addOption(pdf);
    parser.addPositionalArgument("FILE", "Projekat (*.prednap) koji se otvara pri pokretanju", "[FILE]");
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        fputs(qPrintable("Navedite najvise jednu datoteku.\n\n" + parser.helpText()), stderr);
        return 1;
    }
    if (parser.isSet(pdf)) return ui::exportPdf(parser.value(pdf), files.value(0));

    ui::frmPocetniParametriProracuna window;
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
    // A file that cannot be opened is reported; the program then starts as without one.
    if (!files.isEmpty()) window.openDesignFile(files.first());
    return QApplication::exec();
}
