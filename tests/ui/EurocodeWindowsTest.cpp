#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "MessageBoxAnswerer.h"
#include "ui/frmPocetniParametriProracuna.h"

using core::Field;
using ui::frmPocetniParametriProracuna;

namespace {

constexpr const char* kConcrete = "mnuDefinisiBetonEN";
constexpr const char* kStrands = "mnuDefinisiUzadEN";

QWidget* control(QWidget* w, const QString& name) {
    auto* c = w->findChild<QWidget*>(name);
    if (!c) qFatal("no control %s in %s", qPrintable(name), qPrintable(w->objectName()));
    return c;
}

// Each setting chooses an item ("cboUze=Y1860S7 12.5"), retypes a field as a
// user does ("txtK6=0.7") or clicks a control ("chkGbz0Nula").
void apply(QWidget* w, const QStringList& settings) {
    for (const QString& setting : settings) {
        const QString name = setting.section('=', 0, 0), value = setting.section('=', 1);
        QWidget* c = control(w, name);
        if (auto* box = qobject_cast<QComboBox*>(c)) {
            box->setCurrentText(value);
        } else if (auto* field = qobject_cast<QLineEdit*>(c)) {
            w->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(w));
            field->setFocus();
            field->selectAll();
            QTest::keyClicks(field, value);
        } else {
            QTest::mouseClick(c, Qt::LeftButton);
        }
    }
}

QString text(QWidget* w, const char* name) { return qobject_cast<QLineEdit*>(control(w, name))->text(); }

// Runs `steps` in the window the menu item opens, once it is the active modal window.
void inWindow(frmPocetniParametriProracuna& main, const char* item, const std::function<void(QWidget*)>& steps) {
    bool ran = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (ran || !w || qobject_cast<QMessageBox*>(w)) return;
        ran = true;
        steps(w);
        if (w->isVisible()) w->close();  // a failed step leaves nothing open
    });
    poll.start(5);
    main.findChild<QAction*>(item)->trigger();
    QVERIFY2(ran, item);
}

QStringList mainTexts(frmPocetniParametriProracuna& main, std::initializer_list<Field> fields) {
    QStringList texts;
    for (Field f : fields) texts << QString::fromStdString(main.fields().text(f));
    return texts;
}

const std::initializer_list<Field> kStresses = {Field::Gbd0, Field::Gbz0, Field::Gbdbes, Field::Gbzbes};
const std::initializer_list<Field> kCable = {Field::Fk, Field::Gk0, Field::Ek};

}  // namespace

class EurocodeWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void items() {
        frmPocetniParametriProracuna main;
        QStringList captions;
        for (QAction* a : main.findChild<QMenu*>("mnuDefinisi")->actions()) {
            captions << (a->isSeparator() ? QString("-") : a->objectName() + " " + a->text());
        }
        QCOMPARE(captions, (QStringList{"mnuDefinisiDopusteniNaponiUBetonu Dopusteni naponi u betonu",
                                        "mnuDefinisiVrstaKablova Vrsta kablova", "-",
                                        "mnuDefinisiBetonEN Beton prema SRPS EN 1992-1-1...",
                                        "mnuDefinisiUzadEN Kablovi od uzadi prema EN 10138...",
                                        "mnuDefinisiGubici Gubici sile i koeficijent m..."}));
    }

    void writes_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QStringList>("shown");    // name=text of shown values before "U redu"
        QTest::addColumn<QStringList>("written");  // Gbd0, Gbz0, Gbdbes, Gbzbes or Fk, Gk0, ek
        QTest::newRow("C40/50 at 7 days, cement N")
            << kConcrete << QStringList{"cboKlasaBetona=C40/50", "txtStarostPriPrenosu=7", "optCementN"}
            << QStringList{"txtFcm=48",          "txtFctm=3.509",           "txtEcm=35.22",
                           "txtBetaCc=0.7788",   "txtFcmT=37.38",           "txtFckT=29.38",
                           "txtFctmT=2.733",     "txtGbd0Izracunato=17.63", "txtGbd0Usvojeno=17.62"}
            << QStringList{"17.62", "2.73", "24", "3.5"};
        QTest::newRow("fck(t) = 35 from tests: fctm 3.20996 written 3.2")
            << kConcrete << QStringList{"chkFckTZadato", "txtFckT=35", "txtStarostPriPrenosu=2"}
            << QStringList{"txtFcmT=43", "txtFctmT=3.21", "txtBetaCc="} << QStringList{"21", "3.2", "24", "3.5"};
        QTest::newRow("C60/75 from 28 days, no tension, k1 0.45, cement R")
            << kConcrete
            << QStringList{"cboKlasaBetona=C60/75", "optCementR", "txtK1=0.45", "chkGbz0Nula", "chkGbzBesNula"}
            << QStringList{"txtFctm=4.355", "txtFckT=60", "txtGbz0Izracunato=0"} << QStringList{"36", "0", "27", "0"};
        QTest::newRow("12 strands 15.7") << kStrands << QStringList{"txtEkscentricitet=70"}
                                         << QStringList{"txtFp01k=1640", "txtSigmaPm0=1394", "txtSigmaPMax=1476"}
                                         << QStringList{"18", "1394", "70"};
        QTest::newRow("19 strands 15.2, ek kept")
            << kStrands << QStringList{"cboUze=Y1860S7 15.2", "txtBrojUzadi=19"} << QStringList{"txtAp=139"}
            << QStringList{"26.41", "1394", "75.5"};
        QTest::newRow("7 strands 12.5") << kStrands << QStringList{"cboUze=Y1860S7 12.5", "txtBrojUzadi=7"}
                                        << QStringList{"txtSigmaPm0=1389"} << QStringList{"6.51", "1389", "75.5"};
        QTest::newRow("Y1770S7, k7 0.7") << kStrands << QStringList{"cboUze=Y1770S7 15.7", "txtK7=0,7"}
                                         << QStringList{"txtGko=1239"} << QStringList{"18", "1239", "75.5"};
    }

    // Every value is shown as the user types, before "U redu" writes the fields.
    void writes() {
        QFETCH(QString, item);
        QFETCH(QStringList, settings);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, written);
        frmPocetniParametriProracuna main;
        MessageBoxAnswerer answerer;
        inWindow(main, qPrintable(item), [&](QWidget* w) {
            apply(w, settings);
            for (const QString& s : shown) QCOMPARE(s.section('=', 0, 0) + "=" + text(w, qPrintable(s.section('=', 0, 0))), s);
            apply(w, {"cmdURedu"});
            QVERIFY(!w->isVisible());
        });
        QCOMPARE(answerer.texts(), QStringList{});
        QCOMPARE(mainTexts(main, item == kConcrete ? kStresses : kCable), written);
    }

    void refuses_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focused");
        const QString age = "Polje -Starost pri prenosu- mora biti ceo broj dana, najmanje 4 "
                            "(za 3 dana i manje fck(t) se odredjuje ispitivanjem i zadaje) !";
        QTest::newRow("3 days") << kConcrete << QStringList{"txtStarostPriPrenosu=3"} << age << "txtStarostPriPrenosu";
        QTest::newRow("0 days with fck(t) typed")
            << kConcrete << QStringList{"chkFckTZadato", "txtStarostPriPrenosu=0"}
            << "Polje -Starost pri prenosu- mora biti ceo broj dana, najmanje 1 !" << "txtStarostPriPrenosu";
        QTest::newRow("fck(t) above fck") << kConcrete << QStringList{"chkFckTZadato", "txtFckT=40.5"}
                                          << "Polje -fck(t)- mora imati vrednost vecu od 0, najvise fck = 40 MPa !"
                                          << "txtFckT";
        QTest::newRow("k6 above 1") << kConcrete << QStringList{"txtK6=1.01"}
                                    << "Polje -k6- mora imati vrednost vecu od 0, najvise 1 !" << "txtK6";
        QTest::newRow("k1 zero") << kConcrete << QStringList{"txtK1=0"}
                                 << "Polje -k1- mora imati vrednost vecu od 0, najvise 1 !" << "txtK1";
        QTest::newRow("56 strands") << kStrands << QStringList{"txtBrojUzadi=56"}
                                    << "Polje -Broj uzadi- mora biti ceo broj od 1 do 55 !" << "txtBrojUzadi";
        QTest::newRow("no strand") << kStrands << QStringList{"txtBrojUzadi=0"}
                                   << "Polje -Broj uzadi- mora biti ceo broj od 1 do 55 !" << "txtBrojUzadi";
        QTest::newRow("k8 zero") << kStrands << QStringList{"txtK8=0"}
                                 << "Polje -k8- mora imati vrednost vecu od 0, najvise 1 !" << "txtK8";
        QTest::newRow("ek below the bottom edge")
            << kStrands << QStringList{"txtEkscentricitet=85.01"}
            << "Ekscentricitet kablova ne moze imati vecu vrednost od Yb1 !" << "txtEkscentricitet";
    }

    // A refused input writes nothing and leaves the user in its field.
    void refuses() {
        QFETCH(QString, item);
        QFETCH(QStringList, settings);
        QFETCH(QString, message);
        QFETCH(QString, focused);
        frmPocetniParametriProracuna main;
        const QStringList before = mainTexts(main, item == kConcrete ? kStresses : kCable);
        MessageBoxAnswerer answerer;
        inWindow(main, qPrintable(item), [&](QWidget* w) {
            apply(w, settings);
            apply(w, {"cmdURedu"});
            QVERIFY(w->isVisible());
            QCOMPARE(w->focusWidget()->objectName(), focused);
            if (focused == "txtEkscentricitet") QCOMPARE(text(w, "txtEkscentricitet"), QString("0"));
        });
        QCOMPARE(answerer.texts(), QStringList{message});
        QCOMPARE(answerer.seen[0].title, QString("Upozorenje !"));
        QCOMPARE(mainTexts(main, item == kConcrete ? kStresses : kCable), before);
    }

    void keepsItsChoices_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("accepted");
        QTest::addColumn<QStringList>("cancelled");
        QTest::addColumn<QString>("field");  // a field that shows the choice
        QTest::addColumn<QString>("shown");
        QTest::newRow("concrete") << kConcrete << QStringList{"cboKlasaBetona=C50/60", "txtStarostPriPrenosu=10"}
                                  << QStringList{"cboKlasaBetona=C20/25", "txtK6=0.7"} << "txtGbd0Usvojeno"
                                  << "24.6";
        QTest::newRow("strands") << kStrands << QStringList{"cboUze=Y1860S7 12.9", "txtBrojUzadi=4"}
                                 << QStringList{"cboUze=Y1860S7 15.3", "txtBrojUzadi=9"} << "txtFk" << "4";
    }

    // The window is hidden, not closed: "Odustani" writes nothing and puts
    // back what the window showed when it opened, for its next showing.
    void keepsItsChoices() {
        QFETCH(QString, item);
        QFETCH(QStringList, accepted);
        QFETCH(QStringList, cancelled);
        QFETCH(QString, field);
        QFETCH(QString, shown);
        frmPocetniParametriProracuna main;
        inWindow(main, qPrintable(item), [&](QWidget* w) { apply(w, accepted + QStringList{"cmdURedu"}); });
        const QStringList written = mainTexts(main, item == kConcrete ? kStresses : kCable);
        inWindow(main, qPrintable(item), [&](QWidget* w) { apply(w, cancelled + QStringList{"cmdOdustani"}); });
        QCOMPARE(mainTexts(main, item == kConcrete ? kStresses : kCable), written);
        inWindow(main, qPrintable(item), [&](QWidget* w) {
            QCOMPARE(text(w, qPrintable(field)), shown);
            w->close();  // the close box is "Odustani" too
        });
    }
};

QTEST_MAIN(EurocodeWindowsTest)
#include "EurocodeWindowsTest.moc"
