#include "drawing/Primitives.h"

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

void DrawingBuilder::line(double x1, double y1, double x2, double y2, Ink ink, int penWidth) {
    const auto from = pointAt(x1, y1);
    const auto to = pointAt(x2, y2);
    if (from && to) drawing_.push_back(Line{*from, *to, ink, penWidth});
}

void DrawingBuilder::dot(double x, double y, Ink ink, int penWidth) {
    if (const auto at = pointAt(x, y)) drawing_.push_back(Dot{*at, ink, penWidth});
}

void DrawingBuilder::text(double x, double y, std::string text, Ink ink, bool bold) {
    if (const auto at = pointAt(x, y)) drawing_.push_back(Text{*at, std::move(text), ink, bold, std::nullopt});
}

void DrawingBuilder::textBeside(double x, double y, std::string text, Ink ink, bool bold, TextFallback fallback) {
    const auto at = pointAt(x, y);
    if (at && std::isfinite(fallback.endAt)) drawing_.push_back(Text{*at, std::move(text), ink, bold, fallback});
}

}  // namespace drawing
