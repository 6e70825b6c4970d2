#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "MessageBoxAnswerer.h"
#include "ui/frmPocetniParametriProracuna.h"

using ui::frmPocetniParametriProracuna;

namespace {

template <typename T>
T* child(QWidget* w, const QString& name) {
    T* c = w->findChild<T*>(name);
    if (!c) qFatal("no control %s", qPrintable(name));
    return c;
}

QString text(QWidget* w, const QString& name) { return child<QLineEdit>(w, name)->text(); }
QString label(QWidget* w, const QString& name) { return child<QLabel>(w, name)->text(); }

// Replaces a field's text key by key, as a user types it.
void retype(QWidget* w, const QString& name, const QString& typed) {
    auto* f = child<QLineEdit>(w, name);
    f->setFocus();
    f->selectAll();
    QTest::keyClick(f, Qt::Key_Backspace);
    QTest::keyClicks(f, typed);
}

// Runs the steps in the bending window opened from its menu item; the steps close it.
bool inWindow(frmPocetniParametriProracuna& main, const std::function<void(QWidget*)>& steps) {
    bool opened = false;
    QTimer::singleShot(0, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || w->objectName() != "frmNosivostNaSavijanje") return;
        opened = true;
        steps(w);
        if (w->isVisible()) w->close();  // a failed step never leaves the test waiting
    });
    main.findChild<QAction*>("mnuProracunNosivostNaSavijanje")->trigger();
    return opened;
}

// The start-up section (I, b2 x d2 = 40 x 23, d3 = 15), m = 0.8, Gko = 1054,
// Fk = 4.618, dp = yb2 + ek = 85 + 75.5 = 160.5 cm; with C40/50 and Y1860
// strands fcd = 40 / 1.5 = 26.667, fpd = 1640 / 1.15 = 1426.09 MPa.
// 6 cables (the smallest admissible whole count: 2477.04 / 486.74 = 5.09):
//   Ap fpd = 27.708 x 142.609 = 3951.40 kN, Ac = 3951.40 / 2.6667 = 1481.78 cm2
//   > 40 x 23 = 920, so lambda x = 23 + 561.78 / 15 = 60.452, x = 75.565 cm;
//   eps_p = 0.8 x 1054 / 195000 + 0.0035 x 85.0 / 75.565 = 0.008258 > 0.007313,
//   z_c = (920 x 11.5 + 561.78 x 41.726) / 1481.78 = 22.959, z = 137.541,
//   MRd = 3951.40 x 1.37541 = 5434.78 kNm.
// 1 cable: Ac = 246.963 cm2 in the flange, lambda x = 6.1741, x = 7.7176,
//   z = 160.5 - 3.0870 = 157.413, MRd = 658.567 x 1.57413 = 1036.67 kNm.
struct Case {
    const char* name;
    QList<QPair<QString, QString>> typed;
    QString MRd, x, verdict, note;
};

}  // namespace

Q_DECLARE_METATYPE(Case)

class frmNosivostNaSavijanjeTest : public QObject {
    Q_OBJECT

private slots:
    void lastItemOfProracun() {
        frmPocetniParametriProracuna main;
        QAction* last = main.findChild<QMenu*>("mnuProracun")->actions().last();
        QCOMPARE(last->objectName(), QString("mnuProracunNosivostNaSavijanje"));
        QCOMPARE(last->text(), QString("Nosivost na savijanje"));
    }

    // The same messages as "Kablovi" gives, and no window.
    void opensAfterTheChecksOfKablovi() {
        frmPocetniParametriProracuna main;
        main.fields().setText(core::Field::Fk, "");
        QStringList kablovi;
        {
            MessageBoxAnswerer answerer;
            main.openKablovi();
            kablovi = answerer.texts();
        }
        main.fields().setText(core::Field::Fk, "");
        MessageBoxAnswerer answerer;
        QVERIFY(!inWindow(main, [](QWidget*) {}));
        QVERIFY(!kablovi.isEmpty());
        QCOMPARE(answerer.texts(), kablovi);
    }

    void prefilledFromTheDesign() {
        frmPocetniParametriProracuna main;
        QVERIFY(inWindow(main, [](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("Granicno stanje nosivosti - savijanje"));
            const QStringList names{"txtMEd", "txtBrojKablovaNosivost", "txtFck", "txtAlfaCC", "txtGamaC",
                                    "txtGamaS", "txtFp01k", "txtFpk", "txtEp", "txtEpsUd", "txtAp", "txtDp"};
            QStringList texts;
            for (const QString& n : names) texts << text(w, n);
            // 1.35 x (617.51 + 1355.19) + 1.5 x 567.71; strengths unknown on the start-up basis
            QCOMPARE(texts, (QStringList{"3514.71", "6", "", "1", "1.5", "1.15", "", "", "195", "0.02", "27.708",
                                         "160.5"}));
            QVERIFY(child<QRadioButton>(w, "optGranaHorizontalna")->isChecked());
            QVERIFY(!child<QLineEdit>(w, "txtEpsUd")->isEnabled());
            QVERIFY(label(w, "lblMekaArmatura").startsWith("Meka armatura se ne uzima u obzir"));
        }));
    }

    void shownAsTyped_data() {
        QTest::addColumn<Case>("c");
        const QList<QPair<QString, QString>> en{{"txtFck", "40"}, {"txtFp01k", "1640"}, {"txtFpk", "1860"}};
        const Case cases[] = {
            {"nothing typed", {}, "", "", "",
             "Nisu poznate vrednosti fck, fp0.1k i fpk: MRd se ne moze izracunati."},
            {"fck only", {{"txtFck", "40"}}, "", "", "",
             "Nisu poznate vrednosti fp0.1k i fpk: MRd se ne moze izracunati."},
            {"6 cables, the block in the web", en, "5434.78", "75.5646", "zadovoljava", ""},
            {"1 cable, the block in the flange", en + QList<QPair<QString, QString>>{{"txtBrojKablovaNosivost", "1"}},
             "1036.67", "7.71758", "ne zadovoljava", ""},
            {"a typed MEd above MRd", en + QList<QPair<QString, QString>>{{"txtMEd", "5500"}}, "5434.78", "75.5646",
             "ne zadovoljava", ""},
            {"a typed MEd at MRd", en + QList<QPair<QString, QString>>{{"txtMEd", "5434.78"}}, "5434.78", "75.5646",
             "zadovoljava", ""},
            {"gamma_c below 1", en + QList<QPair<QString, QString>>{{"txtGamaC", "0.5"}}, "", "", "",
             "Polje -gamma_c- mora imati vrednost najmanje 1 !"},
            {"no cables", en + QList<QPair<QString, QString>>{{"txtBrojKablovaNosivost", "0"}}, "", "", "",
             "Polje -Broj kablova- mora biti ceo broj, najmanje 1 !"},
        };
        for (const Case& c : cases) QTest::newRow(c.name) << c;
    }

    void shownAsTyped() {
        QFETCH(Case, c);
        frmPocetniParametriProracuna main;
        QVERIFY(inWindow(main, [&](QWidget* w) {
            for (const auto& [name, typed] : c.typed) retype(w, name, typed);
            QCOMPARE(text(w, "txtMRd"), c.MRd);
            QCOMPARE(text(w, "txtX"), c.x);
            QCOMPARE(label(w, "lblNosivostVerdikt"), c.verdict);
            QCOMPARE(label(w, "lblNosivostNapomena"), c.note);
            if (!c.MRd.isEmpty()) QCOMPARE(label(w, "lblTecenje"), QString("tecenje"));
        }));
    }

    void inclinedBranchUsesEpsUd() {
        frmPocetniParametriProracuna main;
        QVERIFY(inWindow(main, [](QWidget* w) {
            for (const auto& [name, typed] : {std::pair{"txtFck", "40"}, {"txtFp01k", "1640"}, {"txtFpk", "1860"}})
                retype(w, name, typed);
            const double horizontal = text(w, "txtMRd").toDouble();
            QTest::mouseClick(child<QRadioButton>(w, "optGranaKosa"), Qt::LeftButton);
            QVERIFY(child<QLineEdit>(w, "txtEpsUd")->isEnabled());
            const double inclined = text(w, "txtMRd").toDouble();
            QVERIFY(inclined > horizontal);
            retype(w, "txtEpsUd", "0.007");  // below fpd / Ep
            QCOMPARE(label(w, "lblNosivostNapomena"),
                     QString("Polje -eps_ud- mora imati vrednost vecu od fpd / Ep = 0.007313 !"));
        }));
    }

    // "U redu" keeps the inputs for the next opening, "Odustani" forgets what was typed.
    void keptOrForgotten() {
        frmPocetniParametriProracuna main;
        QVERIFY(inWindow(main, [](QWidget* w) {
            retype(w, "txtFck", "45");
            retype(w, "txtMEd", "4000");
            child<QPushButton>(w, "cmdURedu")->click();
        }));
        QVERIFY(inWindow(main, [](QWidget* w) {
            QCOMPARE(text(w, "txtFck"), QString("45"));
            QCOMPARE(text(w, "txtMEd"), QString("4000"));
            retype(w, "txtFck", "30");
            child<QPushButton>(w, "cmdOdustani")->click();
        }));
        QVERIFY(inWindow(main, [](QWidget* w) {
            QCOMPARE(text(w, "txtFck"), QString("45"));
            retype(w, "txtBrojKablovaNosivost", "7");
            child<QPushButton>(w, "cmdURedu")->click();
        }));
        QVERIFY(inWindow(main, [](QWidget* w) { QCOMPARE(text(w, "txtBrojKablovaNosivost"), QString("7")); }));
        {
            MessageBoxAnswerer discard(QMessageBox::No);  // the changed design is not saved
            main.findChild<QAction*>("mnuDatotekaNovi")->trigger();  // a new design is not checked in bending
            QCOMPARE(discard.texts(), QStringList{"Sacuvati izmene u projektu ?"});
        }
        QVERIFY(inWindow(main, [](QWidget* w) {
            QCOMPARE(text(w, "txtFck"), QString());
            QCOMPARE(text(w, "txtBrojKablovaNosivost"), QString("6"));
        }));
    }

    void refusedInputKeepsTheWindowOpen() {
        frmPocetniParametriProracuna main;
        QVERIFY(inWindow(main, [](QWidget* w) {
            retype(w, "txtAlfaCC", "1.2");
            MessageBoxAnswerer answerer;
            child<QPushButton>(w, "cmdURedu")->click();
            QTRY_COMPARE(answerer.seen.size(), 1);
            QCOMPARE(answerer.seen[0].text, QString("Polje -alpha_cc- mora imati vrednost vecu od 0, najvise 1 !"));
            QVERIFY(w->isVisible());
            QCOMPARE(w->focusWidget(), child<QLineEdit>(w, "txtAlfaCC"));
        }));
    }
};

QTEST_MAIN(frmNosivostNaSavijanjeTest)
#include "frmNosivostNaSavijanjeTest.moc"
