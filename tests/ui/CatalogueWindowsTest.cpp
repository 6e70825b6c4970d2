#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

#include "MessageBoxAnswerer.h"
#include "ui/frmPocetniParametriProracuna.h"

using core::Field;
using ui::frmPocetniParametriProracuna;

namespace {

struct Stage {
    const char* window;
    std::function<void(QWidget*)> steps;
};

// Runs each stage's steps inside its modal window as the command brings the
// windows up one after the other, and returns when the command has returned.
void inWindows(const std::vector<Stage>& stages, const std::function<void()>& command) {
    size_t next = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (QTest::currentTestFailed()) {  // close what a failed step left open
            if (w) w->close();
            return;
        }
        if (next >= stages.size() || !w || w->objectName() != stages[next].window) return;
        const Stage& stage = stages[next++];
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w)) qWarning("%s is not the active window", stage.window);
        stage.steps(w);
    });
    poll.start(5);
    command();
    QCOMPARE(next, stages.size());
}

template <typename T>
T* child(QWidget* w, const char* name) {
    T* c = w->findChild<T*>(name);
    if (!c) qFatal("no control %s in %s", name, qPrintable(w->objectName()));
    return c;
}

QString text(QWidget* w, const char* name) { return child<QLineEdit>(w, name)->text(); }

void click(QWidget* w, const char* name) { QTest::mouseClick(child<QAbstractButton>(w, name), Qt::LeftButton); }

bool checked(QWidget* w, const char* name) { return child<QAbstractButton>(w, name)->isChecked(); }

// Replaces a typed field's text the way a user does: select all and type.
void retype(QWidget* w, const char* name, const QString& typed) {
    // A closed message box leaves no window active on the offscreen platform.
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w)) qWarning("%s is not active", qPrintable(w->objectName()));
    auto* f = child<QLineEdit>(w, name);
    f->setFocus();
    f->selectAll();
    QTest::keyClicks(f, typed);
}

QString mainText(frmPocetniParametriProracuna& main, Field f) { return QString::fromStdString(main.fields().text(f)); }

}  // namespace

class CatalogueWindowsTest : public QObject {
    Q_OBJECT

    void openStresses(frmPocetniParametriProracuna& main, const std::function<void(QWidget*)>& steps,
                      const std::function<void(QWidget*)>& customSteps = {}) {
        std::vector<Stage> stages{{"frmDopusteniNaponUBetonu", steps}};
        if (customSteps) stages.push_back({"frmProizvoljanDopusteniNapon", customSteps});
        inWindows(stages, [&] { main.openDopusteniNaponiUBetonu(); });
    }
    void openCables(frmPocetniParametriProracuna& main, const std::function<void(QWidget*)>& steps,
                    const std::function<void(QWidget*)>& customSteps = {}) {
        std::vector<Stage> stages{{"frmVrstaKablova", steps}};
        if (customSteps) stages.push_back({"frmProizvoljanKabel", customSteps});
        inWindows(stages, [&] { main.openVrstaKablova(); });
    }

private slots:
    void stressChoiceWritesCellTexts_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("written");  // Gbdbes, Gbd0, Gbzbes, Gbz0
        QTest::newRow("fresh window unchanged: MB30") << QStringList{} << QStringList{"13.0", "15.0", "1.5", "2.5"};
        QTest::newRow("MB40, 1.12, 2.12")
            << QStringList{"optMB40", "optIvicniPritisak112", "optIvicnoZatezanje212"}
            << QStringList{"14.0", "19.5", "0.0", "3"};
    }

    void stressChoiceWritesCellTexts() {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, written);
        frmPocetniParametriProracuna main;
        openStresses(main, [&](QWidget* w) {
            QVERIFY(checked(w, "optMB30") && checked(w, "optIvicniPritisak111") && checked(w, "optIvicnoZatezanje211"));
            QVERIFY(checked(w, "chkIvicniPritisak113") && checked(w, "chkIvicnoZatezanje22"));
            QVERIFY(!child<QRadioButton>(w, "optCentricniPritisak121")->isEnabled());
            for (const QString& c : clicks) click(w, c.toLatin1().constData());
            click(w, "cmdURedu");
        });
        QCOMPARE((QStringList{mainText(main, Field::Gbdbes), mainText(main, Field::Gbd0), mainText(main, Field::Gbzbes),
                              mainText(main, Field::Gbz0)}),
                 written);
    }

    void stressCancelSearchesTheTable_data() {
        QTest::addColumn<QString>("Gbdbes");
        QTest::addColumn<QString>("Gbzbes");
        QTest::addColumn<QString>("classOption");
        QTest::addColumn<QString>("compression");
        QTest::addColumn<QString>("tension");
        QTest::newRow("16 and 1.8 are MB40") << "16" << "1.8" << "optMB40" << "optIvicniPritisak111"
                                             << "optIvicnoZatezanje211";
        QTest::newRow("18.5 ends at 1.12 of MB60") << "18.5" << "7" << "optMB60" << "optIvicniPritisak112"
                                                   << "optIvicnoZatezanje212";
        QTest::newRow("Gbzbes 0 ends at MB30") << "18.5" << "0" << "optMB30" << "optIvicniPritisak112"
                                               << "optIvicnoZatezanje212";
        QTest::newRow("values in no cell change nothing") << "33" << "9" << "optMB45" << "optIvicniPritisak112"
                                                          << "optIvicnoZatezanje212";
    }

    // The choices persist across showings, and Cancel writes nothing.
    void stressCancelSearchesTheTable() {
        QFETCH(QString, Gbdbes);
        QFETCH(QString, Gbzbes);
        QFETCH(QString, classOption);
        QFETCH(QString, compression);
        QFETCH(QString, tension);
        frmPocetniParametriProracuna main;
        openStresses(main, [&](QWidget* w) {
            for (const char* c : {"optMB45", "optIvicniPritisak112", "optIvicnoZatezanje212"}) click(w, c);
            click(w, "cmdURedu");
        });
        main.fields().setText(Field::Gbdbes, Gbdbes.toStdString());
        main.fields().setText(Field::Gbzbes, Gbzbes.toStdString());
        openStresses(main, [&](QWidget* w) { click(w, "cmdOdustani"); });
        QCOMPARE(mainText(main, Field::Gbdbes), Gbdbes);
        QCOMPARE(mainText(main, Field::Gbd0), QString("21.2"));
        openStresses(main, [&](QWidget* w) {
            QVERIFY(checked(w, classOption.toLatin1().constData()));
            QVERIFY(checked(w, compression.toLatin1().constData()));
            QVERIFY(checked(w, tension.toLatin1().constData()));
            click(w, "cmdOdustani");
        });
    }

    void customStressesRefuseZeroCompression_data() {
        QTest::addColumn<QString>("Gbd0");
        QTest::addColumn<QString>("Gbdbes");
        QTest::addColumn<QString>("focused");  // empty when accepted
        QTest::newRow("both zero") << "0" << "0" << "txtGbd0Proizvoljno";
        QTest::newRow("service zero") << "19.5" << "0" << "txtGbdBesProizvoljno";
        QTest::newRow("tension zero is fine, leading zero kept") << "019.5" << "16" << "";
    }

    void customStressesRefuseZeroCompression() {
        QFETCH(QString, Gbd0);
        QFETCH(QString, Gbdbes);
        QFETCH(QString, focused);
        frmPocetniParametriProracuna main;
        main.fields().setText(Field::Gbzbes, "0.0");
        MessageBoxAnswerer answerer;
        openStresses(main, [&](QWidget* w) { click(w, "cmdProizvoljanNapon"); },
                     [&](QWidget* w) {
                         // Filled from the main window on showing.
                         QCOMPARE(text(w, "txtGbd0Proizvoljno"), QString("19.5"));
                         QCOMPARE(text(w, "txtGbzBesProizvoljno"), QString("0.0"));
                         retype(w, "txtGbd0Proizvoljno", Gbd0);
                         retype(w, "txtGbdBesProizvoljno", Gbdbes);
                         retype(w, "txtGbz0Proizvoljno", "0");
                         click(w, "cmdURedu");
                         if (focused.isEmpty()) return;
                         QCOMPARE(answerer.texts(), QStringList{"Dopusteni naponi pritiska nemogu imati vrednost nula !"});
                         QCOMPARE(answerer.seen[0].title, QString("Upozorenje !"));
                         QCOMPARE(w->focusWidget()->objectName(), focused);
                         QVERIFY(w->isVisible());
                         click(w, "cmdOdustani");
                     });
        if (focused.isEmpty()) {
            QVERIFY(answerer.seen.isEmpty());
            QCOMPARE(mainText(main, Field::Gbd0), Gbd0);
            QCOMPARE(mainText(main, Field::Gbdbes), Gbdbes);
            QCOMPARE(mainText(main, Field::Gbz0), QString("0"));
        } else {
            QCOMPARE(mainText(main, Field::Gbd0), QString("19.5"));
            QCOMPARE(mainText(main, Field::Gbdbes), QString("16"));
        }
    }

    // "Proizvoljan napon" discards the table window: its next showing starts at MB30.
    void customStressesDiscardTheTableChoices() {
        frmPocetniParametriProracuna main;
        openStresses(main, [&](QWidget* w) {
            click(w, "optMB55");
            click(w, "cmdURedu");
        });
        openStresses(main, [&](QWidget* w) {
            QVERIFY(checked(w, "optMB55"));
            click(w, "cmdProizvoljanNapon");
        }, [&](QWidget* w) { click(w, "cmdOdustani"); });
        openStresses(main, [&](QWidget* w) {
            QVERIFY(checked(w, "optMB30"));
            click(w, "cmdOdustani");
        });
    }

    void cableTypeCharacteristics_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("k");  // empty: the default 0.8
        QTest::addColumn<QString>("Fk");
        QTest::addColumn<QString>("G02");
        QTest::addColumn<QString>("Gko");
        QTest::addColumn<QString>("marked");
        QTest::newRow("A at once") << "" << "" << "1.178" << "1320" << "1122" << "lbl5";
        QTest::newRow("C4") << "optC4" << "" << "1.539" << "1240" << "1054" << "lbl7";
        QTest::newRow("C4, coefficient re-entered") << "optC4" << "0.8" << "1.539" << "1240" << "1054" << "lbl7";
        QTest::newRow("D, DU") << "optDDU" << "" << "4.618" << "1240" << "1054" << "lbl7";
        QTest::newRow("IU") << "optIU" << "" << "18.85" << "1160" << "986" << "lbl9";
        QTest::newRow("A, k 0.92") << "optA" << "0.92" << "1.178" << "1518" << "1155" << "lbl5";
    }

    void cableTypeCharacteristics() {
        QFETCH(QString, option);
        QFETCH(QString, k);
        QFETCH(QString, Fk);
        QFETCH(QString, G02);
        QFETCH(QString, Gko);
        QFETCH(QString, marked);
        frmPocetniParametriProracuna main;
        MessageBoxAnswerer answerer;
        openCables(main, [&](QWidget* w) {
            // The recommendation, not the main window's 75.5.
            QCOMPARE(text(w, "txtEkscentricitetKablova"), QString("73.5"));
            if (!option.isEmpty()) click(w, option.toLatin1().constData());
            if (!k.isEmpty()) {
                retype(w, "txtKoeficijentZaG02", k);
                QTest::keyClick(child<QLineEdit>(w, "txtKoeficijentZaG02"), Qt::Key_Tab);
            }
            QCOMPARE(text(w, "txtFk"), Fk);
            QCOMPARE(text(w, "txtG02"), G02);
            QCOMPARE(text(w, "txtGko"), Gko);
            for (const char* l : {"lbl2", "lbl25", "lbl3", "lbl4", "lbl5", "lbl7", "lbl9"}) {
                auto* label = child<QLabel>(w, l);
                const bool isMarked = marked == l;
                QCOMPARE(label->font().bold(), isMarked);
                QCOMPARE(label->palette().color(QPalette::WindowText) == QColor(Qt::red), isMarked);
            }
            click(w, "cmdURedu");
        });
        QVERIFY(answerer.seen.isEmpty());
        QCOMPARE(mainText(main, Field::Fk), Fk);
        QCOMPARE(mainText(main, Field::Gk0), Gko);
        QCOMPARE(mainText(main, Field::Ek), QString("73.5"));
    }

    void coefficientOutsideItsBounds_data() {
        QTest::addColumn<QString>("k");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("0.8") << "0.8" << true;
        QTest::newRow("0.92") << "0.92" << true;
        QTest::newRow("0.79") << "0.79" << false;
        QTest::newRow("0.93") << "0.93" << false;
    }

    void coefficientOutsideItsBounds() {
        QFETCH(QString, k);
        QFETCH(bool, accepted);
        frmPocetniParametriProracuna main;
        MessageBoxAnswerer answerer;
        openCables(main, [&](QWidget* w) {
            auto* field = child<QLineEdit>(w, "txtKoeficijentZaG02");
            retype(w, "txtKoeficijentZaG02", k);
            QTest::keyClick(field, Qt::Key_Tab);
            if (accepted) {
                QVERIFY(answerer.seen.isEmpty());
                QCOMPARE(field->text(), k);
            } else {
                QCOMPARE(answerer.texts(), QStringList{"Mozete uneti decimalni broj u navedenim granicama !"});
                QCOMPARE(field->text(), QString("0.8"));
                QTRY_COMPARE(w->focusWidget(), static_cast<QWidget*>(field));
                QTRY_COMPARE(field->selectedText(), QString("0.8"));
                // A press on a button is refused as well, with one more message.
                retype(w, "txtKoeficijentZaG02", k);
                click(w, "cmdURedu");
                QCOMPARE(answerer.seen.size(), 2);
                QVERIFY(w->isVisible());
            }
            click(w, "cmdOdustani");
        });
        QCOMPARE(mainText(main, Field::Gk0), QString("1054"));
    }

    void eccentricityUpToYb1_data() {
        QTest::addColumn<QString>("d1");
        QTest::addColumn<QString>("ek");
        QTest::addColumn<QString>("proposed");  // empty when accepted
        QTest::newRow("ek equal to Yb1") << "23" << "85" << "";
        QTest::newRow("a hundredth above Yb1") << "23" << "85.01" << "73.5";
        // b1 40, d1 0: Yb1 = (15*124*62 + 40*23*135.5) / (15*124 + 40*23) = 86.325...
        QTest::newRow("no bottom flange: (d2 + b)/10") << "0" << "90" << "14.7";
    }

    void eccentricityUpToYb1() {
        QFETCH(QString, d1);
        QFETCH(QString, ek);
        QFETCH(QString, proposed);
        frmPocetniParametriProracuna main;
        main.fields().setText(Field::D1, d1.toStdString());
        MessageBoxAnswerer answerer;
        openCables(main, [&](QWidget* w) {
            retype(w, "txtEkscentricitetKablova", ek);
            click(w, "cmdURedu");
            if (proposed.isEmpty()) return;
            QCOMPARE(answerer.texts(), QStringList{"Ekscentricitet kablova ne moze imati vecu vrednost od Yb1 !"});
            QCOMPARE(text(w, "txtEkscentricitetKablova"), proposed);
            QCOMPARE(w->focusWidget()->objectName(), QString("txtEkscentricitetKablova"));
            click(w, "cmdOdustani");
        });
        QCOMPARE(mainText(main, Field::Ek), proposed.isEmpty() ? ek : QString("75.5"));
    }

    void cableCancelFindsTheMainWindowCable_data() {
        QTest::addColumn<QString>("Fk");
        QTest::addColumn<QString>("selected");
        QTest::newRow("4.618 is D, DU") << "4.618" << "optDDU";
        QTest::newRow("3.079 is CU8") << "3.079" << "optCU8";
        QTest::newRow("13.854 is HU") << "13.854" << "optHU";
        QTest::newRow("18.85 is IU") << "18.85" << "optIU";
        QTest::newRow("a custom Fk keeps the selection") << "5" << "optGU";
    }

    void cableCancelFindsTheMainWindowCable() {
        QFETCH(QString, Fk);
        QFETCH(QString, selected);
        frmPocetniParametriProracuna main;
        openCables(main, [&](QWidget* w) {
            click(w, "optGU");
            retype(w, "txtKoeficijentZaG02", "0.9");
            QTest::keyClick(child<QLineEdit>(w, "txtKoeficijentZaG02"), Qt::Key_Tab);
            click(w, "cmdURedu");
        });
        main.fields().setText(Field::Fk, Fk.toStdString());
        main.fields().setText(Field::Ek, "60");
        openCables(main, [&](QWidget* w) {
            // The coefficient typed since this showing goes back to the saved one.
            retype(w, "txtKoeficijentZaG02", "0.85");
            QTest::keyClick(child<QLineEdit>(w, "txtKoeficijentZaG02"), Qt::Key_Tab);
            click(w, "cmdOdustani");
        });
        QCOMPARE(mainText(main, Field::Fk), Fk);
        openCables(main, [&](QWidget* w) {
            QVERIFY(checked(w, selected.toLatin1().constData()));
            QCOMPARE(text(w, "txtKoeficijentZaG02"), QString("0.9"));
            QCOMPARE(text(w, "txtEkscentricitetKablova"), QString("60"));
            click(w, "cmdOdustani");
        });
    }

    // Coefficient 0.9, type D, DU, "Odustani": the window shows 0.8 again, and
    // with it the values of 0.8, which "U redu" then writes.
    void cableCancelBringsTheValuesBackWithTheCoefficient() {
        frmPocetniParametriProracuna main;
        openCables(main, [&](QWidget* w) {
            retype(w, "txtKoeficijentZaG02", "0.9");
            QTest::keyClick(child<QLineEdit>(w, "txtKoeficijentZaG02"), Qt::Key_Tab);
            click(w, "optDDU");
            QCOMPARE(text(w, "txtG02"), QString("1395"));
            QCOMPARE(text(w, "txtGko"), QString("1085"));
            click(w, "cmdOdustani");
        });
        openCables(main, [&](QWidget* w) {
            QCOMPARE(text(w, "txtKoeficijentZaG02"), QString("0.8"));
            QCOMPARE(text(w, "txtG02"), QString("1240"));
            QCOMPARE(text(w, "txtGko"), QString("1054"));
            click(w, "cmdURedu");
        });
        QCOMPARE(mainText(main, Field::Gk0), QString("1054"));
    }

    void customCable_data() {
        QTest::addColumn<QString>("Fk");
        QTest::addColumn<QString>("Gko");
        QTest::addColumn<QString>("ek");
        QTest::addColumn<QString>("message");  // empty when accepted
        QTest::addColumn<QString>("focused");
        QTest::newRow("Fk zero") << "0" << "1200" << "50" << "Karakteristike kabla nemogu imati vrednost nula !"
                                 << "txtFkProizvoljno";
        QTest::newRow("Gko zero") << "5" << "0" << "50" << "Karakteristike kabla nemogu imati vrednost nula !"
                                  << "txtGk0Proizvoljno";
        QTest::newRow("ek above Yb1") << "5" << "1200" << "86"
                                      << "Ekscentricitet kablova ne moze imati vecu vrednost od Yb1 !"
                                      << "txtEkscentricitetKablovaProizvoljno";
        QTest::newRow("accepted as typed, ek 0 allowed") << "05" << "1200" << "0" << "" << "";
    }

    void customCable() {
        QFETCH(QString, Fk);
        QFETCH(QString, Gko);
        QFETCH(QString, ek);
        QFETCH(QString, message);
        QFETCH(QString, focused);
        frmPocetniParametriProracuna main;
        MessageBoxAnswerer answerer;
        openCables(main, [&](QWidget* w) {
            click(w, "optJU");
            click(w, "cmdProizvoljanKabel");
        }, [&](QWidget* w) {
            QCOMPARE(text(w, "txtFkProizvoljno"), QString("4.618"));
            QCOMPARE(text(w, "txtGk0Proizvoljno"), QString("1054"));
            QCOMPARE(text(w, "txtEkscentricitetKablovaProizvoljno"), QString("75.5"));
            retype(w, "txtFkProizvoljno", Fk);
            retype(w, "txtGk0Proizvoljno", Gko);
            retype(w, "txtEkscentricitetKablovaProizvoljno", ek);
            click(w, "cmdURedu");
            if (message.isEmpty()) return;
            QCOMPARE(answerer.texts(), QStringList{message});
            QCOMPARE(w->focusWidget()->objectName(), focused);
            if (focused == "txtEkscentricitetKablovaProizvoljno") QCOMPARE(text(w, focused.toLatin1().constData()), QString("0"));
            click(w, "cmdOdustani");
        });
        if (message.isEmpty()) {
            QVERIFY(answerer.seen.isEmpty());
            QCOMPARE(mainText(main, Field::Fk), Fk);
            QCOMPARE(mainText(main, Field::Gk0), Gko);
            QCOMPARE(mainText(main, Field::Ek), ek);
        } else {
            QCOMPARE(mainText(main, Field::Fk), QString("4.618"));
        }
        // The table window was discarded: it starts again from type A.
        openCables(main, [&](QWidget* w) {
            QVERIFY(checked(w, "optA"));
            click(w, "cmdOdustani");
        });
    }

    void eccentricityAdvice_data() {
        QTest::addColumn<QString>("label");
        QTest::newRow("cable window") << "Label19";
        QTest::newRow("custom cable window") << "Label1";
    }

    void eccentricityAdvice() {
        QFETCH(QString, label);
        frmPocetniParametriProracuna main;
        MessageBoxAnswerer answerer;
        const bool custom = label == "Label1";
        auto showAdvice = [&](QWidget* w) {
            auto* l = child<QLabel>(w, label.toLatin1().constData());
            QCOMPARE(l->toolTip(), QString(custom ? "Klikni za detaljnije informacije" : "Preporuka za ek"));
            QTest::mouseClick(l, Qt::LeftButton);
            QCOMPARE(answerer.seen.size(), 1);
            QCOMPARE(answerer.seen[0].title, QString("Preporuke za ekscentricitet kablova"));
            QCOMPARE(answerer.seen[0].icon, QMessageBox::Information);
            QCOMPARE(answerer.seen[0].text.toLatin1(),
                     QByteArray("Ekscentricitet kablova:\r\n-U slucaju pravougaonog ili T preseka preporucuje se "
                                "(d2+b)/10.\r\n-U slucaju postojanja donje flanse Yb1-d1/2."));
            click(w, "cmdOdustani");
        };
        if (custom) {
            openCables(main, [&](QWidget* w) { click(w, "cmdProizvoljanKabel"); }, showAdvice);
        } else {
            openCables(main, showAdvice);
        }
    }
};

QTEST_MAIN(CatalogueWindowsTest)
#include "CatalogueWindowsTest.moc"
