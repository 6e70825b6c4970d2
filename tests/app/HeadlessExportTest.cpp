#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "core/FieldTexts.h"
#include "ui/DesignFile.h"

namespace {

struct Run {
    int status = -1;
    QString standardError;
    QString standardOutput;
};

// The program with no display at all (no DISPLAY, WAYLAND_DISPLAY or
// QT_QPA_PLATFORM), or with the variables given ("DISPLAY=:4711").
Run runProgram(const QStringList& arguments, const QStringList& variables = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(variable);
    for (const QString& variable : variables) environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(PREDNAPREZANJE_EXECUTABLE, arguments);
    if (!process.waitForFinished(60000)) return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError()),
            QString::fromLocal8Bit(process.readAllStandardOutput())};
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
        QVERIFY2(info.contains(QRegularExpression(R"(Pages:\s+3\n)")), qPrintable(info));
        const QString text = poppler("pdftotext", {"-layout", out, "-"});
        // Hand-checked: 6 cables of 486.7372 kN give 2920.42 kN, inside 2477.04 to
        // 2926.73; the stresses at that force are 18.77, -2.98, 0.99 and 11.64 MPa.
        for (const char* expected : {
                 "Strana 1 od 3",
                 "Strana 3 od 3",
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
        const Run run = runProgram({"--pdf", out}, {"DISPLAY=:4711"});
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
                                     "N2=1/q2= nedefinisano [kN]: ne ogranicava silu",
                                     "Dopusteni opseg sile: 1360 [kN] <= Nk0 <= 2255 [kN]"}) {
            QVERIFY2(text.contains(expected), qPrintable(QString(expected) + "\nnot in\n" + text));
        }
        QVERIFY(text.contains(QRegularExpression(R"(Dopusteni broj kablova:\s+3 do 4)")));
    }

    // The start-up design with the m its losses give with six cables (m = 0.8694).
    void lossesAsPdf() {
        QTemporaryDir dir;
        core::Design design = core::startupDesign();
        design.text(core::Field::M) = "0.86";
        design.adoptedCables = 6;
        design.losses = core::LossInputs{};
        design.losses->u = 470;
        const QString path = dir.filePath("gubici.prednap");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(ui::designFileBytes(design)) > 0);
        file.close();
        const QString out = dir.filePath("gubici.pdf");
        QCOMPARE(runProgram({"--pdf", out, path}).status, 0);
        const QString text = poppler("pdftotext", {out, "-"});
        for (const char* expected : {"Koeficijent efikasnosti m", "h0 = 2 Ac / u = 157.4 mm (B.6)",
                                     "phi(inf,t0) = phi_RH x beta(fcm) x beta(t0) = 1.607 (B.2)",
                                     "m = 0.86 (zaokruzeno nanize na dve decimale)"}) {
            QVERIFY2(text.contains(expected), qPrintable(QString(expected) + "\nnot in\n" + text));
        }
    }

    // The start-up design with C40/50 and Y1860 strands typed for the ultimate
    // limit state, worked by hand in the bending window's test: MRd = 5434.78 kNm.
    void bendingSectionAsPdf_data() {
        QTest::addColumn<std::optional<double>>("fck");
        QTest::addColumn<QStringList>("expected");  // patterns, blanks standing for any white space
        QTest::newRow("strengths given") << std::optional<double>(40)
            << QStringList{"7. Granicno stanje nosivosti - savijanje", "x = 75.5646 cm",
                           "MRd = Ap x sigma_p x z = 3951.4 kN x 1.37541 m = 5434.78 kNm",
                           "MEd = 3514.71 kNm <= MRd = 5434.78 kNm: zadovoljava",
                           "Presek zadovoljava sve uslove. Granicno stanje nosivosti - savijanje (poglavlje 7): MEd = "
                           "3514.71 kNm <= MRd = 5434.78 kNm, zadovoljava."};
        QTest::newRow("fck unknown") << std::optional<double>()
            << QStringList{"7. Granicno stanje nosivosti - savijanje",
                           "Nije poznata vrednost fck: MRd se ne moze izracunati.",
                           "(poglavlje 7): nosivost nije dokazana."};
    }

    void bendingSectionAsPdf() {
        QFETCH(std::optional<double>, fck);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        core::Design design = core::startupDesign();
        core::BendingInputs in;
        in.fck = fck;
        in.fp01k = 1640;
        in.fpk = 1860;
        design.bending = in;
        const QString path = dir.filePath("nosac.prednap");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(ui::designFileBytes(design)) > 0);
        file.close();
        const QString out = dir.filePath("nosac.pdf");
        QCOMPARE(runProgram({"--pdf", out, path}).status, 0);
        const QString text = poppler("pdftotext", {"-layout", out, "-"});
        for (const QString& e : expected) {
            const QString pattern = QRegularExpression::escape(e).replace("\\ ", "\\s+");
            QVERIFY2(text.contains(QRegularExpression(pattern)), qPrintable(e + "\nnot in\n" + text));
        }
    }

    // The first page carries the project data whole, however long, and the note
    // line by line; the engineer's adopted count is the one the document checks.
    void projectDataWholeAndAdoptedCables() {
        QTemporaryDir dir;
        core::Design design = core::startupDesign();
        design.project = {"Most preko Zapadne Morave kod Kraljeva, deonica Adrani - Mataruska Banja, km 12+450",
                          "Glavni nosac pozicija POS 101-3, presek u sredini raspona, faza prednaprezanja 2",
                          "Dipl. ing. grad. Jovan Jovanovic, licenca IKS 310 1234 56, Projektni biro Morava",
                          "Beton MB40, kablovi tipa A.\nProvera za fazu 2.\n\nKraj napomene."};
        design.adoptedCables = 7;
        QFile file(dir.filePath("dug.prednap"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(ui::designFileBytes(design)) > 0);
        file.close();
        const QString out = dir.filePath("dug.pdf");
        QCOMPARE(runProgram({"--pdf", out, file.fileName()}).status, 0);
        const QString text = poppler("pdftotext", {"-f", "1", "-l", "1", out, "-"});
        const QString flat = QString(text).replace(QRegularExpression(R"(\s+)"), " ");
        for (const std::string& item : {design.project.projekat, design.project.element, design.project.projektant}) {
            const QString whole = QString::fromStdString(item);
            QVERIFY2(flat.contains(whole), qPrintable(whole + "\nnot in\n" + text));
        }
        const QStringList noteLines = lines(text).filter(QRegularExpression("Beton MB40|Provera|Kraj napomene"));
        QCOMPARE(noteLines,
                 (QStringList{"Napomena: Beton MB40, kablovi tipa A.", "Provera za fazu 2.", "Kraj napomene."}));
        const QString all = poppler("pdftotext", {"-layout", out, "-"});
        QVERIFY(all.contains(QRegularExpression(R"(Usvojeni broj kablova n=\s+7\s+\[komada\])")));
        QVERIFY(all.contains("Sila usvojenih kablova nije dopustena: veca je od gornje granice."));
        QVERIFY(all.contains("Pri sili usvojenih kablova n= 7, Nk0=n*Zko= 3407.16 [kN]"));
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

    // Each refusal of the checks names its own cause, every message once.
    void refusalsNameTheirCause_data() {
        QTest::addColumn<QStringList>("emptied");  // symbols of the fields left empty
        QTest::addColumn<QString>("said");
        QTest::newRow("a flange") << QStringList{"b1"} << "Polje b1 mora biti popunjeno !";
        QTest::newRow("three flanges") << QStringList{"b2", "d1", "d2"} << "Polja b2, d1 i d2 moraju biti popunjena !";
        QTest::newRow("a moment") << QStringList{"Mp"} << "Mg, Mp i Ms moraju biti popunjeni !";
        QTest::newRow("the steel and a moment")
            << QStringList{"Fk", "Mg"}
            << "Polje -Karakteristike celika- mora biti korektno popunjeno ! Mg, Mp i Ms moraju biti popunjeni !";
        QTest::newRow("the web and a flange") << QStringList{"b", "d1"}
                                              << "Vrednosti polja d3 i b moraju biti razlicita od nule ! Polje d1 "
                                                 "mora biti popunjeno !";
    }

    void refusalsNameTheirCause() {
        QFETCH(QStringList, emptied);
        QFETCH(QString, said);
        QList<QPair<core::Field, std::string>> texts;
        for (int i = 0; i < core::kFieldCount; ++i) {
            const auto field = static_cast<core::Field>(i);
            if (emptied.contains(QString::fromLatin1(core::symbol(field)))) texts.append({field, ""});
        }
        QCOMPARE(texts.size(), emptied.size());
        QTemporaryDir dir;
        const QString design = writeDesign(dir.filePath("nosac.prednap"), texts);
        const Run run = runProgram({"--pdf", dir.filePath("nosac.pdf"), design});
        QCOMPARE(run.status, 2);
        QCOMPARE(run.standardError, "prednaprezanje: " + QDir::toNativeSeparators(design) + ": " + said + "\n");
        QVERIFY(!QFile::exists(dir.filePath("nosac.pdf")));
    }

    // The command line answers without a display, and says what is wrong in one line.
    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("display");  // a variable that names one, or none
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");   // a pattern of the whole standard output
        QTest::addColumn<QString>("error");    // the whole standard error
        const QString help = R"(^Upotreba: \S*prednaprezanje \[opcije\] \[FILE\]\n(.|\n)*--pdf <OUT.pdf> )";
        const QString hint = " Pomoc: prednaprezanje --help\n";
        QTest::newRow("help") << QStringList{"--help"} << "" << 0 << help << "";
        QTest::newRow("help with Qt's options") << QStringList{"--help-all"} << "" << 0 << help + "(.|\n)*-platform"
                                                << "";
        QTest::newRow("version") << QStringList{"--version"} << "" << 0 << R"(^prednaprezanje \d+\.\d+\.\d+\n$)"
                                 << "";
        QTest::newRow("version, display out of reach")
            << QStringList{"-v"} << "DISPLAY=:4711" << 0 << R"(^prednaprezanje \d+\.\d+\.\d+\n$)" << "";
        QTest::newRow("unknown option") << QStringList{"--nema"} << "" << 2 << "^$"
                                        << "prednaprezanje: Nepoznata opcija 'nema'." + hint;
        QTest::newRow("unknown option with a display") << QStringList{"-x", "a.prednap"} << "QT_QPA_PLATFORM=offscreen"
                                                       << 2 << "^$" << "prednaprezanje: Nepoznata opcija 'x'." + hint;
        QTest::newRow("no value for --pdf") << QStringList{"--pdf"} << "" << 2 << "^$"
                                            << "prednaprezanje: Nedostaje vrednost posle '--pdf'." + hint;
        QTest::newRow("windows without a display")
            << QStringList{} << "" << 1 << "^$"
            << "prednaprezanje: prozorima programa potreban je ekran, a nijedan nije dostupan; bez ekrana radi "
               "prednaprezanje --pdf OUT.pdf [FILE]\n";
    }

    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, display);
        QFETCH(int, status);
        QFETCH(QString, output);
        QFETCH(QString, error);
        QTemporaryDir runtime;  // as a desktop session provides it, so Qt has nothing to say of it
        QVERIFY(QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QStringList variables{"XDG_RUNTIME_DIR=" + runtime.path()};
        if (!display.isEmpty()) variables << display;
        const Run run = runProgram(arguments, variables);
        QCOMPARE(run.status, status);
        QVERIFY2(run.standardOutput.contains(QRegularExpression(output)), qPrintable(run.standardOutput));
        QCOMPARE(run.standardError, error);
    }
};

QTEST_GUILESS_MAIN(HeadlessExportTest)
#include "HeadlessExportTest.moc"
