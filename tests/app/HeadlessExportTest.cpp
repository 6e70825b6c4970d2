#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "ui/DesignFile.h"

namespace {

struct Run {
    int status = -1;
    QString standardError;
};

// The program with no display at all (no DISPLAY, WAYLAND_DISPLAY or
// QT_QPA_PLATFORM), or with the display named.
Run runProgram(const QStringList& arguments, const QString& display = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(variable);
    if (!display.isEmpty()) environment.insert("DISPLAY", display);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(PREDNAPREZANJE_EXECUTABLE, arguments);
    if (!process.waitForFinished(60000)) return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}

// The output of a poppler tool, or an empty text.
QString poppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A design file of the start-up design with some texts and the project data changed.
QString writeDesign(const QString& path, const QList<QPair<core::Field, std::string>>& texts) {
    core::Design design = core::startupDesign();
    for (const auto& [field, text] : texts) design.text(field) = text;
    design.project = {"Most preko Save", "Glavni nosac", "I. Ivic", ""};
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(ui::designFileBytes(design));
    return path;
}

QStringList lines(const QString& text) { return text.split('\n', Qt::SkipEmptyParts); }

}  // namespace

class HeadlessExportTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(), "pdftotext (poppler-utils, scripts/setup)");
    }

    void startupDesignAsPdf() {
        QTemporaryDir dir;
        const QString out = dir.filePath("proracun.pdf");
        const Run run = runProgram({"--pdf", out});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.standardError, QString());

        const QString info = poppler("pdfinfo", {out});
        QVERIFY2(info.contains(QRegularExpression(R"(Pages:\s+2\n)")), qPrintable(info));
        const QString text = poppler("pdftotext", {"-layout", out, "-"});
        // Hand-checked: 6 cables of 486.7372 kN give 2920.42 kN, inside 2477.04 to
        // 2926.73; the stresses at that force are 18.77, -2.98, 0.99 and 11.64 MPa.
        for (const char* expected : {
                 "Strana 1 od 2",
                 "Strana 2 od 2",
                 "1/Nk0>=(0.755+0.394421)/(617.51+0.145936*19.5*10^3)= 0.000331890225 [1/kN]",
                 "1/Nk0<=0.8*[(0.755+0.394421)/(2540.41-0.145936*1.8*10^3)]= 0.000403708222 [1/kN]",
                 "N3=1/q3= 2477.04 [kN]: donja granica sile",
                 "Dopusteni opseg sile: 2477.04 [kN] <= Nk0 <= 2926.73 [kN]",
                 "minNko= 2477.04 kN",
                 "Gb1,0=18.77 [MPa]",
                 "Gb2,0=-2.98 [MPa]",
                 "Gb1,bes=0.99 [MPa]",
                 "Gb2,bes=11.64 [MPa]",
                 "Usvojeni broj kablova: 6, sila Nk0= 2920.42 [kN]. Presek zadovoljava sve uslove.",
             }) {
            QVERIFY2(text.contains(expected), qPrintable(QString(expected) + "\nnot in\n" + text));
        }
        QVERIFY(!text.contains("inf", Qt::CaseInsensitive) && !text.contains("nan", Qt::CaseInsensitive));
    }

    void aDisplayOutOfReachIsNotNeeded() {
        QTemporaryDir dir;
        const QString out = dir.filePath("proracun.pdf");
        const Run run = runProgram({"--pdf", out}, ":4711");
        QCOMPARE(run.status, 0);
        QVERIFY(readFile(out).startsWith("%PDF-"));
    }

    // A rectangle 30 x 60 cm with the cables at its lower kern point: by hand
    // N1 = 2255 kN and N3 = 1360 kN, so 3 or 4 cables of 486.7372 kN.
    void designFileAsPdf() {
        QTemporaryDir dir;
        const QString design = writeDesign(
            dir.filePath("nosac.prednap"),
            {{core::Field::B, "60"}, {core::Field::D3, "30"}, {core::Field::D1, "0"}, {core::Field::D2, "0"},
             {core::Field::B1, "30"}, {core::Field::B2, "30"}, {core::Field::Ek, "10"}, {core::Field::Mg, "100"},
             {core::Field::Mp, "100"}, {core::Field::Ms, "50"}});
        const QString out = dir.filePath("nosac.pdf");
        const Run run = runProgram({"--pdf", out, design});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.standardError, QString());
        const QString text = poppler("pdftotext", {"-layout", out, "-"});
        for (const char* expected : {"Projekat: Most preko Save", "Element: Glavni nosac", "Projektant: I. Ivic",
                                     "N1=1/q1= 2255 [kN]: gornja granica sile",
                                     "N2=1/q2= nedefinisano [kN]: uslov ne ogranicava silu",
                                     "Dopusteni opseg sile: 1360 [kN] <= Nk0 <= 2255 [kN]"}) {
            QVERIFY2(text.contains(expected), qPrintable(QString(expected) + "\nnot in\n" + text));
        }
        QVERIFY(text.contains(QRegularExpression(R"(Dopusteni broj kablova:\s+3 do 4)")));
    }

    void refusalsExitTwoAndWriteNothing_data() {
        QTest::addColumn<QStringList>("arguments");  // OUT stands for the output file, DIR for the folder
        QTest::addColumn<QString>("said");           // a piece of the one line on standard error
        QTest::newRow("design file missing") << QStringList{"--pdf", "OUT", "DIR/nema.prednap"}
                                             << "nema.prednap\" nije moguce otvoriti !";
        QTest::newRow("design the checks refuse") << QStringList{"--pdf", "OUT", "DIR/m2.prednap"}
                                                  << "m2.prednap: Koeficijent efikasnosti prethodnog naprezanja moze "
                                                     "imati vrednost izmedju 0 i 1 !";
        QTest::newRow("output folder missing") << QStringList{"--pdf", "DIR/nema/proracun.pdf"}
                                               << "nema/proracun.pdf: datoteku nije moguce snimiti";
    }

    void refusalsExitTwoAndWriteNothing() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, said);
        QTemporaryDir dir;
        const QString out = dir.filePath("proracun.pdf");
        QFile old(out);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        QVERIFY(!writeDesign(dir.filePath("m2.prednap"), {{core::Field::M, "2"}}).isEmpty());
        for (QString& a : arguments) a.replace("OUT", out).replace("DIR", dir.path());

        const Run run = runProgram(arguments);
        QCOMPARE(run.status, 2);
        QCOMPARE(lines(run.standardError).size(), 1);
        QVERIFY(run.standardError.startsWith("prednaprezanje: ") && run.standardError.endsWith('\n'));
        QVERIFY2(run.standardError.contains(said), qPrintable(run.standardError));
        QCOMPARE(readFile(out), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList({"m2.prednap", "proracun.pdf"}));
    }
};

QTEST_GUILESS_MAIN(HeadlessExportTest)
#include "HeadlessExportTest.moc"
