#pragma once

#include <string>
#include <vector>

#include "drawing/Drawing.h"

// Picking primitives out of a drawing by kind, colour and text.

template <typename Kind>
std::vector<Kind> all(const drawing::Drawing& d) {
    std::vector<Kind> found;
    for (const auto& p : d.primitives) {
        if (const auto* k = std::get_if<Kind>(&p)) found.push_back(*k);
    }
    return found;
}

inline std::vector<drawing::Line> linesIn(const drawing::Drawing& d, drawing::Colour colour) {
    std::vector<drawing::Line> found;
    for (const auto& line : all<drawing::Line>(d)) {
        if (line.colour == colour) found.push_back(line);
    }
    return found;
}

inline const drawing::Text* findText(const drawing::Drawing& d, const std::string& start) {
    for (const auto& p : d.primitives) {
        const auto* t = std::get_if<drawing::Text>(&p);
        if (t && t->text.rfind(start, 0) == 0) return t;
    }
    return nullptr;
}

// The kinds of the primitives in order, one letter each: L line, D dot, T text.
inline std::string kinds(const drawing::Drawing& d) {
    std::string s;
    for (const auto& p : d.primitives) s += "LDT"[p.index()];
    return s;
}

struct Extent {
    double left, right, top, bottom;
};

inline Extent extentOf(const std::vector<drawing::Line>& lines) {
    Extent e{1e300, -1e300, 1e300, -1e300};
    for (const auto& l : lines) {
        for (const drawing::Point p : {l.from, l.to}) {
            e.left = std::min(e.left, p.x);
            e.right = std::max(e.right, p.x);
            e.top = std::min(e.top, p.y);
            e.bottom = std::max(e.bottom, p.y);
        }
    }
    return e;
}
