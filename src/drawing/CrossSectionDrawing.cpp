#include "drawing/CrossSectionDrawing.h"

#include "core/SectionProperties.h"
#include "drawing/SectionOutline.h"

namespace drawing {
namespace {

constexpr double kCentre = 2500;

Text letter(double x, double y, const char* s) { return Text{{x, y}, s, kForeground, false, {}}; }

void addGrid(Drawing& d) {
    for (int i = 250; i <= 4750; i += 200) {
        d.add(Line{{0, double(i)}, {kCrossSectionSurface, double(i)}, kLightGrey, 1});
        d.add(Line{{double(i), 0}, {double(i), kCrossSectionSurface}, kLightGrey, 1});
    }
}

void addAxes(Drawing& d) {
    d.add(Line{{200, kCentre}, {4800, kCentre}, kRed, 1});
    d.add(Line{{kCentre, 200}, {kCentre, 4800}, kRed, 1});
    d.add(Dot{{kCentre, kCentre}, kRed, 5});
    d.add(letter(200, 2300, "X"));
    d.add(letter(4700, 2300, "X"));
    d.add(letter(2550, 200, "Y"));
    d.add(letter(2550, 4600, "Y"));
}

}  // namespace

CrossSectionScales crossSectionScales(const core::SectionDimensions& s) {
    CrossSectionScales scales;
    if (s.b1 >= s.b2 && s.b1 >= s.d3) {
        scales.w = s.b1;
    } else if (s.b2 > s.b1 && s.b2 >= s.d3) {
        scales.w = s.b2;
    } else {
        scales.w = s.d3;
    }
    scales.sx = 2500 / scales.w;
    scales.sy = 2500 / (s.d2 + (s.b + s.d1));
    return scales;
}

Drawing crossSectionDrawing(const core::SectionDimensions& s) {
    Drawing d{kCrossSectionSurface, kCrossSectionSurface, {}};
    const CrossSectionScales scales = crossSectionScales(s);
    addGrid(d);
    addAxes(d);
    const core::SectionProperties p = core::computeSectionProperties(s);
    for (const Segment& segment : sectionOutline(s, p, {kCentre, kCentre}, scales.sx, scales.sy)) {
        d.add(Line{segment.from, segment.to, kForeground, 2});
    }
    return d;
}

}  // namespace drawing
