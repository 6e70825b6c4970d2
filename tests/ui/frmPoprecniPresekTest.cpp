#include <QLineEdit>
#include <QPalette>
#include <QtTest>

#include "OpenedWindow.h"
#include "ui/frmPocetniParametriProracuna.h"
#include "ui/frmPoprecniPresek.h"

using core::Field;

class frmPoprecniPresekTest : public QObject {
    Q_OBJECT
private slots:
    void startupDesignShowsItsPropertiesAndDrawing() {
        ui::frmPocetniParametriProracuna main;
        const OpenedWindow w = OpenedWindow::open([&] { main.openPoprecniPresek(); }, "pctPoprecniPresek");
        QVERIFY(w.opened);
        QVERIFY(w.closedByButton);
        QCOMPARE(w.caption, QString("Poprecni presek"));

        const QMap<QString, QString> expected{
            {"txtIb", "12404533.3"}, {"txtPovrsinaPoprecnogPreseka", "3700"}, {"txtYb1", "85"},
            {"txtYb2", "85"},        {"txtWb1", "145935.7"},                  {"txtWb2", "145935.7"},
            {"txtKb1", "39.4"},      {"txtKb2", "39.4"}};
        QCOMPARE(w.fields, expected);

        QCOMPARE(w.surface.size(), QSize(333, 333));
        const QColor red(255, 0, 0), grey(224, 224, 224), ink = QPalette().color(QPalette::Text);
        QVERIFY(colourNear(w.surface, 2500, 2500, red));    // origin
        QVERIFY(colourNear(w.surface, 4000, 2500, red));    // X axis
        QVERIFY(colourNear(w.surface, 250, 100, grey));     // first vertical grid line
        QVERIFY(colourNear(w.surface, 2500, 1250, ink));    // top edge
        QVERIFY(colourNear(w.surface, 3000, 3750, ink));    // bottom edge
        QVERIFY(colourNear(w.surface, 2968.75, 3000, ink)); // right side of the web
        QVERIFY(!colourNear(w.surface, 2750, 3000, ink));   // inside the web
    }

    // Display only, yet written in the ordinary text colour, not greyed out:
    // the darkest pixel of the value is as dark as ordinary text comes out.
    void propertiesAreLegible() {
        ui::frmPocetniParametriProracuna main;
        ui::frmPoprecniPresek window(main.fields(), &main);
        window.show();
        const int ink = qGray(QPalette().color(QPalette::Text).rgb());
        for (const char* name : {"txtIb", "txtYb1", "txtKb2"}) {
            auto* field = window.findChild<QLineEdit*>(name);
            QVERIFY(!field->isEnabled());
            const QImage image = field->grab().toImage();
            int darkest = 255;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) darkest = std::min(darkest, qGray(image.pixel(x, y)));
            }
            QVERIFY2(std::abs(darkest - ink) < 40, name);
        }
    }

    void rectangleFillsTheSquare() {
        ui::frmPocetniParametriProracuna main;
        for (auto [field, text] : {std::pair{Field::B1, "30"}, {Field::B2, "30"}, {Field::D3, "30"},
                                   {Field::D1, "0"}, {Field::D2, "0"}, {Field::B, "100"}}) {
            main.fields().setText(field, text);
        }
        const OpenedWindow w = OpenedWindow::open([&] { main.openPoprecniPresek(); }, "pctPoprecniPresek");
        QVERIFY(w.opened);
        const QColor ink = QPalette().color(QPalette::Text);
        QVERIFY(colourNear(w.surface, 1250, 2000, ink));
        QVERIFY(colourNear(w.surface, 3750, 2000, ink));
        QCOMPARE(w.fields.value("txtPovrsinaPoprecnogPreseka"), QString("3000"));
    }
};

QTEST_MAIN(frmPoprecniPresekTest)
#include "frmPoprecniPresekTest.moc"
