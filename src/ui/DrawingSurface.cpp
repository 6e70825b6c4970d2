#include "ui/DrawingSurface.h"

#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QSvgGenerator>

#include "ui/Fonts.h"
#include "ui/Twips.h"

namespace ui {
namespace {

QPointF pixels(const drawing::Point& p) { return {p.x / kTwipsPerPixel, p.y / kTwipsPerPixel}; }

QColor colourOf(const drawing::Ink& ink, const QColor& foreground) {
    return ink ? QColor(ink->red, ink->green, ink->blue) : foreground;
}

QPen pen(const drawing::Ink& ink, int width, const QColor& foreground) {
    QPen p(colourOf(ink, foreground));
    p.setWidth(width);
    p.setCapStyle(Qt::RoundCap);
    return p;
}

// The surface font is the window's 8 pt sans serif.
void paintText(QPainter& painter, const drawing::Text& t, const QColor& foreground) {
    const QFont font = uiFont(8, t.bold);
    painter.setFont(font);
    painter.setPen(colourOf(t.ink, foreground));
    const QString text = QString::fromStdString(t.text);
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(text) * kTwipsPerPixel;
    const QPointF topLeft(drawing::placedLeft(t, width) / kTwipsPerPixel, t.at.y / kTwipsPerPixel);
    painter.drawText(topLeft + QPointF(0, metrics.ascent()), text);
}

}  // namespace

void paintDrawing(QPainter& painter, const drawing::Drawing& drawing, const QColor& foreground) {
    for (const auto& primitive : drawing) {
        if (const auto* l = std::get_if<drawing::Line>(&primitive)) {
            painter.setPen(pen(l->ink, l->penWidth, foreground));
            painter.drawLine(pixels(l->from), pixels(l->to));
        } else if (const auto* d = std::get_if<drawing::Dot>(&primitive)) {
            painter.setPen(pen(d->ink, d->penWidth, foreground));
            painter.drawPoint(pixels(d->at));
        } else if (const auto* t = std::get_if<drawing::Text>(&primitive)) {
            paintText(painter, *t, foreground);
        }
    }
}

DrawingSurface::DrawingSurface(QWidget* parent, const QString& imageName)
    : QWidget(parent), saveDialog_("Snimanje slike", imageName, "PNG (*.png);;SVG (*.svg)", "png") {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DrawingSurface::setDrawing(drawing::Drawing drawing) {
    drawing_ = std::move(drawing);
    update();
}

void DrawingSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintOn(painter);
}

void DrawingSurface::paintOn(QPainter& painter) const {
    painter.fillRect(rect(), palette().color(QPalette::Base));
    paintDrawing(painter, drawing_, palette().color(QPalette::Text));
}

QImage DrawingSurface::image() const {
    QImage image(size() * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    QPainter painter(&image);
    paintOn(painter);
    painter.end();
    return image;
}

QByteArray DrawingSurface::png() const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image().save(&buffer, "PNG");
    return bytes;
}

QByteArray DrawingSurface::svg() const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size());
    generator.setViewBox(rect());
    generator.setTitle(window()->windowTitle());
    QPainter painter(&generator);
    paintOn(painter);
    painter.end();
    return bytes;
}

void DrawingSurface::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* save = menu.addAction("Snimi sliku...");
    save->setObjectName("mnuSnimiSliku");
    connect(save, &QAction::triggered, this, &DrawingSurface::saveImage);
    QAction* copy = menu.addAction("Kopiraj sliku");
    copy->setObjectName("mnuKopirajSliku");
    connect(copy, &QAction::triggered, this, [this] { QGuiApplication::clipboard()->setImage(image()); });
    menu.exec(event->globalPos());
}

void DrawingSurface::saveImage() {
    const QString path = saveDialog_.ask(this);
    if (path.isEmpty()) return;
    writeFileSafely(this, path, path.endsWith(".svg", Qt::CaseInsensitive) ? svg() : png());
}

}  // namespace ui
