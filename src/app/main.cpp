#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>

#include <cstdio>

#include "app/Application.h"
#include "app/CommandLine.h"
#include "ui/PdfExport.h"
#include "ui/frmPocetniParametriProracuna.h"

int main(int argc, char* argv[]) {
    // Without a display the program still answers, on Qt's offscreen platform.
    const bool display = app::hasDisplay(argc, argv);
    if (!display || ui::asksForPdf(argc, argv) || app::asksForTextOnly(argc, argv)) ui::prepareHeadlessRun();
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
    if (!parser.parse(QApplication::arguments())) return app::refuseArguments(parser.errorText());
    parser.process(app);  // --help, --help-all and --version
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        fputs(qPrintable("Navedite najvise jednu datoteku.\n\n" + parser.helpText()), stderr);
        return 1;
    }
    if (parser.isSet(pdf)) return ui::exportPdf(parser.value(pdf), files.value(0));
    if (!display) return app::refuseWithoutDisplay();

    ui::frmPocetniParametriProracuna window;
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
    // A file that cannot be opened is reported; the program then starts as without one.
    if (!files.isEmpty()) window.openDesignFile(files.first());
    return QApplication::exec();
}
