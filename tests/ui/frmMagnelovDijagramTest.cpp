#include <QPalette>
#include <QtTest>

#include "OpenedWindow.h"
#include "ui/frmPocetniParametriProracuna.h"

class frmMagnelovDijagramTest : public QObject {
    Q_OBJECT
private slots:
    // Points on the lines of the start-up design, in twips of the surface.
    void startupDesignLines_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("line 5 at the design eccentricity") << 6000.0 << 5032.2 << QColor(255, 0, 0);
        QTest::newRow("line 1 half way") << 2531.85 << 3865.9 << QColor(0, 0, 255);
        QTest::newRow("line 3 half way") << 2646.9 << 3865.9 << QColor(255, 0, 255);
        QTest::newRow("line 4 near its end") << 6000.0 << 4950.9 << QColor(128, 128, 0);
        QTest::newRow("minNko line") << 3293.8 << 4300.0 << QColor(0, 255, 255);
        QTest::newRow("outline, left end of the bottom flange") << 275.0 << 5100.0 << QColor(128, 128, 128);
        QTest::newRow("grid") << 6800.0 << 1000.0 << QColor(224, 224, 224);
        QTest::newRow("ek axis") << 2000.0 << 6000.0 << QPalette().color(QPalette::Text);
        QTest::newRow("background") << 5100.0 << 3100.0 << QPalette().color(QPalette::Base);
    }

    void startupDesignLines() {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(QColor, colour);
        ui::frmPocetniParametriProracuna main;
        const OpenedWindow w = OpenedWindow::open([&] { main.openMagnelovDijagram(); }, "pctMagnelovDijagram");
        QVERIFY(w.opened);
        QVERIFY(w.closedByButton);
        QCOMPARE(w.caption, QString("Magnel-ov dijagram"));
        QCOMPARE(w.surface.size(), QSize(467, 467));
        QVERIFY(colourNear(w.surface, x, y, colour));
    }
};

QTEST_MAIN(frmMagnelovDijagramTest)
#include "frmMagnelovDijagramTest.moc"
