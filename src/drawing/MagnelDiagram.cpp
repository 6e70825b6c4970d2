#include "drawing/MagnelDiagram.h"

#include <array>
#include <cmath>
#include <optional>

#include "core/ForceBounds.h"
#include "core/NumberText.h"
#include "core/SectionProperties.h"

namespace drawing {
namespace {

constexpr double kOriginX = 2000;
constexpr double kOriginY = 3500;

double widestPart(const core::SectionDimensions& s) {
    if (s.b2 <= s.b1 && s.d3 <= s.b1) return s.b1;
    if (s.b1 < s.b2 && s.d3 <= s.b2) return s.b2;
    if (s.b1 < s.d3 && s.b2 < s.d3) return s.d3;
    return 0;  // only a width that is not a number gets here
}

// The first condition value whose magnitude is strictly greater than each of
// the other three; none on a tie.
std::optional<double> strictlyLargest(const std::array<double, 4>& q) {
    for (size_t i = 0; i < q.size(); ++i) {
        bool largest = true;
        for (size_t j = 0; j < q.size(); ++j) {
            if (j != i && !(std::fabs(q[i]) > std::fabs(q[j]))) largest = false;
        }
        if (largest) return q[i];
    }
    return std::nullopt;
}

struct Geometry {
    core::SectionProperties p;
    core::ForceBounds f;
    double kb1cm = 0, kb2cm = 0;  // kern distances in cm, from the metre values of the conditions
    MagnelScales k;

    double below(double v) const { return kOriginY + v * k.eccentricityScale; }
    double above(double v) const { return kOriginY - v * k.eccentricityScale; }
    double across(double u) const { return kOriginX + u * k.inverseForceScale; }
};

Geometry geometryOf(const core::DesignValues& v) {
    Geometry g;
    g.p = core::computeSectionProperties(v.section);
    g.f = core::computeForceBounds(v);
    const core::SectionInMetres w = core::sectionInMetres(g.p, v.cable.ek);
    g.kb1cm = w.kb1 * 1e2;
    g.kb2cm = w.kb2 * 1e2;
    const core::SectionDimensions& s = v.section;
    g.k.outlineScaleX = 3450 / widestPart(s);
    g.k.eccentricityScale = 3450 / (s.d1 + s.b + s.d2);
    if (const auto q = strictlyLargest({g.f.q1, g.f.q2, g.f.q3, g.f.q4})) {
        g.k.inverseForceScale = std::fabs(4500 / *q);
    }
    return g;
}

void gridAndAxes(DrawingBuilder& d) {
    d.grid(200);
    d.line(200, kOriginY, 6800, kOriginY, kForeground, 1);
    d.line(kOriginX, 200, kOriginX, 6800, kForeground, 1);
    d.dot(kOriginX, kOriginY, kForeground, 5);
}

void kernPoints(DrawingBuilder& d, const Geometry& g) {
    d.text(6250, 3300, "1/Nko", kForeground, true);
    d.text(2050, 6600, "ek", kForeground, true);
    d.text(1600, g.below(g.kb1cm) - 100, "kb1", kForeground, true);
    d.text(1600, g.above(g.kb2cm) - 100, "kb2", kForeground, true);
    d.dot(kOriginX, g.below(g.kb1cm), kForeground, 5);
    d.dot(kOriginX, g.above(g.kb2cm), kForeground, 5);
}

void outline(DrawingBuilder& d, const core::SectionDimensions& s, const Geometry& g) {
    const double xb1 = s.b1 / 2 * g.k.outlineScaleX;
    const double xb2 = s.b2 / 2 * g.k.outlineScaleX;
    const double xw = s.d3 / 2 * g.k.outlineScaleX;
    const double yT = g.above(g.p.yb2);
    const double yTF = g.above(g.p.yb2 - s.d2);
    const double yBF = g.below(g.p.yb1 - s.d1);
    const double yB = g.below(g.p.yb1);
    d.outline({kOriginX, yT, yTF, yBF, yB, xb2, xw, xb1}, BottomFlangeOrder::AwayFromTheWeb, kGrey, 1);
}

void conditionLines(DrawingBuilder& d, const Geometry& g, double ek) {
    const double yE = g.below(ek);
    d.line(250, yE, 6750, yE, kRed, 2);
    d.text(1000, yE - 250, "max ek", kForeground, true);

    // A negative condition value (ek above the lower kern point) is drawn to
    // the right of the ek axis like a positive one.
    const double upperKern = g.above(g.kb2cm), lowerKern = g.below(g.kb1cm);
    d.line(kOriginX, upperKern, g.across(std::fabs(g.f.q1)), yE, kBlue, 2);
    d.line(kOriginX, lowerKern, g.across(std::fabs(g.f.q2)), yE, kGreen, 2);
    d.line(kOriginX, upperKern, g.across(std::fabs(g.f.q3)), yE, kMagenta, 2);
    d.line(kOriginX, lowerKern, g.across(std::fabs(g.f.q4)), yE, kOlive, 2);

    const double xM = g.across(1 / g.f.minNko);
    d.line(xM, kOriginY, xM, yE, kCyan, 1);
    // When limit 3 or 4 governs and its line reaches furthest, the text would
    // start 450 twips short of the edge and be cut off: it then stands left of the line.
    d.textBeside(xM + 50, 3800, "minNko= " + core::formatTwoDecimals(g.f.minNko) + " kN", kForeground, true, xM - 50);
}

// Line 4 and its entry share olive, so each entry names the line of its colour.
void legend(DrawingBuilder& d) {
    d.text(4500, 350, "Legenda: ", kForeground, true);
    d.text(4500, 600, "1 ", kBlue, true);
    d.text(4700, 600, "2 ", kGreen, true);
    d.text(4900, 600, "3 ", kMagenta, true);
    d.text(5100, 600, "4 ", kOlive, true);
    d.text(5300, 600, "- naponski uslovi", kBlack, true);
    d.text(5100, 800, "5 ", kRed, true);
    d.text(5300, 800, "- max ek", kBlack, true);
}

}  // namespace

MagnelScales magnelScales(const core::DesignValues& v) { return geometryOf(v).k; }

Drawing magnelDiagram(const core::DesignValues& v) {
    const Geometry g = geometryOf(v);
    DrawingBuilder d(7000);
    gridAndAxes(d);
    kernPoints(d, g);
    outline(d, v.section, g);
    conditionLines(d, g, v.cable.ek);
    legend(d);
    return d.take();
}

}  // namespace drawing
