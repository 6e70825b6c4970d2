#pragma once

#include <QWidget>

#include "drawing/Primitives.h"
#include "ui/ReportFile.h"

class QImage;
class QPainter;

namespace ui {

// Paints a primitive list, twips to pixels at 15 twips a pixel, with the
// given foreground for primitives that have no colour of their own. Free of
// any widget, so the same list can be painted onto an image or a printer.
void paintDrawing(QPainter& painter, const drawing::Drawing& drawing, const QColor& foreground);

// A drawing surface: the system window colour behind, the window-text colour
// as foreground. It keeps its list and replays it on every paint, so the
// drawing survives being covered, moved or shown at another pixel density.
// Its context menu saves the same list as an image, or copies the image to
// the clipboard.
class DrawingSurface : public QWidget {
    Q_OBJECT
public:
    // imageName is the file name "Snimi sliku..." proposes.
    DrawingSurface(QWidget* parent, const QString& imageName);

    void setDrawing(drawing::Drawing drawing);

    // The drawing at twice the surface's pixel size, as an image or a PNG, or as SVG.
    QImage image() const;
    QByteArray png() const;
    QByteArray svg() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void paintOn(QPainter& painter) const;
    void saveImage();

    drawing::Drawing drawing_;
    SaveDialog saveDialog_;
};

}  // namespace ui
