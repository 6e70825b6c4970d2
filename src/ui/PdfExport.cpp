#include "ui/PdfExport.h"

#include <QDir>
#include <cstdio>
#include <cstring>

#include "core/DesignInput.h"
#include "core/FieldTexts.h"
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
    using StoredFields::StoredFields;

    // Some checks run twice on the way; each message is written once.
    void warn(const std::string& message) override {
        const QString text = QString::fromStdString(message).simplified();  // one line on standard error
        if (!warnings.contains(text)) warnings << text;
    }

    QStringList warnings;
};

// The design in FILE when one is given, or the start-up design; or why the
// file cannot be used.
DesignFileReading loadDesign(const QString& file) {
    if (file.isEmpty()) return {core::startupDesign(), {}};
    DesignFileReading reading = readDesignFile(file);
    reading.error = reading.error.simplified();  // its first line names the file
    return reading;
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
    const DesignFileReading reading = loadDesign(file);
    if (!reading.design) return refuse(QString(), reading.error);
    TextFields fields(*reading.design);
    const auto document = checkedDocument(fields, fields.design());
    if (!document) {
        for (const QString& refusal : unannouncedRefusals(fields)) fields.warn(refusal.toStdString());
        return refuse(design, fields.warnings.join(' '));
    }

    const QByteArray bytes = documentPdf(*document);
    const QString failure = writeWholeFile(out, bytes);
    if (!failure.isEmpty()) {
        return refuse(QDir::toNativeSeparators(out), QStringLiteral("datoteku nije moguce snimiti (%1)").arg(failure));
    }
    return 0;
}

}  // namespace ui
