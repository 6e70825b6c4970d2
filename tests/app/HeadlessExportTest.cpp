#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int status = -1;
    QString standardError;
};

// The program with no display at all: no DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM.
Run runProgram(const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(variable);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(PREDNAPREZANJE_PROGRAM, arguments);
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

    void refusalsExitTwoAndWriteNothing_data() {
        QTest::addColumn<QStringList>("arguments");  // OUT stands for the output file
        QTest::addColumn<QString>("said");           // a piece of the one line on standard error
        QTest::newRow("design file not read yet") << QStringList{"--pdf", "OUT", "most.dat"} << "most.dat: ";
        QTest::newRow("output folder missing") << QStringList{"--pdf", "nema/OUT"} << "nema/proracun.pdf: ";
        QTest::newRow("no output named") << QStringList{"--pdf"} << "komandna linija: ";
        QTest::newRow("two design files") << QStringList{"--pdf", "OUT", "a.dat", "b.dat"} << "komandna linija: ";
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
        for (QString& a : arguments) a.replace("nema/OUT", dir.filePath("nema/proracun.pdf")).replace("OUT", out);

        const Run run = runProgram(arguments);
        QCOMPARE(run.status, 2);
        QCOMPARE(lines(run.standardError).size(), 1);
        QVERIFY(run.standardError.startsWith("prednaprezanje: ") && run.standardError.endsWith('\n'));
        QVERIFY2(run.standardError.contains(said), qPrintable(run.standardError));
        QCOMPARE(readFile(out), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"proracun.pdf"});
    }
};

QTEST_GUILESS_MAIN(HeadlessExportTest)
#include "HeadlessExportTest.moc"
