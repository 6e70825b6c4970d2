#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "MessageBoxAnswerer.h"
#include "ui/frmPocetniParametriProracuna.h"

using core::Field;
using ui::frmPocetniParametriProracuna;

namespace {

// Runs the steps inside frmGubici once the command has brought it up; false
// when it never came up.
bool inLossWindow(const std::function<void(QWidget*)>& steps, const std::function<void()>& command) {
    bool opened = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || w->objectName() != "frmGubici" || opened) return;
        opened = true;
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w)) qWarning("frmGubici is not the active window");
        steps(w);
        if (w->isVisible()) w->close();  // a failed step leaves nothing waiting
    });
    poll.start(5);
    command();
    return opened;
}

template <typename T>
T* child(QWidget* w, const QString& name) {
    T* c = w->findChild<T*>(name);
    if (!c) qFatal("no control %s", qPrintable(name));
    return c;
}

QString text(QWidget* w, const QString& name) { return child<QLineEdit>(w, name)->text(); }

// Replaces a typed field's text the way a user does: select all and type.
void retype(QWidget* w, const QString& name, const QString& typed) {
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w)) qWarning("frmGubici is not active");
    auto* f = child<QLineEdit>(w, name);
    f->setFocus();
    f->selectAll();
    QTest::keyClicks(f, typed);
}

// A user's changes in the window: a choice of class, options clicked, texts typed.
struct Changes {
    QString concreteClass;
    QStringList clicked;
    QList<std::pair<QString, QString>> typed;  // field, text
};

void make(QWidget* w, const Changes& c) {
    if (!c.concreteClass.isEmpty()) child<QComboBox>(w, "cboKlasaBetona")->setCurrentText(c.concreteClass);
    for (const QString& name : c.clicked) QTest::mouseClick(child<QRadioButton>(w, name), Qt::LeftButton);
    for (const auto& [field, typed] : c.typed) retype(w, field, typed);
}

using MainTexts = QList<std::pair<Field, QString>>;
using Shown = QList<std::pair<QString, double>>;  // field, value worked out independently

void setMain(frmPocetniParametriProracuna& main, const MainTexts& texts) {
    for (const auto& [field, t] : texts) main.fields().setText(field, t.toStdString());
}

QString mainM(frmPocetniParametriProracuna& main) { return QString::fromStdString(main.fields().text(Field::M)); }

}  // namespace

Q_DECLARE_METATYPE(Changes)
Q_DECLARE_METATYPE(MainTexts)
Q_DECLARE_METATYPE(Shown)

class frmGubiciTest : public QObject {
    Q_OBJECT
private slots:
    // The values are those of the core's losses test, worked by hand in mm and N;
    // the window shows six significant digits.
    void showsAndWrites_data() {
        QTest::addColumn<MainTexts>("design");
        QTest::addColumn<Changes>("changes");
        QTest::addColumn<QStringList>("prefilled");  // RH, t0, u, M_QP, n, Ep, fpk; none: not compared
        QTest::addColumn<Shown>("shown");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("shownWritten");  // what the window says "U redu" writes
        QTest::addColumn<QString>("written");
        const MainTexts other{{Field::B, "100"}, {Field::B1, "60"},  {Field::B2, "80"},   {Field::D1, "20"},
                              {Field::D2, "15"}, {Field::D3, "18"},  {Field::Ek, "50"},   {Field::Fk, "6.51"},
                              {Field::Gk0, "1100"}, {Field::Mg, "0"}, {Field::Mp, "0"}};
        const Changes typedAll{"C30/37",
                               {"optCementR", "optRelaksacija1"},
                               {{"txtVlaznost", "50"},
                                {"txtStarostPriOpterecenju", "7"},
                                {"txtObimSusenja", "400"},
                                {"txtMqp", "1500"},
                                {"txtBrojKablovaGubici", "8"},
                                {"txtEp", "205"},
                                {"txtFpk", "1770"}}};
        const Shown startup{{"txtH0", 157.4468085106383},         {"txtFi", 1.6071377828843814},
                            {"txtEpsCs", 0.00036847534216620753}, {"txtDeltaSigmaPr", 22.751062570399743},
                            {"txtP0", 2920.4232},                 {"txtSigmaCQP", 9.306436162970645},
                            {"txtDeltaSigmaP", 137.64018729318187}, {"txtDeltaP", 381.3734309519483},
                            {"txtM", 0.8694115870083663},         {"txtFck", 40}};
        const Shown typed{{"txtH0", 210},                       {"txtFi", 2.753613636947271},
                          {"txtEpsCs", 0.0006110292982122723},  {"txtDeltaSigmaPr", 178.0893577635008},
                          {"txtP0", 5728.8},                    {"txtSigmaCQP", 20.56739537245231},
                          {"txtDeltaSigmaP", 410.83043240235963}, {"txtDeltaP", 2139.6048919514888},
                          {"txtM", 0.6265177887251276},         {"txtFck", 30}};
        const QStringList startupPrefill{"70", "28", "470", "1972.7", "6", "195", "1860"};
        QTest::newRow("start-up design as prefilled, six cables") << MainTexts{} << Changes{} << startupPrefill
                                                                  << startup << "cmdURedu" << "0.86" << "0.86";
        QTest::newRow("cancel writes nothing") << MainTexts{} << Changes{} << startupPrefill << startup
                                               << "cmdOdustani" << "0.86" << "0.8";
        QTest::newRow("every input typed or chosen")
            << other << typedAll << QStringList{} << typed << "cmdURedu" << "0.62" << "0.62";
    }

    void showsAndWrites() {
        QFETCH(MainTexts, design);
        QFETCH(Changes, changes);
        QFETCH(QStringList, prefilled);
        QFETCH(Shown, shown);
        QFETCH(QString, button);
        QFETCH(QString, shownWritten);
        QFETCH(QString, written);
        frmPocetniParametriProracuna main;
        setMain(main, design);
        MessageBoxAnswerer answerer;
        const bool opened = inLossWindow(
            [&](QWidget* w) {
                QCOMPARE(w->windowTitle(), QString("Gubici sile prethodnog naprezanja"));
                QCOMPARE(child<QComboBox>(w, "cboKlasaBetona")->currentText(), QString("C40/50"));
                QVERIFY(child<QRadioButton>(w, "optCementN")->isChecked());
                QVERIFY(child<QRadioButton>(w, "optRelaksacija2")->isChecked());
                const QStringList inputs{"txtVlaznost", "txtStarostPriOpterecenju", "txtObimSusenja", "txtMqp",
                                         "txtBrojKablovaGubici", "txtEp", "txtFpk"};
                for (int i = 0; i < prefilled.size(); ++i) QCOMPARE(text(w, inputs[i]), prefilled[i]);
                make(w, changes);
                for (const auto& [field, value] : shown) {
                    bool number = false;
                    const double seen = text(w, field).toDouble(&number);
                    QVERIFY2(number && qAbs(seen - value) <= 5e-6 * qAbs(value), qPrintable(field));
                }
                QCOMPARE(text(w, "txtMUpisano"), shownWritten);
                QTest::mouseClick(child<QPushButton>(w, button), Qt::LeftButton);
                QVERIFY(!w->isVisible());
            },
            [&] { main.openGubici(); });
        QVERIFY(opened);
        QVERIFY(answerer.seen.isEmpty());
        QCOMPARE(mainM(main), written);
    }

    void refusals_data() {
        QTest::addColumn<MainTexts>("design");
        QTest::addColumn<Changes>("changes");
        QTest::addColumn<bool>("shownWhileRefused");
        QTest::addColumn<QString>("message");
        QTest::newRow("RH below 40") << MainTexts{} << Changes{{}, {}, {{"txtVlaznost", "39"}}} << false
                                     << "Relativna vlaznost RH mora imati vrednost izmedju 40 i 100 % !";
        QTest::newRow("no cables") << MainTexts{} << Changes{{}, {}, {{"txtBrojKablovaGubici", "0"}}} << false
                                   << "Broj kablova mora biti veci od nule !";
        QTest::newRow("loss not positive")
            << MainTexts{} << Changes{{}, {}, {{"txtMqp", "9000"}}} << true
            << "Gubitak sile prethodnog naprezanja nije veci od nule, koeficijent m se ne moze odrediti !";
        QTest::newRow("loss beyond the initial stress")
            << MainTexts{{Field::Gk0, "60"}}
            << Changes{{}, {}, {{"txtVlaznost", "40"}, {"txtMqp", "0"}, {"txtBrojKablovaGubici", "6"}}} << true
            << "Gubici sile ne ostavljaju koeficijent m veci od nule !";
        QTest::newRow("an empty field") << MainTexts{} << Changes{{}, {}, {{"txtEp", "\b"}}} << false
                                        << "Sva polja moraju biti popunjena !";
    }

    // The message says what was wrong, the window stays, and nothing is written.
    void refusals() {
        QFETCH(MainTexts, design);
        QFETCH(Changes, changes);
        QFETCH(bool, shownWhileRefused);
        QFETCH(QString, message);
        frmPocetniParametriProracuna main;
        setMain(main, design);
        MessageBoxAnswerer answerer;
        QVERIFY(inLossWindow(
            [&](QWidget* w) {
                make(w, changes);
                QCOMPARE(text(w, "txtM").isEmpty(), !shownWhileRefused);
                child<QPushButton>(w, "cmdURedu")->click();  // an empty field swallows a mouse click
                QCOMPARE(answerer.texts(), QStringList{message});
                QCOMPARE(answerer.seen[0].title, QString("Upozorenje !"));
                QVERIFY(w->isVisible());
                child<QPushButton>(w, "cmdOdustani")->click();
            },
            [&] { main.openGubici(); }));
        QCOMPARE(mainM(main), QString("0.8"));
    }

    // The inputs that gave m open the window again, until the user types an m.
    void inputsStayWithTheDesignUntilMIsTyped() {
        frmPocetniParametriProracuna main;
        MessageBoxAnswerer answerer;
        auto openedRH = [&](const QString& typed) {
            QString seen;
            inLossWindow(
                [&](QWidget* w) {
                    seen = text(w, "txtVlaznost") + " " + text(w, "txtBrojKablovaGubici");
                    if (!typed.isEmpty()) make(w, {{}, {}, {{"txtVlaznost", typed}, {"txtBrojKablovaGubici", "7"}}});
                    child<QPushButton>(w, typed.isEmpty() ? "cmdOdustani" : "cmdURedu")->click();
                },
                [&] { main.openGubici(); });
            return seen;
        };
        QCOMPARE(openedRH("50"), QString("70 6"));
        QCOMPARE(openedRH(""), QString("50 7"));
        auto* m = main.findChild<QLineEdit*>("txtKoeficijentEfikasnostiPN");
        main.activateWindow();
        m->setFocus();
        m->selectAll();
        QTest::keyClicks(m, "0.7");
        QCOMPARE(openedRH(""), QString("70 7"));  // the count stays the design's adopted one
        QVERIFY(answerer.seen.isEmpty());
    }

    void menuItemRunsTheChecksOfKablovi_data() {
        QTest::addColumn<MainTexts>("design");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("opens");
        QTest::newRow("start-up design") << MainTexts{} << QStringList{} << true;
        QTest::newRow("empty b") << MainTexts{{Field::B, ""}}
                                 << QStringList{"Vrednosti polja d3 i b moraju biti razlicita od nule !"} << false;
        QTest::newRow("m above 1") << MainTexts{{Field::M, "1.5"}}
                                   << QStringList{"Koeficijent efikasnosti prethodnog naprezanja moze imati "
                                                  "vrednost izmedju 0 i 1 !"}
                                   << false;
    }

    void menuItemRunsTheChecksOfKablovi() {
        QFETCH(MainTexts, design);
        QFETCH(QStringList, messages);
        QFETCH(bool, opens);
        frmPocetniParametriProracuna main;
        setMain(main, design);
        const QList<QAction*> items = main.findChild<QMenu*>("mnuDefinisi")->actions();
        QAction* item = items.last();
        QCOMPARE(item->objectName(), QString("mnuDefinisiGubici"));
        QCOMPARE(item->text(), QString("Gubici sile i koeficijent m..."));
        MessageBoxAnswerer answerer;
        const bool opened = inLossWindow([](QWidget* w) { child<QPushButton>(w, "cmdOdustani")->click(); },
                                         [&] { item->trigger(); });
        QCOMPARE(opened, opens);
        QCOMPARE(answerer.texts(), messages);
    }
};

QTEST_MAIN(frmGubiciTest)
#include "frmGubiciTest.moc"
