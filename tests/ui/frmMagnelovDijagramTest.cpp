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

    // A T-section with the cable above the lower kern point: limit 3 governs
    // and its line reaches furthest, so the minNko line stands 500 twips from
    // the edge. Its text would be cut off there and stands left of the line.
    void minNkoTextFarRightStandsLeftOfItsLine() {
        ui::frmPocetniParametriProracuna main;
        const std::pair<core::Field, const char*> tee[] = {
            {core::Field::B, "50"},  {core::Field::D3, "30"}, {core::Field::B1, "0"},  {core::Field::D1, "0"},
            {core::Field::B2, "100"}, {core::Field::D2, "20"}, {core::Field::Ek, "30"}, {core::Field::Mg, "200"},
            {core::Field::Mp, "150"}, {core::Field::Ms, "50"},
        };
        for (const auto& [field, text] : tee) main.fields().setText(field, text);
        const OpenedWindow w = OpenedWindow::open([&] { main.openMagnelovDijagram(); }, "pctMagnelovDijagram");
        QVERIFY(w.opened);
        QVERIFY(colourNear(w.surface, 6500, 3600, QColor(0, 255, 255)));

        QVERIFY(inkInTextBand(w.surface, 4000, 6470));
        QVERIFY(!inkInTextBand(w.surface, 6530, 7000));
    }

    // A web 1 cm wide with small moments gives a negative minNko, whose line
    // lies left of the surface: the text starts at the surface's left edge.
private:
    // Ink of the window-text colour in the rows of the minNko text, 3800 to
    // 4000 twips, between two columns.
    static bool inkInTextBand(const QImage& surface, int fromX, int toX) {
        const QColor ink = QPalette().color(QPalette::Text);
        for (int y = 3800 / 15; y < 4000 / 15; ++y) {
            for (int x = fromX / 15; x < toX / 15; ++x) {
                if (surface.pixelColor(x, y).rgb() == ink.rgb()) return true;
            }
        }
        return false;
    }
};

QTEST_MAIN(frmMagnelovDijagramTest)
#include "frmMagnelovDijagramTest.moc"
