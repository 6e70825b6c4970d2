#include <QHelpEvent>
#include <QLineEdit>
#include <QTest>
#include <QToolTip>

#include "ui/frmPocetniParametriProracuna.h"

class MainWindowToolTipsTest : public QObject {
    Q_OBJECT
private slots:
    // The symbol of the field's label and the unit beside it, as the window shows them.
    void everyFieldSaysWhatItIsWithItsUnit_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("unit");
        const char* const rows[][3] = {
            {"txtB1", "b1", "cm"},      {"txtB2", "b2", "cm"},     {"txtD3", "d3", "cm"},
            {"txtD1", "d1", "cm"},      {"txtD2", "d2", "cm"},     {"txtB", "b", "cm"},
            {"txtMg", "Mg", "kNm"},     {"txtMp", "Mp", "kNm"},    {"txtMs", "Ms", "kNm"},
            {"txtKoeficijentEfikasnostiPN", "m", "-"},             {"txtEkscentricitetKablova", "ek", "cm"},
            {"txtGbd0", "Gbdo", "MPa"}, {"txtGbz0", "Gbzo", "MPa"}, {"txtGbdBes", "Gbdbes", "MPa"},
            {"txtGbzBes", "Gbzbes", "MPa"}, {"txtFk", "Fk", "cm2"}, {"txtGk0", "Gko", "MPa"},
        };
        for (const auto& r : rows) QTest::newRow(r[0]) << r[0] << r[1] << r[2];
    }

    void everyFieldSaysWhatItIsWithItsUnit() {
        QFETCH(QString, field);
        QFETCH(QString, symbol);
        QFETCH(QString, unit);
        ui::frmPocetniParametriProracuna main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        auto* edit = main.findChild<QLineEdit*>(field);
        QVERIFY(edit);
        const QString tip = edit->toolTip();
        QVERIFY2(tip.startsWith(symbol + " - "), qPrintable(tip));
        QVERIFY2(tip.endsWith(" [" + unit + "]"), qPrintable(tip));
        for (QChar c : tip) QVERIFY2(c.unicode() >= 32 && c.unicode() < 127, qPrintable(tip));

        // Shown on hovering, for the greyed fields the program fills as well.
        QHelpEvent hover(QEvent::ToolTip, edit->rect().center(), edit->mapToGlobal(edit->rect().center()));
        QApplication::sendEvent(edit, &hover);
        QTRY_COMPARE(QToolTip::text(), tip);
        QToolTip::hideText();
    }
};

QTEST_MAIN(MainWindowToolTipsTest)
#include "MainWindowToolTipsTest.moc"
