#pragma once

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QTimer>
#include <functional>

// Opens a modal window through `open` (a menu command), and while it is up
// grabs its drawing surface and reads its fields, then closes it with its
// "U redu" button.
struct OpenedWindow {
    bool opened = false;
    bool closedByButton = false;
    QString caption;
    QImage surface;
    QMap<QString, QString> fields;

    static OpenedWindow open(const std::function<void()>& open, const QString& surfaceName) {
        OpenedWindow seen;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            seen.opened = true;
            seen.caption = dialog->windowTitle();
            if (auto* surface = dialog->findChild<QWidget*>(surfaceName)) seen.surface = surface->grab().toImage();
            for (auto* field : dialog->findChildren<QLineEdit*>()) seen.fields[field->objectName()] = field->text();
            if (auto* ok = dialog->findChild<QPushButton*>("cmdURedu")) {
                ok->click();
                seen.closedByButton = !dialog->isVisible();
            }
            dialog->close();  // never leave the test waiting on a window
        });
        open();
        return seen;
    }
};

// True when a pixel of the colour lies within one pixel of the point given
// in twips: a line's rounding to whole pixels may move it by one.
inline bool colourNear(const QImage& image, double xTwips, double yTwips, QColor colour) {
    const int x = static_cast<int>(xTwips / 15), y = static_cast<int>(yTwips / 15);
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (image.valid(x + dx, y + dy) && image.pixelColor(x + dx, y + dy).rgb() == colour.rgb()) return true;
        }
    }
    return false;
}
