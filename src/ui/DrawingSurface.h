#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>

#include "drawing/Drawing.h"

class QPainter;

namespace ui {

struct SurfaceStyle {
    QColor background;
    QColor foreground;  // for the primitives drawn in the foreground colour
    QFont font;         // bold is switched per text
};

// Paints the drawing onto any paint device, its whole area filled with the
// background first. At 1/15 pixel per twip one pen pixel is one pixel of a
// 96-dpi screen; at another scale pens and font grow with the drawing, so it
// looks the same, only larger or smaller.
void paintDrawing(const drawing::Drawing& d, QPainter& painter, double pixelsPerTwip, const SurfaceStyle& style);

// Where a text's top left corner comes to lie, in 96-dpi pixels, once its
// fallback is applied.
QPointF textPosition(const drawing::Drawing& d, const drawing::Text& t, const QFont& font);

// A drawing surface that keeps its primitive list and paints it again
// whenever it is exposed, at 15 twips to the pixel. On a high-density screen
// the painter's device pixel ratio sharpens it without changing its size.
class DrawingSurface : public QWidget {
public:
    DrawingSurface(QWidget* parent, const char* name, QRect geometry);

    void setDrawing(drawing::Drawing d);
    const drawing::Drawing& drawing() const { return drawing_; }

    // The system window colour (the background of text areas, white in most
    // schemes) under the window-text colour, in the surface's font.
    SurfaceStyle style() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    drawing::Drawing drawing_;
};

}  // namespace ui
