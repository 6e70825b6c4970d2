#include "drawing/MagnelDiagram.h"

#include <cmath>
#include <string>

#include "core/NumberText.h"
#include "core/SectionProperties.h"
#include "drawing/SectionOutline.h"

namespace drawing {
namespace {

constexpr double kX0 = kMagnelOrigin.x;
constexpr double kY0 = kMagnelOrigin.y;

double widestPart(const core::SectionDimensions& s) {
    if (s.b2 <= s.b1 && s.d3 <= s.b1) return s.b1;
    if (s.b1 < s.b2 && s.d3 <= s.b2) return s.b2;
    if (s.b1 < s.d3 && s.b2 < s.d3) return s.d3;
    return 0;  // only for widths that are not numbers
}

// The condition line reaching furthest ends 4500 twips right of the ek axis.
double inverseForceScale(const core::ForceBounds& f) {
    const double q[] = {f.q1, f.q2, f.q3, f.q4};
    for (int i = 0; i < 4; ++i) {
        bool largest = true;
        for (int j = 0; j < 4; ++j) {
            if (j != i && !(std::fabs(q[i]) > std::fabs(q[j]))) largest = false;
        }
        if (largest) return std::fabs(4500 / q[i]);
    }
    return 0;
}

// Every text of the diagram is bold: the labels start the bold part.
Text label(double x, double y, std::string s, Colour colour = kForeground) {
    return Text{{x, y}, std::move(s), colour, true, {}};
}

void addGrid(Drawing& d) {
    for (int i = 200; i <= 6800; i += 200) {
        d.add(Line{{0, double(i)}, {kMagnelSurface, double(i)}, kLightGrey, 1});
        d.add(Line{{double(i), 0}, {double(i), kMagnelSurface}, kLightGrey, 1});
    }
}

void addLegend(Drawing& d) {
    d.add(label(4500, 350, "Legenda: "));
    d.add(label(4500, 600, "1 ", kBlue));
    d.add(label(4700, 600, "2 ", kGreen));
    d.add(label(4900, 600, "3 ", kMagenta));
    d.add(label(5100, 600, "4 ", kOlive));
    d.add(label(5300, 600, "- naponski uslovi", kBlack));
    d.add(label(5100, 800, "5 ", kRed));
    d.add(label(5300, 800, "- max ek", kBlack));
}

}  // namespace

MagnelScales magnelScales(const core::SectionDimensions& s, const core::ForceBounds& bounds) {
    MagnelScales scales;
    const double widest = widestPart(s);
    if (widest != 0) scales.outlineScaleX = 3450 / widest;
    scales.eccentricityScale = 3450 / (s.d1 + s.b + s.d2);
    scales.inverseForceScale = inverseForceScale(bounds);
    return scales;
}

Drawing magnelDiagram(const core::DesignValues& v) {
    const core::SectionProperties p = core::computeSectionProperties(v.section);
    const core::WorkingSection w = core::workingSection(p, v.cable.ek);
    const core::ForceBounds f = core::computeForceBounds(v);
    const MagnelScales scales = magnelScales(v.section, f);
    const double es = scales.eccentricityScale;
    const double yKb1 = kY0 + w.kb1 * 1e2 * es;  // lower kern point
    const double yKb2 = kY0 - w.kb2 * 1e2 * es;  // upper kern point
    const double yE = kY0 + v.cable.ek * es;     // design eccentricity
    auto xAt = [&](double inverseForce) { return kX0 + inverseForce * scales.inverseForceScale; };

    Drawing d{kMagnelSurface, kMagnelSurface, {}};
    addGrid(d);
    d.add(Line{{200, kY0}, {6800, kY0}, kForeground, 1});
    d.add(Line{{kX0, 200}, {kX0, 6800}, kForeground, 1});
    d.add(Dot{kMagnelOrigin, kForeground, 5});

    d.add(label(6250, 3300, "1/Nko"));
    d.add(label(2050, 6600, "ek"));
    d.add(label(1600, yKb1 - 100, "kb1"));
    d.add(label(1600, yKb2 - 100, "kb2"));
    d.add(Dot{{kX0, yKb1}, kForeground, 5});
    d.add(Dot{{kX0, yKb2}, kForeground, 5});

    for (const Segment& segment : sectionOutline(v.section, p, kMagnelOrigin, scales.outlineScaleX, es)) {
        d.add(Line{segment.from, segment.to, kGrey, 1});
    }

    d.add(Line{{250, yE}, {6750, yE}, kRed, 2});
    d.add(label(1000, yE - 250, "max ek"));

    // Each condition runs from its kern point on the ek axis to the design
    // eccentricity; a negative condition value (ek above the lower kern point)
    // is drawn to the right like a positive one.
    d.add(Line{{kX0, yKb2}, {xAt(std::fabs(f.q1)), yE}, kBlue, 2});
    d.add(Line{{kX0, yKb1}, {xAt(std::fabs(f.q2)), yE}, kGreen, 2});
    d.add(Line{{kX0, yKb2}, {xAt(std::fabs(f.q3)), yE}, kMagenta, 2});
    d.add(Line{{kX0, yKb1}, {xAt(std::fabs(f.q4)), yE}, kOlive, 2});

    const double xM = xAt(1 / f.minNko);
    d.add(Line{{xM, kY0}, {xM, yE}, kCyan, 1});
    // Far right the text would run off the diagram: it then stands left of the line.
    Text minNkoText = label(xM + 50, 3800, "minNko= " + core::formatTwoDecimals(f.minNko) + " kN");
    minNkoText.fallbackRightEdge = xM - 50;
    d.add(minNkoText);

    addLegend(d);
    return d;
}

}  // namespace drawing
