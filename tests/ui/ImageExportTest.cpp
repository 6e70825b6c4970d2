#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QImage>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "ui/DrawingSurface.h"
#include "ui/ReportFile.h"
#include "ui/frmMagnelovDijagram.h"
#include "ui/frmPocetniParametriProracuna.h"
#include "ui/frmPoprecniPresek.h"

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

    void copyPictureTakesTheDrawingToTheClipboard_data() {
        QTest::addColumn<bool>("magnel");
        QTest::newRow("Magnel diagram") << true;
        QTest::newRow("cross-section") << false;
    }

    void copyPictureTakesTheDrawingToTheClipboard() {
        QFETCH(bool, magnel);
        ui::frmPocetniParametriProracuna main;
        std::unique_ptr<QDialog> window;
        if (magnel) {
            window = std::make_unique<ui::frmMagnelovDijagram>(main.fields(), &main);
        } else {
            window = std::make_unique<ui::frmPoprecniPresek>(main.fields(), &main);
        }
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto* surface = window->findChild<ui::DrawingSurface*>(magnel ? "pctMagnelovDijagram" : "pctPoprecniPresek");
        QVERIFY(surface);
        QGuiApplication::clipboard()->clear();

        QStringList entries;
        QTimer pick;
        connect(&pick, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            pick.stop();
            for (QAction* a : menu->actions()) entries << a->text();
            if (auto* copy = menu->findChild<QAction*>("mnuKopirajSliku")) copy->trigger();
            menu->close();
        });
        pick.start(5);
        QContextMenuEvent click(QContextMenuEvent::Mouse, surface->rect().center(),
                                surface->mapToGlobal(surface->rect().center()));
        QApplication::sendEvent(surface, &click);

        QCOMPARE(entries, (QStringList{"Snimi sliku...", "Kopiraj sliku"}));
        const QImage copied = QGuiApplication::clipboard()->image();
        const QImage drawn = surface->image();
        QCOMPARE(copied.size(), drawn.size());
        QVERIFY(copied.convertToFormat(QImage::Format_RGB32) == drawn.convertToFormat(QImage::Format_RGB32));
    }
};

QTEST_MAIN(ImageExportTest)
#include "ImageExportTest.moc"
