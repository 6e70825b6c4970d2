#include "ui/PdfExport.h"

#include <QDir>
#include <array>
#include <cstdio>
#include <cstring>
#include <optional>

#include "core/FieldTexts.h"
#include "core/basKontrola.h"
#include "reports/CalculationDocument.h"
#include "ui/DesignFile.h"
#include "ui/DocumentCommands.h"
#include "ui/DocumentPages.h"
#include "ui/ReportFile.h"

namespace ui {
namespace {

// The design's fields without a window: the checks' warnings are kept to be
// written on standard error.
class TextFields : public core::StoredFields {
public:
    // Some checks run twice on the way; each message is written once.
    void warn(const std::string& message) override {
        const QString text = QString::fromStdString(message).simplified();  // one line on standard error
        if (!warnings.contains(text)) warnings << text;
    }

    QStringList warnings;
};

// The design's texts and project data, from FILE when one is given.
// Returns why the file cannot be used, or nothing.
std::optional<QString> loadDesign(const QString& file, TextFields& fields, reports::ProjectHeader& project) {
    if (file.isEmpty()) return std::nullopt;
    const DesignFileReading reading = readDesignFile(file);
    if (!reading.design) return reading.error.simplified();  // its first line names the file
    for (int i = 0; i < core::kFieldCount; ++i) {
        const auto field = static_cast<core::Field>(i);
        fields.setText(field, reading.design->text(field));
    }
    project = projectHeader(reading.design->project);
    return std::nullopt;
}

// The window shows nothing when an empty flange field stops the check of the
// dimensions or an empty moment the check of the moments; here they are named.
QStringList unannouncedRefusals(const core::MainFields& f) {
    QStringList flanges;
    for (core::Field field : {core::Field::B1, core::Field::B2, core::Field::D1, core::Field::D2}) {
        if (f.text(field).empty()) flanges << QString::fromLatin1(core::symbol(field));
    }
    QStringList refusals;
    if (flanges.size() == 1) {
        refusals << QStringLiteral("Polje %1 mora biti popunjeno !").arg(flanges.first());
    } else if (!flanges.isEmpty()) {
        const QString last = flanges.takeLast();
        refusals << QStringLiteral("Polja %1 i %2 moraju biti popunjena !").arg(flanges.join(", "), last);
    }
    for (core::Field moment : {core::Field::Mg, core::Field::Mp, core::Field::Ms}) {
        if (f.text(moment).empty()) return refusals << QStringLiteral("Mg, Mp i Ms moraju biti popunjeni !");
    }
    return refusals;
}

// "prednaprezanje: where: what", or without the place when the text names it.
int refuse(const QString& where, const QString& what) {
    const QString line = where.isEmpty() ? QStringLiteral("prednaprezanje: %1\n").arg(what)
                                         : QStringLiteral("prednaprezanje: %1: %2\n").arg(where, what);
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
    // The PDF needs no display, and a display named but out of reach would
    // stop the program before it starts.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

QCommandLineOption pdfOption() {
    return QCommandLineOption("pdf", "Zapisuje proracun u PDF datoteku OUT.pdf, bez prozora.", "OUT.pdf");
}

int exportPdf(const QString& out, const QString& file) {
    const QString design = file.isEmpty() ? QStringLiteral("pocetni podaci") : QDir::toNativeSeparators(file);
    TextFields fields;
    reports::ProjectHeader project;
    if (const auto failure = loadDesign(file, fields, project)) return refuse(QString(), *failure);
    if (!core::mayOpenKablovi(fields)) {
        for (const QString& refusal : unannouncedRefusals(fields)) fields.warn(refusal.toStdString());
        return refuse(design, fields.warnings.join(' '));
    }

    const QByteArray bytes = documentPdf(reports::calculationDocument(fields, documentHeader(project)));
    const QString failure = writeWholeFile(out, bytes);
    if (!failure.isEmpty()) {
        return refuse(QDir::toNativeSeparators(out), QStringLiteral("datoteku nije moguce snimiti (%1)").arg(failure));
    }
    return 0;
}

}  // namespace ui
