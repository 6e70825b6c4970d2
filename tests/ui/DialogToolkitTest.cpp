#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <memory>

#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/frmAbout.h"
#include "ui/frmDopusteniNaponUBetonu.h"
#include "ui/frmKablovi.h"
#include "ui/frmMagnelovDijagram.h"
#include "ui/frmPocetniParametriProracuna.h"
#include "ui/frmPomoc.h"
#include "ui/frmPoprecniPresek.h"
#include "ui/frmProizvoljanKabel.h"
#include "ui/frmVrstaKablova.h"

using namespace ui;

class DialogToolkitTest : public QObject {
    Q_OBJECT

private slots:
    // Only a cancel button takes Escape, and only the about window has one.
    void escapeClosesOnlyTheAboutWindow() {
        frmPocetniParametriProracuna main;
        core::MainFields& fields = main.fields();
        const struct {
            const char* name;
            std::function<QDialog*()> make;
            bool closes;
        } windows[] = {
            {"frmAbout", [&] { return new frmAbout(&main); }, true},
            {"frmPomoc", [&] { return new frmPomoc(&main); }, false},
            {"frmPoprecniPresek", [&] { return new frmPoprecniPresek(fields, &main); }, false},
            {"frmMagnelovDijagram", [&] { return new frmMagnelovDijagram(fields, &main); }, false},
            {"frmKablovi", [&] { return new frmKablovi(fields, &main); }, false},
            {"frmDopusteniNaponUBetonu", [&] { return new frmDopusteniNaponUBetonu(fields, &main); }, false},
            {"frmVrstaKablova", [&] { return new frmVrstaKablova(fields, &main); }, false},
            {"frmProizvoljanKabel", [&] { return new frmProizvoljanKabel(fields, &main); }, false},
        };
        for (const auto& w : windows) {
            std::unique_ptr<QDialog> dialog(w.make());
            QCOMPARE(dialog->objectName(), QString(w.name));
            QCOMPARE(dialog->font(), uiFont(8));
            dialog->show();
            QTest::keyClick(dialog.get(), Qt::Key_Escape);
            QVERIFY2(dialog->isVisible() != w.closes, w.name);
        }
    }

    // Every helper names, places and sets the font of what it adds.
    void helpersNamePlaceAndSetTheFont() {
        QWidget window;
        const QFont font = uiFont(8.25, true);
        const QRect at(10, 20, 60, 22);
        auto* group = new QButtonGroup(&window);
        const QList<QWidget*> added = {
            addFrame(&window, "fraA", "Okvir", at, font),
            addLabel(&window, "lblA", "ek=", at, font),
            addShownField(&window, "txtShown", at, font),
            addCell(&window, "txtCell", "13.0", at, font),
            addTypedField(&window, "txtTyped", NumberKind::Decimal, 6, at, font),
            addComboBox(&window, "cboA", {"MB30", "MB35"}, at, font),
            addButton(&window, "cmdA", "U redu", at, font),
        };
        for (QWidget* w : added) {
            QVERIFY(!w->objectName().isEmpty());
            QCOMPARE(w->geometry(), at);
            QCOMPARE(w->font(), font);
        }
        QRadioButton* option = addOption(&window, "optA", at, group);
        QCOMPARE(group->buttons(), QList<QAbstractButton*>{option});
        QCOMPARE(addCheckBox(&window, "chkA", at)->geometry(), at);
        auto* combo = window.findChild<QComboBox*>("cboA");
        QCOMPARE(combo->count(), 2);
        QVERIFY(!combo->isEditable());
        QVERIFY(!window.findChild<QLineEdit*>("txtCell")->isEnabled());
        QVERIFY(!window.findChild<QPushButton*>("cmdA")->autoDefault());
    }
};

QTEST_MAIN(DialogToolkitTest)
#include "DialogToolkitTest.moc"
