#pragma once

#include <QWidget>

#include "drawing/Primitives.h"

class QPainter;

namespace ui {

// Paints a primitive list, twips to pixels at 15 twips a pixel, with the
// given foreground for primitives that have no colour of their own. Free of
// any widget, so the same list can be painted onto an image or a printer.
void paintDrawing(QPainter& painter, const drawing::Drawing& drawing, const QColor& foreground);

// A drawing surface: the system window colour behind, the window-text colour
// as foreground. It keeps its list and replays it on every paint, so the
// drawing survives being covered, moved or shown at another pixel density.
class DrawingSurface : public QWidget {
    Q_OBJECT
public:
    explicit DrawingSurface(QWidget* parent = nullptr);

    void setDrawing(drawing::Drawing drawing);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    drawing::Drawing drawing_;
};

}  // namespace ui
