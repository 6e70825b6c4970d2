#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "MainWindowFixture.h"
#include "ModalCloser.h"
#include "SurfacePixels.h"
#include "ui/DrawingSurface.h"
#include "ui/frmPocetniParametriProracuna.h"
#include "ui/frmPoprecniPresek.h"

using core::Field;

namespace {

const Field kDimensions[] = {Field::B, Field::B1, Field::B2, Field::D1, Field::D2, Field::D3};

void enter(MainWindowFixture& main, const QStringList& dimensions) {
    for (int i = 0; i < 6; ++i) main.with(kDimensions[i], dimensions[i].toLatin1().constData());
}

QColor resolve(const QString& colour, const ui::DrawingSurface& surface) {
    if (colour == "foreground") return surface.style().foreground;
    if (colour == "background") return surface.style().background;
    return QColor(colour);
}

const QStringList kStartup{"124", "40", "40", "23", "23", "15"};
const QStringList kTeeOnTop{"50", "0", "100", "0", "20", "30"};

}  // namespace

class frmPoprecniPresekTest : public QObject {
    Q_OBJECT

private slots:
    void properties_data() {
        QTest::addColumn<QStringList>("dimensions");  // b, b1, b2, d1, d2, d3
        QTest::addColumn<QStringList>("shown");       // Ib, Fb, yb1, yb2, Wb1, Wb2, Kb1, Kb2
        QTest::newRow("start-up I-section")
            << kStartup << QStringList{"12404533.3", "3700", "85", "85", "145935.7", "145935.7", "39.4", "39.4"};
        QTest::newRow("T-section flange on top")
            << kTeeOnTop << QStringList{"1429166.7", "3500", "45", "25", "31759.3", "57166.7", "16.3", "9.1"};
    }

    void properties() {
        QFETCH(QStringList, dimensions);
        QFETCH(QStringList, shown);
        MainWindowFixture main;
        enter(main, dimensions);
        ui::frmPoprecniPresek window(main.fields, &main);
        const char* names[] = {"txtIb", "txtPovrsinaPoprecnogPreseka", "txtYb1", "txtYb2",
                               "txtWb1", "txtWb2", "txtKb1", "txtKb2"};
        for (int i = 0; i < 8; ++i) {
            auto* field = window.findChild<QLineEdit*>(names[i]);
            QVERIFY2(field, names[i]);
            QCOMPARE(field->text(), shown[i]);
            QVERIFY(!field->isEnabled());
            QVERIFY(field->alignment() & Qt::AlignRight);
        }
    }

    void surfacePaintsTheDrawing_data() {
        QTest::addColumn<QStringList>("dimensions");
        QTest::addColumn<double>("x");  // twips on the surface
        QTest::addColumn<double>("y");
        QTest::addColumn<QString>("colour");
        QTest::newRow("corner left blank") << kStartup << 100.0 << 100.0 << "background";
        QTest::newRow("first grid line") << kStartup << 300.0 << 250.0 << "#e0e0e0";
        QTest::newRow("horizontal axis") << kStartup << 300.0 << 2500.0 << "#ff0000";
        QTest::newRow("origin") << kStartup << 2500.0 << 2500.0 << "#ff0000";
        QTest::newRow("top edge") << kStartup << 2000.0 << 1250.0 << "foreground";
        QTest::newRow("left side of the web") << kStartup << 2031.25 << 2000.0 << "foreground";
        QTest::newRow("bottom edge") << kStartup << 3000.0 << 3750.0 << "foreground";
        QTest::newRow("inside the web") << kStartup << 2300.0 << 1900.0 << "background";
        QTest::newRow("T: top edge") << kTeeOnTop << 1500.0 << 2500 - 25 * 2500.0 / 70 << "foreground";
        QTest::newRow("T: right side of the web") << kTeeOnTop << 2875.0 << 3500.0 << "foreground";
        QTest::newRow("T: foot of the web") << kTeeOnTop << 2400.0 << 2500 + 45 * 2500.0 / 70 << "foreground";
        QTest::newRow("T: below the web") << kTeeOnTop << 2300.0 << 4300.0 << "background";
    }

    void surfacePaintsTheDrawing() {
        QFETCH(QStringList, dimensions);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(QString, colour);
        MainWindowFixture main;
        enter(main, dimensions);
        ui::frmPoprecniPresek window(main.fields, &main);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* surface = window.findChild<ui::DrawingSurface*>("pctPoprecniPresek");
        QVERIFY(surface);
        QCOMPARE(surface->geometry(), ui::twipsRect(105, 105, 5000, 5000));
        const QColor expected = resolve(colour, *surface);
        const SurfacePixels pixels(surface);
        if (colour == "background") {
            QCOMPARE(pixels.at(x, y), expected);
        } else {
            QVERIFY2(pixels.near(x, y, expected), qPrintable(pixels.at(x, y).name()));
        }
    }

    void uReduCloses() {
        MainWindowFixture main;
        ui::frmPoprecniPresek window(main.fields, &main);
        QCOMPARE(window.windowTitle(), QString("Poprecni presek"));
        QCOMPARE(window.size(), QSize(ui::px(7980), ui::px(5190)));
        window.show();
        window.findChild<QPushButton*>("cmdURedu")->click();
        QVERIFY(!window.isVisible());
    }

    void menuOpensTheWindow() {
        ui::frmPocetniParametriProracuna main;
        main.show();
        ModalCloser closer("frmPoprecniPresek");
        main.findChild<QAction*>("mnuProracunPoprecniPresek")->trigger();
        QVERIFY(closer.opened);
    }
};

QTEST_MAIN(frmPoprecniPresekTest)
#include "frmPoprecniPresekTest.moc"
