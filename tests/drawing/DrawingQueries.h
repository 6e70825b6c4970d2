#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "FakeFields.h"
#include "drawing/Primitives.h"

// Picking the primitives of one kind out of a drawing, in drawing order.

inline core::DesignValues designWith(std::initializer_list<std::pair<core::Field, const char*>> changes) {
    FakeFields fields;
    for (const auto& [field, text] : changes) fields.setText(field, text);
    return core::readDesignValues(fields);
}

inline std::vector<drawing::Line> linesOf(const drawing::Drawing& d, drawing::Ink ink, int penWidth) {
    std::vector<drawing::Line> lines;
    for (const auto& p : d) {
        if (const auto* l = std::get_if<drawing::Line>(&p); l && l->ink == ink && l->penWidth == penWidth) {
            lines.push_back(*l);
        }
    }
    return lines;
}

template <class Kind>
std::vector<Kind> allOf(const drawing::Drawing& d) {
    std::vector<Kind> found;
    for (const auto& p : d) {
        if (const auto* k = std::get_if<Kind>(&p)) found.push_back(*k);
    }
    return found;
}

inline const drawing::Text* textOf(const drawing::Drawing& d, const std::string& text) {
    for (const auto& p : d) {
        if (const auto* t = std::get_if<drawing::Text>(&p); t && t->text == text) return t;
    }
    return nullptr;
}

inline double lengthOf(const drawing::Line& l) { return std::hypot(l.to.x - l.from.x, l.to.y - l.from.y); }
