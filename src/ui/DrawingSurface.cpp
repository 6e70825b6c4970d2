#include "ui/DrawingSurface.h"

#include <QFontMetricsF>
#include <QPainter>

#include "ui/Fonts.h"
#include "ui/Twips.h"

namespace ui {
namespace {

QColor colourOf(const drawing::Colour& c, const SurfaceStyle& style) {
    return c.foreground ? style.foreground : QColor(c.red, c.green, c.blue);
}

// Coordinates in pixels of a 96-dpi screen.
QPointF at(drawing::Point p) { return QPointF(p.x / kTwipsPerPixel, p.y / kTwipsPerPixel); }

QPen pen(const QColor& colour, int width) { return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

struct PrimitivePainter {
    const drawing::Drawing& drawing;
    QPainter& painter;
    const SurfaceStyle& style;

    void operator()(const drawing::Line& l) const {
        painter.setPen(pen(colourOf(l.colour, style), l.penWidth));
        painter.drawLine(at(l.from), at(l.to));
    }
    void operator()(const drawing::Dot& d) const {
        painter.setPen(pen(colourOf(d.colour, style), d.penWidth));
        painter.drawPoint(at(d.at));
    }
    void operator()(const drawing::Text& t) const {
        QFont font = style.font;
        font.setBold(t.bold);
        painter.setFont(font);
        painter.setPen(colourOf(t.colour, style));
        const QRectF box(textPosition(drawing, t, font), QSizeF(10000, 1000));
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, QString::fromStdString(t.text));
    }
};

}  // namespace

QPointF textPosition(const drawing::Drawing& d, const drawing::Text& t, const QFont& font) {
    QPointF topLeft = at(t.topLeft);
    if (t.fallbackRightEdge) {
        // Measured on a 96-dpi device, the unit the painter is scaled to.
        const double width = QFontMetricsF(font, nullptr).horizontalAdvance(QString::fromStdString(t.text));
        if (topLeft.x() + width > d.width / kTwipsPerPixel) topLeft.setX(*t.fallbackRightEdge / kTwipsPerPixel - width);
    }
    return topLeft;
}

void paintDrawing(const drawing::Drawing& d, QPainter& painter, double pixelsPerTwip, const SurfaceStyle& style) {
    painter.save();
    // Lines in pure colours, as a drawing surface of fixed pixels shows them;
    // only the texts are smoothed.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const double zoom = pixelsPerTwip * kTwipsPerPixel;
    painter.scale(zoom, zoom);
    painter.fillRect(QRectF(QPointF(0, 0), at({d.width, d.height})), style.background);
    const PrimitivePainter paintOne{d, painter, style};
    for (const drawing::Primitive& primitive : d.primitives) std::visit(paintOne, primitive);
    painter.restore();
}

DrawingSurface::DrawingSurface(QWidget* parent, const char* name, QRect geometry) : QWidget(parent) {
    setObjectName(name);
    setGeometry(geometry);
    setFont(uiFont(8));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DrawingSurface::setDrawing(drawing::Drawing d) {
    drawing_ = std::move(d);
    update();
}

SurfaceStyle DrawingSurface::style() const {
    return {palette().color(QPalette::Base), palette().color(QPalette::Text), font()};
}

void DrawingSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The area beyond the drawing, if the surface is larger, stays background.
    painter.fillRect(rect(), style().background);
    paintDrawing(drawing_, painter, 1 / kTwipsPerPixel, style());
}

}  // namespace ui
