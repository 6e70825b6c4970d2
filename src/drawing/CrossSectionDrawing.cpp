#include "drawing/CrossSectionDrawing.h"

#include "core/SectionProperties.h"

namespace drawing {
namespace {

constexpr double kCentre = 2500;

double widestPart(const core::SectionDimensions& s) {
    if (s.b1 >= s.b2 && s.b1 >= s.d3) return s.b1;
    if (s.b2 > s.b1 && s.b2 >= s.d3) return s.b2;
    return s.d3;
}

void axes(DrawingBuilder& d) {
    d.line(200, kCentre, 4800, kCentre, kRed, 1);
    d.line(kCentre, 200, kCentre, 4800, kRed, 1);
    d.dot(kCentre, kCentre, kRed, 5);
    d.text(200, 2300, "X", kForeground, false);
    d.text(4700, 2300, "X", kForeground, false);
    d.text(2550, 200, "Y", kForeground, false);
    d.text(2550, 4600, "Y", kForeground, false);
}

void outline(DrawingBuilder& d, const core::SectionDimensions& s, const CrossSectionScales& k) {
    const core::SectionProperties p = core::computeSectionProperties(s);
    const double cx = kCentre, cy = kCentre;
    const double yT = cy - k.sy * p.yb2;
    const double yU = cy - k.sy * (p.yb2 - s.d2);
    const double yL = cy + k.sy * (p.yb1 - s.d1);
    const double yB = cy + k.sy * p.yb1;
    const double hb2 = k.sx * s.b2 / 2, hd3 = k.sx * s.d3 / 2, hb1 = k.sx * s.b1 / 2;
    d.outline({cx, yT, yU, yL, yB, hb2, hd3, hb1}, BottomFlangeOrder::TowardsTheWeb, kForeground, 2);
}

}  // namespace

CrossSectionScales crossSectionScales(const core::SectionDimensions& s) {
    return {2500 / widestPart(s), 2500 / (s.d2 + (s.b + s.d1))};
}

Drawing crossSectionDrawing(const core::DesignValues& v) {
    DrawingBuilder d(5000);
    d.grid(250);
    axes(d);
    outline(d, v.section, crossSectionScales(v.section));
    return d.take();
}

}  // namespace drawing
