#include <QAction>
#include <QPushButton>
#include <QTest>

#include "MainWindowFixture.h"
#include "MessageBoxAnswerer.h"
#include "ModalCloser.h"
#include "SurfacePixels.h"
#include "ui/DrawingSurface.h"
#include "ui/frmMagnelovDijagram.h"
#include "ui/frmPocetniParametriProracuna.h"

using core::Field;

namespace {

// A T-section whose minNko line stands far right, near the end of line 3.
void enterTeeSection(MainWindowFixture& main) {
    main.with(Field::B, "50").with(Field::D3, "30").with(Field::B1, "0").with(Field::D1, "0");
    main.with(Field::B2, "100").with(Field::D2, "20").with(Field::Ek, "30");
    main.with(Field::Mg, "200").with(Field::Mp, "150").with(Field::Ms, "50");
}

ui::DrawingSurface* surfaceOf(QWidget& window) { return window.findChild<ui::DrawingSurface*>("pctMagnelovDijagram"); }

}  // namespace

class frmMagnelovDijagramTest : public QObject {
    Q_OBJECT

private slots:
    // The start-up design, points on its lines as a hand calculation gives them.
    void surfacePaintsTheDrawing_data() {
        QTest::addColumn<double>("x");  // twips on the surface
        QTest::addColumn<double>("y");
        QTest::addColumn<QString>("colour");
        QTest::newRow("corner left blank") << 100.0 << 100.0 << "background";
        QTest::newRow("grid") << 100.0 << 200.0 << "#e0e0e0";
        QTest::newRow("origin dot off the axes") << 1970.0 << 3470.0 << "foreground";
        QTest::newRow("upper kern dot") << 1970.0 << 2729.6 << "foreground";
        QTest::newRow("lower kern dot") << 1970.0 << 4330.4 << "foreground";
        QTest::newRow("line 1") << 2638.6 << 4100.0 << "#0000ff";
        QTest::newRow("line 2") << 2500.0 << 4634.6 << "#00ff00";
        QTest::newRow("line 3") << 2776.8 << 4100.0 << "#ff00ff";
        QTest::newRow("line 4") << 6000.0 << 4950.9 << "#808000";
        QTest::newRow("line 5") << 500.0 << 5032.2 << "#ff0000";
        QTest::newRow("minNko line") << 3293.8 << 4100.0 << "#00ffff";
        QTest::newRow("outline, left end of the bottom flange") << 275.0 << 5100.0 << "#808080";
        QTest::newRow("between the lines") << 4100.0 << 4300.0 << "background";
    }

    void surfacePaintsTheDrawing() {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(QString, colour);
        MainWindowFixture main;
        ui::frmMagnelovDijagram window(main.fields, &main);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ui::DrawingSurface* surface = surfaceOf(window);
        QVERIFY(surface);
        QCOMPARE(surface->geometry(), ui::twipsRect(60, 60, 7000, 7000));
        const SurfacePixels pixels(surface);
        if (colour == "background") {
            QCOMPARE(pixels.at(x, y), surface->style().background);
        } else {
            const QColor expected = colour == "foreground" ? surface->style().foreground : QColor(colour);
            QVERIFY2(pixels.near(x, y, expected), qPrintable(pixels.at(x, y).name()));
        }
    }

    void textsInTheirColours_data() {
        QTest::addColumn<QRect>("box");  // twips: left, top, width, height
        QTest::addColumn<QString>("colour");
        QTest::newRow("legend 1") << QRect(4500, 600, 200, 200) << "#0000ff";
        QTest::newRow("legend 2") << QRect(4700, 600, 200, 200) << "#00ff00";
        QTest::newRow("legend 3") << QRect(4900, 600, 200, 200) << "#ff00ff";
        QTest::newRow("legend 4, as its line") << QRect(5100, 600, 200, 200) << "#808000";
        QTest::newRow("legend 5") << QRect(5100, 800, 200, 200) << "#ff0000";
        QTest::newRow("legend text") << QRect(5300, 600, 1500, 200) << "#000000";
        QTest::newRow("minNko text") << QRect(3343, 3800, 1500, 200) << "foreground";
    }

    void textsInTheirColours() {
        QFETCH(QRect, box);
        QFETCH(QString, colour);
        MainWindowFixture main;
        ui::frmMagnelovDijagram window(main.fields, &main);
        window.show();
        ui::DrawingSurface* surface = surfaceOf(window);
        const QColor expected = colour == "foreground" ? surface->style().foreground : QColor(colour);
        QVERIFY(SurfacePixels(surface).anyIn(box.left(), box.top(), box.right(), box.bottom(), expected));
    }

    // Far right the minNko text would be cut off at the edge; it stands left
    // of its line instead, whole.
    void minNkoTextStaysOnTheSurface() {
        MainWindowFixture main;
        enterTeeSection(main);
        ui::frmMagnelovDijagram window(main.fields, &main);
        window.show();
        ui::DrawingSurface* surface = surfaceOf(window);
        const drawing::Drawing& d = surface->drawing();
        const drawing::Text* text = nullptr;
        double lineX = 0;
        for (const auto& p : d.primitives) {
            if (const auto* t = std::get_if<drawing::Text>(&p); t && t->text.rfind("minNko=", 0) == 0) text = t;
            if (const auto* l = std::get_if<drawing::Line>(&p); l && l->colour == drawing::kCyan) lineX = l->from.x;
        }
        QVERIFY(text);
        QVERIFY(lineX > 6000);
        QFont font = surface->style().font;
        font.setBold(true);
        const QPointF at = ui::textPosition(d, *text, font);
        const double width = QFontMetricsF(font, nullptr).horizontalAdvance(QString::fromStdString(text->text));
        QVERIFY(at.x() + width <= lineX / ui::kTwipsPerPixel);
        QVERIFY(at.x() >= 0);
        const SurfacePixels pixels(surface);
        const QColor fg = surface->style().foreground;
        QVERIFY(pixels.anyIn(at.x() * ui::kTwipsPerPixel, 3800, lineX, 4000, fg));
        QVERIFY(!pixels.anyIn(lineX + 30, 3800, 7000, 4000, fg));
    }

    void uReduCloses() {
        MainWindowFixture main;
        ui::frmMagnelovDijagram window(main.fields, &main);
        QCOMPARE(window.windowTitle(), QString("Magnel-ov dijagram"));
        QCOMPARE(window.size(), QSize(ui::px(7110), ui::px(7650)));
        window.show();
        window.findChild<QPushButton*>("cmdURedu")->click();
        QVERIFY(!window.isVisible());
    }

    void menuOpensTheDiagramOnlyWhenTheStressesCanBeMet_data() {
        QTest::addColumn<QString>("Mg");
        QTest::addColumn<bool>("opens");
        QTest::newRow("start-up design") << "617.51" << true;
        QTest::newRow("Mg 300: tension at transfer exceeded") << "300" << false;
    }

    void menuOpensTheDiagramOnlyWhenTheStressesCanBeMet() {
        QFETCH(QString, Mg);
        QFETCH(bool, opens);
        ui::frmPocetniParametriProracuna main;
        main.show();
        main.fields().setText(Field::Mg, Mg.toStdString());
        MessageBoxAnswerer answerer;
        ModalCloser closer("frmMagnelovDijagram");
        main.findChild<QAction*>("mnuProracunManjelovDijagram")->trigger();
        QCOMPARE(closer.opened, opens);
        QCOMPARE(answerer.texts(), opens ? QStringList() : QStringList{"Dopusteni naponi su prekoraceni !"});
    }
};

QTEST_MAIN(frmMagnelovDijagramTest)
#include "frmMagnelovDijagramTest.moc"
