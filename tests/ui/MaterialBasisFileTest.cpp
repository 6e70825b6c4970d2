#include <QJsonDocument>
#include <QTest>

#include "ui/MaterialBasisFile.h"

using namespace core;

namespace {

QJsonValue parsed(const char* json) { return QJsonDocument::fromJson(json).object(); }

}  // namespace

class MaterialBasisFileTest : public QObject {
    Q_OBJECT
private slots:
    // Every basis a window can give reads back as it was written.
    void roundTrip() {
        ConcreteENBasis typed;
        typed.concreteClass = "C90/105";
        typed.transferAge = 2;
        typed.cement = eurocode::CementClass::S;
        typed.fckT = 35.5;
        typed.k6 = 0.7;
        typed.k1 = 0.45;
        typed.noTensionAtTransfer = typed.noTensionInService = true;
        const StressBasis stresses[] = {
            CustomStressBasis{},
            MbTableBasis{55, ServiceCompressionRow::Row112, ServiceTensionRow::Row212},
            ConcreteENBasis{},
            typed,
        };
        for (const StressBasis& b : stresses) {
            StressBasis back;
            QString error;
            QVERIFY2(ui::readBasis(ui::basisObject(b), back, error), qPrintable(error));
            QVERIFY(back == b);
        }
        const CableBasis cables[] = {
            CustomCableBasis{},
            ImsCableBasis{"JU", 0.92},
            StrandTendonBasis{"Y1770S7 15.7", 55, 0.7, 0.8, "70.25"},
        };
        for (const CableBasis& b : cables) {
            CableBasis back;
            QString error;
            QVERIFY2(ui::readBasis(ui::basisObject(b), "70.25", back, error), qPrintable(error));
            QVERIFY(back == b);
        }
    }

    void refused_data() {
        QTest::addColumn<bool>("stress");
        QTest::addColumn<QString>("json");
        QTest::addColumn<QString>("fault");
        QTest::newRow("not an object") << true << "" << "nije objekat.";
        QTest::newRow("no kind") << true << R"({"marka": 40})" << "nedostaje \"vrsta\".";
        QTest::newRow("unknown kind") << false << R"({"vrsta": "BBRV"})" << "nepoznata vrsta \"BBRV\".";
        QTest::newRow("MB25") << true << R"({"vrsta": "tablica MB", "marka": 25, "pritisak": "1.11", "zatezanje": "2.11"})"
                              << "nepoznata marka betona.";
        QTest::newRow("row 1.13 for the service") << true
                                                  << R"({"vrsta": "tablica MB", "marka": 40, "pritisak": "1.13", "zatezanje": "2.11"})"
                                                  << "nepoznat red pritiska.";
        QTest::newRow("a class Table 3.1 lacks")
            << true
            << R"({"vrsta": "SRPS EN 1992-1-1", "klasa": "C12/15", "starostPriPrenosu": 7, "cement": "N", "k6": 0.6, "k1": 0.6, "GbzoNula": false, "GbzbesNula": false})"
            << "nepoznata klasa betona.";
        QTest::newRow("k6 as text")
            << true
            << R"({"vrsta": "SRPS EN 1992-1-1", "klasa": "C40/50", "starostPriPrenosu": 7, "cement": "N", "k6": "0.6", "k1": 0.6, "GbzoNula": false, "GbzbesNula": false})"
            << "\"k6\" nije broj.";
        QTest::newRow("age of half a day")
            << true
            << R"({"vrsta": "SRPS EN 1992-1-1", "klasa": "C40/50", "starostPriPrenosu": 7.5, "cement": "N", "k6": 0.6, "k1": 0.6, "GbzoNula": false, "GbzbesNula": false})"
            << "\"starostPriPrenosu\" nije ceo broj.";
        QTest::newRow("cement X")
            << true
            << R"({"vrsta": "SRPS EN 1992-1-1", "klasa": "C40/50", "starostPriPrenosu": 7, "cement": "X", "k6": 0.6, "k1": 0.6, "GbzoNula": false, "GbzbesNula": false})"
            << "nepoznata klasa cementa.";
        QTest::newRow("no k1")
            << true
            << R"({"vrsta": "SRPS EN 1992-1-1", "klasa": "C40/50", "starostPriPrenosu": 7, "cement": "N", "k6": 0.6, "GbzoNula": false, "GbzbesNula": false})"
            << "nedostaje \"k1\".";
        QTest::newRow("type Z") << false << R"({"vrsta": "IMS", "tip": "Z", "k": 0.8})" << "nepoznat tip kabla.";
        QTest::newRow("a strand EN 10138-3 lacks")
            << false << R"({"vrsta": "EN 10138-3", "uze": "Y2060S7 15.7", "brojUzadi": 12, "k7": 0.75, "k8": 0.85})"
            << "nepoznato uze.";
        QTest::newRow("a count past int")
            << false << R"({"vrsta": "EN 10138-3", "uze": "Y1860S7 15.7", "brojUzadi": 1e300, "k7": 0.75, "k8": 0.85})"
            << "\"brojUzadi\" nije ceo broj.";
        QTest::newRow("a member more") << false << R"({"vrsta": "proizvoljno", "Fk": 4})" << "nepoznat podatak \"Fk\".";
    }

    // A malformed basis names its fault; the file reader refuses the file with it.
    void refused() {
        QFETCH(bool, stress);
        QFETCH(QString, json);
        QFETCH(QString, fault);
        const QJsonValue value = json.isEmpty() ? QJsonValue(3) : parsed(json.toUtf8().constData());
        QString error;
        StressBasis s;
        CableBasis c;
        QVERIFY(!(stress ? ui::readBasis(value, s, error) : ui::readBasis(value, "", c, error)));
        QCOMPARE(error, QString("Osnova %1 nije ispravno zapisana: ").arg(stress ? "napona" : "kabla") + fault);
    }
};

QTEST_GUILESS_MAIN(MaterialBasisFileTest)
#include "MaterialBasisFileTest.moc"
