#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "ui/DesignFile.h"

using core::Field;
using core::Design;

namespace {

// The start-up design with project data, exactly as it is written.
const QByteArray kExample = R"({
    "format": "prednaprezanje",
    "formatVerzija": 1,
    "projekat": {
        "Element": "Glavni nosac, presek u sredini raspona",
        "Napomena": "Beton MB40.\nKablovi tipa A.",
        "Projekat": "Most preko Save",
        "Projektant": "M. Petrovic"
    },
    "ulaz": {
        "Fk": "4.618",
        "Gbd0": "19.5",
        "Gbdbes": "16",
        "Gbz0": "3",
        "Gbzbes": "1.8",
        "Gk0": "1054",
        "Mg": "617.51",
        "Mp": "1355.19",
        "Ms": "567.71",
        "b": "124",
        "b1": "40",
        "b2": "40",
        "d1": "23",
        "d2": "23",
        "d3": "15",
        "ek": "75.5",
        "m": "0.8"
    }
}
)";

Design exampleDesign() {
    Design d = core::startupDesign();
    d.project = {"Most preko Save", "Glavni nosac, presek u sredini raspona", "M. Petrovic",
                 "Beton MB40.\nKablovi tipa A."};
    return d;
}

// The example with one piece of text replaced.
QByteArray exampleWith(const QByteArray& from, const QByteArray& to) {
    QByteArray bytes = kExample;
    const qsizetype at = bytes.indexOf(from);
    Q_ASSERT(at >= 0);
    return bytes.replace(at, from.size(), to);
}

// The example in version 2 with a bending part whose members are `members`.
QByteArray exampleWithBending(const QByteArray& members) {
    return exampleWith(R"("formatVerzija": 1,)", R"("formatVerzija": 2, "nosivost": {)" + members + "},");
}
const QByteArray kBendingMembers =
    R"("Ep": 195, "alpha_cc": 1, "eps_ud": 0.02, "gamma_c": 1.5, "gamma_s": 1.15, "grana": "horizontalna")";

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

}  // namespace

Q_DECLARE_METATYPE(Design)

class DesignFileTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void writtenBytesAreTheDocumentedExample() { QCOMPARE(ui::designFileBytes(exampleDesign()), kExample); }

    // An adopted count makes the file version 2 and adds its one member.
    void adoptedCablesMakeVersion2() {
        Design design = exampleDesign();
        design.adoptedCables = 7;
        QCOMPARE(ui::designFileBytes(design),
                 QByteArray(kExample)
                     .replace(R"("formatVerzija": 1)", R"("formatVerzija": 2)")
                     .replace("    }\n}\n", "    },\n    \"usvojeniBrojKablova\": 7\n}\n"));
    }

    void roundTrip_data() {
        QTest::addColumn<Design>("design");
        QTest::newRow("start-up design") << core::startupDesign();
        QTest::newRow("with project data") << exampleDesign();
        Design unusual = core::startupDesign();
        unusual.text(Field::M) = "0.80";
        unusual.text(Field::Mg) = ".8";
        unusual.text(Field::Mp) = "5.";
        unusual.text(Field::Ms) = ".";
        unusual.text(Field::B1) = "";
        unusual.text(Field::B) = "0";
        unusual.text(Field::Ek) = "73.4666666666667";
        unusual.text(Field::Fk) = "8.5E-05";
        unusual.text(Field::Gbz0) = "";
        QTest::newRow("unusual but valid texts") << unusual;
        Design text = core::startupDesign();
        text.project = {"Most \"Ada\" \\ čćžšđ 桥", std::string(200, 'x'), " ",
                        "prvi red\n\tdrugi red\n\n"};
        QTest::newRow("quotes, backslash, diacritics, breaks, longest line") << text;
        Design computedM = core::startupDesign();
        computedM.text(Field::M) = "0.86";
        computedM.losses = core::LossInputs{};
        computedM.losses->u = 470;
        QTest::newRow("m from the losses") << computedM;
        Design typedMoment = computedM;
        typedMoment.losses = core::LossInputs{"C30/37", eurocode::CementClass::R, 55.5, 7, 430.25, true, 1500.5, 205,
                                              1770, eurocode::RelaxationClass::Class1};
        typedMoment.adoptedCables = 8;
        QTest::newRow("losses with M_QP typed, class 1, eight cables adopted") << typedMoment;
        Design checked = core::startupDesign();
        checked.bending = core::BendingInputs{};
        QTest::newRow("checked in bending, strengths unknown") << checked;
        core::BendingInputs typed;
        typed.MEd = 4000.5;
        typed.fck = 45;
        typed.fp01k = 1640;
        typed.fpk = 1860;
        typed.gamma_c = 1.3;
        typed.Ep = 205;
        typed.branch = eurocode::UpperBranch::Inclined;
        typed.eps_ud = 0.0175;
        checked.bending = typed;
        checked.adoptedCables = 7;
        QTest::newRow("checked in bending, all typed, 7 cables adopted") << checked;
        // The start-up texts are MB40 (1.11, 2.11), the cell of 1.11 written "16.0", and D, DU with k 0.8.
        Design tables = core::startupDesign();
        tables.text(Field::Gbdbes) = "16.0";
        tables.stressBasis = core::MbTableBasis{40, core::ServiceCompressionRow::Row111, core::ServiceTensionRow::Row211};
        tables.cableBasis = core::ImsCableBasis{"DDU", 0.8};
        QTest::newRow("MB table and IMS catalogue") << tables;
        Design custom = core::startupDesign();
        custom.stressBasis = core::CustomStressBasis{};
        custom.cableBasis = core::CustomCableBasis{};
        QTest::newRow("custom values") << custom;
        Design eurocode = core::startupDesign();
        eurocode.text(Field::Gbd0) = "17.62";
        eurocode.text(Field::Gbz0) = "2.73";
        eurocode.text(Field::Gbdbes) = "24";
        eurocode.text(Field::Gbzbes) = "3.5";
        eurocode.text(Field::Fk) = "18";
        eurocode.text(Field::Gk0) = "1394";
        core::ConcreteENBasis concrete;
        concrete.transferAge = 7;
        eurocode.stressBasis = concrete;
        eurocode.cableBasis = core::StrandTendonBasis{"Y1860S7 15.7", 12, 0.75, 0.85, "75.5"};
        QTest::newRow("SRPS EN 1992-1-1 and EN 10138-3") << eurocode;
        for (int n : {1, 26, ui::kAdoptedCablesMax}) {
            Design adopted = exampleDesign();
            adopted.adoptedCables = n;
            QTest::newRow(qPrintable(QString("%1 cables adopted").arg(n))) << adopted;
        }
    }

    // Version 2 only where a part beyond the texts and the project is given.
    void versionFollowsTheParts() {
        Design design = core::startupDesign();
        QVERIFY(ui::designFileBytes(design).contains(R"("formatVerzija": 1,)"));
        design.adoptedCables = 7;
        QVERIFY(ui::designFileBytes(design).contains(R"("formatVerzija": 2,)"));
        design.adoptedCables.reset();
        design.losses = core::LossInputs{};
        design.losses->u = 470;
        QVERIFY(ui::designFileBytes(design).contains(R"("formatVerzija": 2,)"));
    }

    // A basis whose window would not have written the fields opens as "nije navedeno", with a warning.
    void basisThatDoesNotGiveTheFields() {
        const QByteArray bytes = exampleWith(R"("formatVerzija": 1,)", R"("formatVerzija": 2, "osnovaKabla": )"
                                                                       R"({"vrsta": "IMS", "tip": "A", "k": 0.8},)");
        const ui::DesignFileReading reading = ui::parseDesignFile(bytes);
        QVERIFY2(reading.design, qPrintable(reading.error));
        QVERIFY(std::holds_alternative<core::BasisNotGiven>(reading.design->cableBasis));
        QCOMPARE(reading.warnings, QStringList{"Karakteristike kabla u projektu ne slede iz zapisane osnove kabla: "
                                               "osnova kabla je \"nije navedeno\"."});
    }

    void roundTrip() {
        QFETCH(Design, design);
        const QString path = dir.filePath("nosac1.prednap");
        QVERIFY(writeBytes(path, ui::designFileBytes(design)));
        const ui::DesignFileReading reading = ui::readDesignFile(path);
        QVERIFY2(reading.design, qPrintable(reading.error));
        QVERIFY(*reading.design == design);
        QCOMPARE(ui::designFileBytes(*reading.design), ui::designFileBytes(design));
        // A design with no later part keeps the bytes of version 1.
        const core::Design plain = [&] {
            core::Design d = core::startupDesign();
            d.texts = design.texts;
            d.project = design.project;
            return d;
        }();
        const bool later = !(design == plain);
        QCOMPARE(ui::designFileBytes(design).contains(R"("formatVerzija": 2)"), later);
    }

    void refused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QString notADesign = "Datoteka nije projekat prethodnog naprezanja.";
        QTest::newRow("empty file") << QByteArray() << notADesign;
        QTest::newRow("binary garbage") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << notADesign;
        QTest::newRow("a report") << QByteArray("Staticki uticaji\r\nMmin= 617.51 [kNm]\r\n") << notADesign;
        QTest::newRow("JSON array") << QByteArray("[1, 2]") << notADesign;
        QTest::newRow("other JSON object") << QByteArray(R"({"ime": "x"})") << notADesign;
        QTest::newRow("other format tag") << exampleWith(R"("prednaprezanje")", R"("prednapon")") << notADesign;
        QTest::newRow("truncated") << kExample.left(300)
                                   << "Zapis je neispravan ili nepotpun (greska kod bajta 301).";
        QTest::newRow("invalid UTF-8") << exampleWith("M. Petrovic", "M. Petrovi\xC4")
                                       << "Zapis je neispravan ili nepotpun (greska kod bajta 261).";
        QTest::newRow("newer version") << exampleWith(R"("formatVerzija": 1)", R"("formatVerzija": 3)")
                                       << "Projekat je zapisan u formatu verzije 3, a program cita verzije do 2.";
        const QString losses = "Podaci o gubicima sile (\"gubici\") nisu ispravno zapisani.";
        const struct {
            const char* what;
            const char* part;
        } malformedLosses[] = {
            {"losses not an object", "[]"},
            {"losses without RH", R"({"klasaBetona": "C40/50", "cement": "N", "relaksacija": 2, "t0": 28, "u": 470,
                                     "Ep": 195, "fpk": 1860})"},
            {"RH as text", R"({"klasaBetona": "C40/50", "cement": "N", "relaksacija": 2, "RH": "70", "t0": 28,
                              "u": 470, "Ep": 195, "fpk": 1860})"},
            {"RH below 40", R"({"klasaBetona": "C40/50", "cement": "N", "relaksacija": 2, "RH": 30, "t0": 28,
                               "u": 470, "Ep": 195, "fpk": 1860})"},
            {"unknown class", R"({"klasaBetona": "C45/50", "cement": "N", "relaksacija": 2, "RH": 70, "t0": 28,
                                 "u": 470, "Ep": 195, "fpk": 1860})"},
            {"unknown cement", R"({"klasaBetona": "C40/50", "cement": "X", "relaksacija": 2, "RH": 70, "t0": 28,
                                  "u": 470, "Ep": 195, "fpk": 1860})"},
            {"relaxation class 3", R"({"klasaBetona": "C40/50", "cement": "N", "relaksacija": 3, "RH": 70, "t0": 28,
                                      "u": 470, "Ep": 195, "fpk": 1860})"},
            {"M_QP as text", R"({"klasaBetona": "C40/50", "cement": "N", "relaksacija": 2, "RH": 70, "t0": 28,
                                "u": 470, "Ep": 195, "fpk": 1860, "M_QP": "1500"})"},
            {"unknown key in the losses", R"({"klasaBetona": "C40/50", "cement": "N", "relaksacija": 2, "RH": 70,
                                             "t0": 28, "u": 470, "Ep": 195, "fpk": 1860, "RH2": 70})"},
        };
        for (const auto& m : malformedLosses) {
            const QByteArray part = QByteArray(R"("gubici": )") + m.part + R"(, "ulaz": {)";
            QTest::newRow(m.what) << exampleWith(R"("ulaz": {)", part) << losses;
        }
        QTest::newRow("version as text") << exampleWith(R"("formatVerzija": 1)", R"("formatVerzija": "1")")
                                         << "Verzija formata nije ispravno zapisana.";
        QTest::newRow("fractional version") << exampleWith(R"("formatVerzija": 1)", R"("formatVerzija": 1.5)")
                                            << "Verzija formata nije ispravno zapisana.";
        QTest::newRow("no version") << exampleWith(R"("formatVerzija": 1,)", "")
                                    << "Verzija formata nije ispravno zapisana.";
        QTest::newRow("no inputs") << exampleWith(R"("ulaz")", R"("ulazi")") << "Nedostaju ulazni podaci (\"ulaz\").";
        QTest::newRow("missing input") << exampleWith(R"("b1": "40",)", "") << "Nedostaje polje b1.";
        QTest::newRow("input as a number") << exampleWith(R"("b1": "40")", R"("b1": 40)")
                                           << "Polje b1 nije zapisano kao tekst pod navodnicima.";
        QTest::newRow("input as null") << exampleWith(R"("m": "0.8")", R"("m": null)")
                                       << "Polje m nije zapisano kao tekst pod navodnicima.";
        QTest::newRow("letters") << exampleWith(R"("b1": "40")", R"("b1": "4x0")") << "Polje b1: \"4x0\" nije broj.";
        QTest::newRow("blank") << exampleWith(R"("Mg": "617.51")", R"("Mg": "617.51 ")")
                               << "Polje Mg: \"617.51 \" nije broj.";
        QTest::newRow("line break") << exampleWith(R"("ek": "75.5")", R"("ek": "75\n.5")")
                                    << "Polje ek: \"75\\n.5\" nije broj.";
        QTest::newRow("second point") << exampleWith(R"("m": "0.8")", R"("m": "0.8.")")
                                      << "Polje m: \"0.8.\" nije broj.";
        QTest::newRow("sign") << exampleWith(R"("b": "124")", R"("b": "-124")")
                              << "Polje b: \"-124\" ne sme imati predznak.";
        QTest::newRow("point in a dimension") << exampleWith(R"("d3": "15")", R"("d3": "15.5")")
                                              << "Polje d3: \"15.5\" nije ceo broj.";
        QTest::newRow("longer than typing admits") << exampleWith(R"("Ms": "567.71")", R"("Ms": "1567.71")")
                                                   << "Polje Ms: \"1567.71\" ima vise od 6 znakova.";
        QTest::newRow("unknown input") << exampleWith(R"("b1": "40",)", R"("b1": "40", "b4": "1",)")
                                       << "Nepoznato polje \"b4\".";
        QTest::newRow("unknown input with a line break") << exampleWith(R"("b1": "40",)", R"("b1": "40", "b\n4": "1",)")
                                                         << "Nepoznato polje \"b\\n4\".";
        QTest::newRow("empty key") << exampleWith(R"("b1": "40",)", R"("b1": "40", "": "1",)")
                                   << "Nepoznato polje \"\".";
        QTest::newRow("unknown member") << exampleWith(R"("formatVerzija": 1,)", R"("formatVerzija": 1, "x": 0,)")
                                        << "Nepoznat podatak \"x\".";
        QTest::newRow("project data as text") << exampleWith(R"("projekat": {)", R"("projekat": "x", "y": {)")
                                              << "Podaci o projektu nisu ispravno zapisani.";
        QTest::newRow("project item as a number") << exampleWith(R"("M. Petrovic")", "7")
                                                  << "Podatak Projektant nije zapisan kao tekst pod navodnicima.";
        QTest::newRow("line break in a one-line item") << exampleWith("M. Petrovic", R"(M.\nPetrovic)")
                                                       << "Podatak Projektant sadrzi nedozvoljen znak (kod 10).";
        QTest::newRow("carriage return in the note") << exampleWith(R"(MB40.\n)", R"(MB40.\r\n)")
                                                     << "Podatak Napomena sadrzi nedozvoljen znak (kod 13).";
        QTest::newRow("lone surrogate") << exampleWith("M. Petrovic", R"(M. \ud800)")
                                        << "Podatak Projektant nije ispravan tekst.";
        QTest::newRow("item too long") << exampleWith("M. Petrovic", QByteArray(201, 'x'))
                                       << "Podatak Projektant ima vise od 200 znakova.";
        QTest::newRow("bending part not an object")
            << exampleWith(R"("formatVerzija": 1,)", R"("formatVerzija": 2, "nosivost": 5,)")
            << "Podaci o nosivosti na savijanje nisu ispravno zapisani.";
        QTest::newRow("bending factor missing") << exampleWithBending(R"("Ep": 195, "grana": "kosa")")
                                                << "Podatak o nosivosti alpha_cc nije broj.";
        QTest::newRow("bending strength as text") << exampleWithBending(kBendingMembers + R"(, "fck": "40")")
                                                  << "Podatak o nosivosti fck nije broj.";
        QTest::newRow("unknown branch")
            << exampleWithBending(QByteArray(kBendingMembers).replace("horizontalna", "ravna"))
            << "Podatak o nosivosti grana mora biti \"horizontalna\" ili \"kosa\".";
        QTest::newRow("unknown bending member") << exampleWithBending(kBendingMembers + R"(, "x": 1)")
                                                << "Nepoznat podatak o nosivosti \"x\".";
        QTest::newRow("bending factor out of range")
            << exampleWithBending(QByteArray(kBendingMembers).replace(R"("gamma_c": 1.5)", R"("gamma_c": 0.9)"))
            << "Polje -gamma_c- mora imati vrednost najmanje 1 !";
        QTest::newRow("negative MEd") << exampleWithBending(kBendingMembers + R"(, "MEd": -1)")
                                      << "Podatak o nosivosti MEd ne moze biti negativan.";
        QTest::newRow("unknown basis kind")
            << exampleWith(R"("formatVerzija": 1,)", R"("formatVerzija": 2, "osnovaNapona": {"vrsta": "DIN"},)")
            << "Osnova napona nije ispravno zapisana: nepoznata vrsta \"DIN\".";
        const QString badCount = "Usvojeni broj kablova nije ceo broj od 1 do 9999.";
        for (const char* count : {"0", "-3", "2.5", "10000", "\"7\"", "null", "true"}) {
            QTest::newRow(qPrintable(QString("adopted cables %1").arg(count)))
                << exampleWith(R"("formatVerzija": 1,)", QByteArray(R"("formatVerzija": 2, "usvojeniBrojKablova": )") +
                                                              count + ",")
                << badCount;
        }
        QTest::newRow("over 1 MiB") << exampleWith("Kablovi tipa A.", QByteArray(1 << 20, ' '))
                                    << "Datoteka je veca od 1 MiB.";
    }

    void refused() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const ui::DesignFileReading parsed = ui::parseDesignFile(bytes);
        QVERIFY(!parsed.design);
        QCOMPARE(parsed.error, reason);

        const QString path = dir.filePath("los.prednap");
        QVERIFY(writeBytes(path, bytes));
        const ui::DesignFileReading read = ui::readDesignFile(path);
        QVERIFY(!read.design);
        QCOMPARE(read.error, "Datoteku \"" + QDir::toNativeSeparators(path) + "\" nije moguce otvoriti !\n" + reason);
    }

    void accepted_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("byte order mark") << "\xEF\xBB\xBF" + kExample;
        QTest::newRow("one line, other order") << QByteArray(
            R"({"ulaz":{"m":"0.8","ek":"75.5","d3":"15","d2":"23","d1":"23","b2":"40","b1":"40","b":"124",)"
            R"("Ms":"567.71","Mp":"1355.19","Mg":"617.51","Gk0":"1054","Gbzbes":"1.8","Gbz0":"3","Gbdbes":"16",)"
            R"("Gbd0":"19.5","Fk":"4.618"},"formatVerzija":1.0,"format":"prednaprezanje"})");
        QTest::newRow("no project data") << exampleWith(R"("Projektant": "M. Petrovic")", R"("Projektant": "")");
    }

    void accepted() {
        QFETCH(QByteArray, bytes);
        const ui::DesignFileReading parsed = ui::parseDesignFile(bytes);
        QVERIFY2(parsed.design, qPrintable(parsed.error));
        for (int i = 0; i < core::kFieldCount; ++i) {
            const auto f = static_cast<Field>(i);
            QCOMPARE(parsed.design->text(f), core::startupDesign().text(f));
        }
    }

    void unreadablePathsAreNamed_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing file") << "nema.prednap";
        QTest::newRow("a folder") << ".";
    }

    void unreadablePathsAreNamed() {
        QFETCH(QString, name);
        const QString path = QDir(dir.path()).filePath(name);
        const ui::DesignFileReading read = ui::readDesignFile(path);
        QVERIFY(!read.design);
        QVERIFY2(read.error.startsWith("Datoteku \"" + QDir::toNativeSeparators(path) + "\" nije moguce otvoriti !\n"),
                 qPrintable(read.error));
        QCOMPARE(read.error.count('\n'), 1);
    }

    void unreadableDesignIsNotWritten_data() {
        QTest::addColumn<Design>("design");
        QTest::addColumn<QString>("error");
        Design text = core::startupDesign();
        text.text(Field::B1) = "4 0";
        QTest::newRow("field text no field holds") << text << "Polje b1: \"4 0\" nije broj.";
        Design project = core::startupDesign();
        project.project.element = "Nosac \xC8";  // not UTF-8: it would read back changed
        QTest::newRow("project text that is not UTF-8") << project << "Projekat se ne moze zapisati.";
    }

    // A design the windows could not have made is never written.
    void unreadableDesignIsNotWritten() {
        QFETCH(Design, design);
        QFETCH(QString, error);
        QString why;
        QVERIFY(ui::designFileBytes(design, &why).isEmpty());
        QCOMPARE(why, error);
    }
};

QTEST_GUILESS_MAIN(DesignFileTest)
#include "DesignFileTest.moc"
