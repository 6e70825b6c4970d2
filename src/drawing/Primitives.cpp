#include "drawing/Primitives.h"

#include <algorithm>
#include <cmath>

namespace drawing {
namespace {

std::optional<Point> pointAt(double x, double y) {
    const auto fx = static_cast<float>(x);
    const auto fy = static_cast<float>(y);
    if (!std::isfinite(fx) || !std::isfinite(fy)) return std::nullopt;
    return Point{fx, fy};
}

}  // namespace

double placedLeft(const Text& text, double width) {
    double left = text.at.x;
    if (text.endAt && left + width > text.rightEdge) left = *text.endAt - width;
    // A negative minNko puts its line left of the surface; a text wider than
    // the surface starts at its left edge.
    return std::max(0.0, std::min(left, text.rightEdge - width));
}

void DrawingBuilder::line(double x1, double y1, double x2, double y2, Ink ink, int penWidth) {
    const auto from = pointAt(x1, y1);
    const auto to = pointAt(x2, y2);
    if (from && to) drawing_.push_back(Line{*from, *to, ink, penWidth});
}

void DrawingBuilder::dot(double x, double y, Ink ink, int penWidth) {
    if (const auto at = pointAt(x, y)) drawing_.push_back(Dot{*at, ink, penWidth});
}

void DrawingBuilder::text(double x, double y, std::string text, Ink ink, bool bold) {
    if (const auto at = pointAt(x, y)) {
        drawing_.push_back(Text{*at, std::move(text), ink, bold, static_cast<float>(size_), std::nullopt});
    }
}

void DrawingBuilder::textBeside(double x, double y, std::string text, Ink ink, bool bold, double endAt) {
    const auto at = pointAt(x, y);
    const auto end = static_cast<float>(endAt);
    if (at && std::isfinite(end)) drawing_.push_back(Text{*at, std::move(text), ink, bold, static_cast<float>(size_), end});
}

void DrawingBuilder::grid(int margin) {
    for (int i = margin; i <= size_ - margin; i += 200) {
        line(0, i, size_, i, kLightGrey, 1);
        line(i, 0, i, size_, kLightGrey, 1);
    }
}

void DrawingBuilder::outline(const SectionOutline& o, BottomFlangeOrder order, Ink ink, int penWidth) {
    const double c = o.centre;
    auto segment = [&](double x1, double y1, double x2, double y2) { line(x1, y1, x2, y2, ink, penWidth); };
    segment(c - o.topFlange, o.top, c + o.topFlange, o.top);
    segment(c - o.topFlange, o.underTopFlange, c - o.web, o.underTopFlange);
    segment(c + o.topFlange, o.underTopFlange, c + o.web, o.underTopFlange);
    segment(c - o.topFlange, o.top, c - o.topFlange, o.underTopFlange);
    segment(c + o.topFlange, o.top, c + o.topFlange, o.underTopFlange);
    segment(c - o.web, o.underTopFlange, c - o.web, o.overBottomFlange);
    segment(c + o.web, o.underTopFlange, c + o.web, o.overBottomFlange);
    // The bottom flange's segments, given from the web's side outwards.
    auto flange = [&](double x1, double y1, double x2, double y2) {
        if (order == BottomFlangeOrder::TowardsTheWeb) {
            segment(x2, y2, x1, y1);
        } else {
            segment(x1, y1, x2, y2);
        }
    };
    flange(c - o.web, o.overBottomFlange, c - o.bottomFlange, o.overBottomFlange);
    flange(c + o.web, o.overBottomFlange, c + o.bottomFlange, o.overBottomFlange);
    segment(c - o.bottomFlange, o.bottom, c + o.bottomFlange, o.bottom);
    flange(c - o.bottomFlange, o.overBottomFlange, c - o.bottomFlange, o.bottom);
    flange(c + o.bottomFlange, o.overBottomFlange, c + o.bottomFlange, o.bottom);
}

}  // namespace drawing
