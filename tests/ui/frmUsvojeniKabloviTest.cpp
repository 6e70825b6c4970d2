#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <optional>

#include "MessageBoxAnswerer.h"
#include "ui/frmPocetniParametriProracuna.h"

using core::Field;
using ui::frmPocetniParametriProracuna;

namespace {

template <typename T>
T* child(QWidget* w, const char* name) {
    T* c = w->findChild<T*>(name);
    if (!c) qFatal("no control %s in %s", name, qPrintable(w->objectName()));
    return c;
}

// Runs `steps` in the window the menu item opens; false when none opened.
bool inWindow(frmPocetniParametriProracuna& main, const std::function<void(QWidget*)>& steps) {
    bool opened = false;
    QTimer::singleShot(0, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || w->objectName() != "frmUsvojeniKablovi") return;
        opened = true;
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w)) qWarning("the window is not active");
        steps(w);
        if (w->isVisible()) w->close();  // never leave the test waiting on a window
    });
    main.findChild<QAction*>("mnuProracunUsvojeniKablovi")->trigger();
    return opened;
}

void retype(QWidget* w, const QString& typed) {
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w)) qWarning("the window is not active");
    auto* f = child<QLineEdit>(w, "txtUsvojeniBrojKablova");
    f->setFocus();
    f->selectAll();
    QTest::keyClicks(f, typed);
}

QString shown(QWidget* w, const char* name) { return child<QLineEdit>(w, name)->text(); }

}  // namespace

class frmUsvojeniKabloviTest : public QObject {
    Q_OBJECT

private slots:
    // The start-up cable gives Zko = 486.74 kN and admits 2477.04 to 2926.73 kN,
    // that is 6 cables alone; a cable of 1 cm2 gives 105.4 kN and 24 to 27 cables.
    void showsAndKeepsTheCount() {
        const struct {
            const char* name;
            std::optional<int> before;
            const char* Fk;
            std::optional<bool> tick;  // the state "najmanji dopusteni" is clicked into
            const char* typed;
            const char* count;
            bool countTyped;
            const char* force;
            const char* range;
            const char* verdict;
            const char* button;
            std::optional<int> after;
        } cases[] = {
            {"smallest by default", {}, "4.618", {}, nullptr, "6", false, "2920.42", "6",
             "Sila usvojenih kablova je u dopustenom opsegu.", "cmdURedu", {}},
            {"one cable more is above the upper limit, kept as chosen", {}, "4.618", false, "7", "7", true,
             "3407.16", "6", "Sila usvojenih kablova nije dopustena: veca je od gornje granice.", "cmdURedu", 7},
            {"one cable less is below the lower limit", {}, "4.618", false, "5", "5", true, "2433.69", "6",
             "Sila usvojenih kablova nije dopustena: manja je od donje granice.", "cmdURedu", 5},
            {"a larger admissible count", {}, "1", false, "26", "26", true, "2740.4", "24 do 27",
             "Sila usvojenih kablova je u dopustenom opsegu.", "cmdURedu", 26},
            {"a kept count is shown again", 26, "1", {}, nullptr, "26", true, "2740.4", "24 do 27",
             "Sila usvojenih kablova je u dopustenom opsegu.", "cmdURedu", 26},
            {"ticked again it follows the design", 26, "1", true, nullptr, "24", false, "2529.6", "24 do 27",
             "Sila usvojenih kablova je u dopustenom opsegu.", "cmdURedu", {}},
            {"Odustani keeps nothing", 26, "1", true, nullptr, "24", false, "2529.6", "24 do 27",
             "Sila usvojenih kablova je u dopustenom opsegu.", "cmdOdustani", 26},
        };
        for (const auto& c : cases) {
            frmPocetniParametriProracuna main;
            main.fields().setText(Field::Fk, c.Fk);
            main.setAdoptedCables(c.before);
            const bool opened = inWindow(main, [&](QWidget* w) {
                QCOMPARE(shown(w, "txtSilaUJednomKablu"), QString(c.Fk) == "1" ? "105.4" : "486.74");
                auto* smallest = child<QCheckBox>(w, "chkNajmanjiDopusteni");
                QCOMPARE(smallest->isChecked(), !c.before);
                if (c.tick) QTest::mouseClick(smallest, Qt::LeftButton, {}, QPoint(5, smallest->height() / 2));
                if (c.typed) retype(w, c.typed);
                QCOMPARE(shown(w, "txtUsvojeniBrojKablova"), QString(c.count));
                QCOMPARE(child<QLineEdit>(w, "txtUsvojeniBrojKablova")->isEnabled(), c.countTyped);
                QCOMPARE(shown(w, "txtSilaUsvojenihKablova"), QString(c.force));
                QCOMPARE(shown(w, "txtDopusteniBrojKablova"), QString(c.range));
                QCOMPARE(child<QLabel>(w, "lblOcena")->text(), QString(c.verdict));
                QTest::mouseClick(child<QPushButton>(w, c.button), Qt::LeftButton);
                QVERIFY(!w->isVisible());
            });
            QVERIFY2(opened, c.name);
            QVERIFY2(main.adoptedCables() == c.after, c.name);
        }
    }

    // A count below 1 cannot be kept: the window says so and stays open.
    void refusesNoCables() {
        frmPocetniParametriProracuna main;
        MessageBoxAnswerer answerer;
        const bool opened = inWindow(main, [&](QWidget* w) {
            auto* smallest = child<QCheckBox>(w, "chkNajmanjiDopusteni");
            QTest::mouseClick(smallest, Qt::LeftButton, {}, QPoint(5, smallest->height() / 2));
            retype(w, "0");
            QCOMPARE(shown(w, "txtSilaUsvojenihKablova"), QString());
            QTest::mouseClick(child<QPushButton>(w, "cmdURedu"), Qt::LeftButton);
            QCOMPARE(answerer.texts(), QStringList{"Broj kablova mora biti ceo broj veci od nule !"});
            QVERIFY(w->isVisible());
            QTest::mouseClick(child<QPushButton>(w, "cmdOdustani"), Qt::LeftButton);
        });
        QVERIFY(opened);
        QCOMPARE(main.adoptedCables(), std::optional<int>());
    }

    // The window opens after the checks of "Kablovi" only.
    void opensAfterTheCableChecks() {
        frmPocetniParametriProracuna main;
        main.fields().setText(Field::B, "");
        MessageBoxAnswerer answerer;
        QVERIFY(!inWindow(main, [](QWidget*) {}));
        QCOMPARE(answerer.texts().size(), 1);
    }
};

QTEST_MAIN(frmUsvojeniKabloviTest)
#include "frmUsvojeniKabloviTest.moc"
