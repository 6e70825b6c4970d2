#include "ui/MainWindowSketch.h"

#include <QPainter>

#include "ui/Fonts.h"
#include "ui/Twips.h"

namespace ui {
namespace {

constexpr int kTick = 60;  // half-length of a slanted dimension tick, twips

QPointF at(int x, int y) { return QPointF(x / kTwipsPerPixel, y / kTwipsPerPixel); }

void line(QPainter& p, int x1, int y1, int x2, int y2) { p.drawLine(at(x1, y1), at(x2, y2)); }

void tick(QPainter& p, int x, int y) { line(p, x - kTick, y + kTick, x + kTick, y - kTick); }

void horizontalDimension(QPainter& p, int x1, int x2, int y) {
    line(p, x1, y, x2, y);
    tick(p, x1, y);
    tick(p, x2, y);
}

void verticalDimension(QPainter& p, int x, int y1, int y2) {
    line(p, x, y1, x, y2);
    tick(p, x, y1);
    tick(p, x, y2);
}

void label(QPainter& p, int centreX, int centreY, const QString& text) {
    const QRectF box(at(centreX - 300, centreY - 150), at(centreX + 300, centreY + 150));
    p.drawText(box, Qt::AlignCenter, text);
}

}  // namespace

MainWindowSketch::MainWindowSketch(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void MainWindowSketch::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1));

    // The section: wide top flange, narrow web, narrower bottom flange.
    const QPolygonF outline{at(645, 900),   at(3375, 900),  at(3375, 1530), at(2220, 1530),
                            at(2220, 3315), at(2535, 3315), at(2535, 3840), at(1485, 3840),
                            at(1485, 3315), at(1800, 3315), at(1800, 1530), at(645, 1530)};
    p.drawPolygon(outline);

    QPen axis(palette().color(QPalette::WindowText), 1, Qt::DashDotLine);
    p.setPen(axis);
    line(p, 2010, 360, 2010, 4410);   // axis of symmetry
    line(p, 135, 2055, 3375, 2055);   // centroid axis
    p.setPen(QPen(palette().color(QPalette::WindowText), 1));

    // Widths above and below, the web across.
    line(p, 645, 900, 645, 570);
    line(p, 3375, 900, 3375, 570);
    horizontalDimension(p, 645, 3375, 660);
    line(p, 1485, 3840, 1485, 4170);
    line(p, 2535, 3840, 2535, 4170);
    horizontalDimension(p, 1485, 2535, 4080);
    horizontalDimension(p, 1800, 2220, 2640);

    // Heights on the right: d2, b, d1.
    for (int y : {900, 1530, 3315, 3840}) line(p, y == 900 || y == 1530 ? 3375 : 2535, y, 3885, y);
    verticalDimension(p, 3795, 900, 1530);
    verticalDimension(p, 3795, 1530, 3315);
    verticalDimension(p, 3795, 3315, 3840);

    // Centroid distances on the left: yb2 up to the top edge, yb1 down to the bottom.
    line(p, 645, 900, 120, 900);
    line(p, 1485, 3840, 120, 3840);
    verticalDimension(p, 210, 900, 2055);
    verticalDimension(p, 210, 2055, 3840);

    p.setFont(uiFont(12));
    label(p, 2010, 420, "b2");
    label(p, 3585, 1215, "d2");
    label(p, 3585, 2420, "b");
    label(p, 3585, 3580, "d1");
    label(p, 2010, 4290, "b1");
    label(p, 2490, 2460, "d3");
    label(p, 480, 1470, "yb2");
    label(p, 480, 2950, "yb1");
}

}  // namespace ui
