#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "ui/frmPocetniParametriProracuna.h"

using ui::frmPocetniParametriProracuna;

namespace {

// The contrast ratio of two colours as the accessibility guidelines define it.
double luminance(const QColor& c) {
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct Shown {
    QString name;
    QColor text, background;
    bool focusable;
};

QList<Shown> shownFields(const QWidget* window) {
    QList<Shown> shown;
    for (const QLineEdit* f : window->findChildren<QLineEdit*>()) {
        if (f->isEnabled()) continue;
        const QPalette& p = f->palette();
        shown.append({f->objectName(), p.color(QPalette::Disabled, QPalette::Text),
                      p.color(QPalette::Disabled, QPalette::Base), f->focusPolicy() != Qt::NoFocus});
    }
    return shown;
}

// The display-only fields of the modal window a command opens, read while it shows.
QList<Shown> shownFieldsOf(frmPocetniParametriProracuna& main, void (frmPocetniParametriProracuna::*command)()) {
    QList<Shown> shown;
    QTimer::singleShot(0, [&] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            shown = shownFields(w);
            w->close();
        }
    });
    (main.*command)();
    return shown;
}

}  // namespace

class ShownFieldsTest : public QObject {
    Q_OBJECT
private slots:
    void everyShownValueIsLegibleAndAlike_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("Mg");
        QTest::addColumn<QString>("oneField");
        QTest::newRow("main window") << 0 << "617.51" << "txtGbd0";
        QTest::newRow("cable calculation") << 1 << "617.51" << "txtBrojKablova";
        QTest::newRow("stress check") << 2 << "617.51" << "txtNkbes";
        QTest::newRow("cross-section") << 3 << "617.51" << "txtIb";
        QTest::newRow("allowable stress table") << 4 << "617.51" << "txtMB30Pritisak111";
        QTest::newRow("cable catalogue") << 5 << "617.51" << "txtFk";
        // Stresses exceeded: the force can no longer be changed, only read.
        QTest::newRow("cable calculation, exceeded") << 1 << "300" << "txtNk0";
        QTest::newRow("stress check, exceeded") << 2 << "300" << "txtNk0";
    }

    void everyShownValueIsLegibleAndAlike() {
        QFETCH(int, window);
        QFETCH(QString, Mg);
        QFETCH(QString, oneField);
        frmPocetniParametriProracuna main;
        main.fields().setText(core::Field::Mg, Mg.toStdString());
        using Main = frmPocetniParametriProracuna;
        void (Main::*const commands[])() = {nullptr, &Main::openKablovi, &Main::openKontrolaNapona,
                                            &Main::openPoprecniPresek, &Main::openDopusteniNaponiUBetonu,
                                            &Main::openVrstaKablova};
        const QList<Shown> shown = window == 0 ? shownFields(&main) : shownFieldsOf(main, commands[window]);

        bool found = false;
        const QColor typedText = QPalette().color(QPalette::Active, QPalette::Text);
        for (const Shown& s : shown) {
            found = found || s.name == oneField;
            QVERIFY2(!s.focusable, qPrintable(s.name));
            QVERIFY2(contrast(s.text, s.background) >= 4.5, qPrintable(s.name + ": " + s.text.name() + " on " +
                                                                        s.background.name()));
            // Greyed: the background is not the one of a field the user types into.
            QVERIFY2(s.background != QPalette().color(QPalette::Active, QPalette::Base), qPrintable(s.name));
            QCOMPARE(s.text, typedText);
        }
        QVERIFY2(found, qPrintable(oneField));
    }
};

QTEST_MAIN(ShownFieldsTest)
#include "ShownFieldsTest.moc"
