#include <QImage>
#include <QTest>

#include "ui/DrawingSurface.h"
#include "ui/frmMagnelovDijagram.h"
#include "ui/frmPocetniParametriProracuna.h"

class ImageExportTest : public QObject {
    Q_OBJECT

private slots:
    void magnelDiagramAsSvgAndPng() {
        ui::frmPocetniParametriProracuna main;
        ui::frmMagnelovDijagram window(main.fields(), &main);
        auto* surface = window.findChild<ui::DrawingSurface*>("pctMagnelovDijagram");
        QVERIFY(surface);

        const QByteArray svg = surface->svg();
        QVERIFY(svg.contains("minNko= 2477.04 kN"));
        for (const char* colour : {"#ff0000", "#00ff00", "#0000ff", "#808000", "#00ffff"}) {
            QVERIFY2(svg.contains(colour), colour);  // the four condition lines and the minNko line
        }

        const QImage png = QImage::fromData(surface->png(), "PNG");
        QCOMPARE(png.size(), surface->size() * 2);
    }
};

QTEST_MAIN(ImageExportTest)
#include "ImageExportTest.moc"
