#include "drawing/Drawing.h"

#include <cmath>

namespace drawing {
namespace {

bool finite(Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }

bool finite(const Primitive& primitive) {
    if (const auto* line = std::get_if<Line>(&primitive)) return finite(line->from) && finite(line->to);
    if (const auto* dot = std::get_if<Dot>(&primitive)) return finite(dot->at);
    return finite(std::get<Text>(primitive).topLeft);
}

}  // namespace

void Drawing::add(const Primitive& primitive) {
    if (finite(primitive)) primitives.push_back(primitive);
}

}  // namespace drawing
