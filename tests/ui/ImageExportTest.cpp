#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ui/DrawingSurface.h"
#include "ui/ReportFile.h"
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

    // The user picks the SVG type and types a name without a suffix.
    void aNameWithoutSuffixTakesTheChosenType() {
        QTemporaryDir dir;
        const QString typed = dir.filePath("slika");
        ui::SaveDialog dialog("Snimanje slike", "Magnelov dijagram", "PNG (*.png);;SVG (*.svg)", "png");
        QTimer answer;
        int turns = 0;
        connect(&answer, &QTimer::timeout, [&] {
            auto* fileDialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!fileDialog) return;
            if (++turns == 1) {
                QTest::keyClick(fileDialog->findChild<QComboBox*>("fileTypeCombo"), Qt::Key_Down);
                fileDialog->selectFile(typed);
            } else if (turns > 300 || fileDialog->selectedFiles().value(0).startsWith(typed)) {
                answer.stop();
                QMetaObject::invokeMethod(fileDialog, "accept");
            }
        });
        answer.start(5);
        QWidget parent;
        QCOMPARE(dialog.ask(&parent), typed + ".svg");
    }
};

QTEST_MAIN(ImageExportTest)
#include "ImageExportTest.moc"
