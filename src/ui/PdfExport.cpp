#include "ui/PdfExport.h"

#include <QCommandLineParser>
#include <QDir>
#include <array>
#include <cstdio>
#include <cstring>
#include <optional>

#include "core/basKontrola.h"
#include "reports/CalculationDocument.h"
#include "ui/DocumentPages.h"
#include "ui/ReportFile.h"

namespace ui {
namespace {

// The design's fields without a window: the checks' warnings are kept to be
// written on standard error.
class TextFields : public core::MainFields {
public:
    TextFields() {
        for (int i = 0; i < core::kFieldCount; ++i) {
            texts_[static_cast<size_t>(i)] = std::string(core::startupText(static_cast<core::Field>(i)));
        }
    }
    std::string text(core::Field f) const override { return texts_[static_cast<size_t>(f)]; }
    void setText(core::Field f, const std::string& t) override { texts_[static_cast<size_t>(f)] = t; }
    void focus(core::Field) override {}
    void select(core::Field) override {}
    void warn(const std::string& message) override {
        if (!warnings.isEmpty()) warnings += ' ';
        warnings += QString::fromStdString(message).simplified();  // one line on standard error
    }

    QString warnings;

private:
    std::array<std::string, core::kFieldCount> texts_;
};

// Where the design in FILE replaces the start-up design: the design-file
// reader fills the fields and the project data here. Returns why the file
// cannot be used, or nothing.
std::optional<QString> loadDesign(const QString& file, TextFields&, reports::ProjectHeader&) {
    if (file.isEmpty()) return std::nullopt;
    return QStringLiteral("projektna datoteka se ne moze procitati: citanje projektnih datoteka jos nije ugradjeno");
}

int refuse(const QString& where, const QString& what) {
    const QString line = QStringLiteral("prednaprezanje: %1: %2\n").arg(where, what);
    std::fputs(line.toLocal8Bit().constData(), stderr);
    return 2;
}

}  // namespace

bool asksForPdf(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--pdf") == 0 || std::strncmp(argv[i], "--pdf=", 6) == 0) return true;
    }
    return false;
}

void prepareHeadlessRun() {
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(variable)) return;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

int exportPdfFromCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption pdf("pdf", "Zapisuje proracun kao PDF u datoteku OUT.pdf.", "OUT.pdf");
    parser.addOption(pdf);
    parser.addPositionalArgument("FILE", "Projektna datoteka; bez nje pocetni podaci.", "[FILE]");
    if (!parser.parse(arguments)) return refuse("komandna linija", parser.errorText());
    if (parser.positionalArguments().size() > 1) {
        return refuse("komandna linija", "najvise jedna projektna datoteka: " + parser.positionalArguments().join(' '));
    }
    const QString out = parser.value(pdf);
    if (out.isEmpty()) return refuse("komandna linija", "--pdf trazi ime izlazne datoteke");
    const QString file = parser.positionalArguments().value(0);
    const QString design = file.isEmpty() ? QStringLiteral("pocetni podaci") : QDir::toNativeSeparators(file);

    TextFields fields;
    reports::ProjectHeader project;
    if (const auto failure = loadDesign(file, fields, project)) return refuse(design, *failure);
    if (!core::mayOpenKablovi(fields)) {
        // The check of the moments refuses without a message of its own.
        return refuse(design, fields.warnings.isEmpty() ? QStringLiteral("Mg, Mp i Ms moraju biti popunjeni !")
                                                        : fields.warnings);
    }

    const QByteArray bytes = documentPdf(reports::calculationDocument(fields, documentHeader(project)));
    const QString failure = writeWholeFile(out, bytes);
    if (!failure.isEmpty()) {
        return refuse(QDir::toNativeSeparators(out), QStringLiteral("datoteku nije moguce snimiti (%1)").arg(failure));
    }
    return 0;
}

}  // namespace ui
