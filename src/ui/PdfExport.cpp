#include "ui/PdfExport.h"

#include <QDir>
#include <cstdio>
#include <cstring>

#include "core/DesignInput.h"
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

    void warn(const std::string& message) override {
        if (!warnings.isEmpty()) warnings += ' ';
        warnings += QString::fromStdString(message).simplified();  // one line on standard error
    }

    QString warnings;
};

// The design in FILE when one is given, or the start-up design; or why the
// file cannot be used.
DesignFileReading loadDesign(const QString& file) {
    if (file.isEmpty()) return {core::startupDesign(), {}};
    DesignFileReading reading = readDesignFile(file);
    reading.error = reading.error.simplified();  // its first line names the file
    return reading;
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
        // The check of the moments refuses without a message of its own.
        return refuse(design, fields.warnings.isEmpty() ? QStringLiteral("Mg, Mp i Ms moraju biti popunjeni !")
                                                        : fields.warnings);
    }

    const QByteArray bytes = documentPdf(*document);
    const QString failure = writeWholeFile(out, bytes);
    if (!failure.isEmpty()) {
        return refuse(QDir::toNativeSeparators(out), QStringLiteral("datoteku nije moguce snimiti (%1)").arg(failure));
    }
    return 0;
}

}  // namespace ui
