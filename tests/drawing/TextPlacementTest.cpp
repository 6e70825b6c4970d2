#include <gtest/gtest.h>

#include "DrawingQueries.h"
#include "drawing/CrossSectionDrawing.h"
#include "drawing/MagnelDiagram.h"

using namespace drawing;
using core::Field;

namespace {

// The surface measures a text in its 8 pt font; about 100 twips a character
// is a little more than the bold digits and letters of these labels take.
double estimatedWidth(const Text& t) { return 100.0 * static_cast<double>(t.text.size()); }

struct PlacementCase {
    const char* name;
    Text text;
    double width;
    double left;
};

TEST(TextPlacement, KeepsATextOnTheSurfaceOnBothSides) {
    const PlacementCase cases[] = {
        {"fits where it stands", {{3343.8f, 3800}, "minNko", kForeground, true, 7000, 3243.8f}, 1800, 3343.8},
        {"past the right edge, left of its line", {{6550, 3800}, "minNko", kForeground, true, 7000, 6450}, 1800, 4650},
        {"left of its line, too long to fit there", {{6600, 3800}, "minNko", kForeground, true, 7000, 1200}, 5500, 0},
        {"line left of the surface", {{-2450, 3800}, "minNko", kForeground, true, 7000, -2550}, 1800, 0},
        {"a plain text past the right edge", {{4700, 2300}, "X", kForeground, false, 5000, {}}, 400, 4600},
        {"ending exactly at the edge", {{4600, 2300}, "X", kForeground, false, 5000, {}}, 400, 4600},
        {"wider than the surface", {{100, 0}, "long", kForeground, false, 5000, {}}, 6000, 0},
    };
    for (const auto& c : cases) EXPECT_FLOAT_EQ(placedLeft(c.text, c.width), c.left) << c.name;
}

TEST(TextPlacement, EveryTextOfBothDrawingsStaysOnItsSurface) {
    const struct {
        const char* name;
        core::DesignValues design;
    } designs[] = {
        {"start-up I-section", designWith({})},
        {"web 1 cm wide", designWith({{Field::D3, "1"}})},
        // Small moments: once a negative minNko whose text started left of the surface.
        {"web 1 cm wide, small moments",
         designWith({{Field::D3, "1"}, {Field::Mg, "100"}, {Field::Mp, "0"}, {Field::Ms, "100"}})},
        {"T-section, limit 3 reaches furthest",
         designWith({{Field::B, "50"}, {Field::D3, "30"}, {Field::B1, "0"}, {Field::D1, "0"}, {Field::B2, "100"},
                     {Field::D2, "20"}, {Field::Ek, "30"}, {Field::Mg, "200"}, {Field::Mp, "150"}, {Field::Ms, "50"}})},
        {"wide bottom flange", designWith({{Field::B1, "999"}, {Field::D1, "100"}})},
    };
    for (const auto& d : designs) {
        for (const auto& [size, drawing] : {std::pair{7000.0, magnelDiagram(d.design)},
                                            std::pair{5000.0, crossSectionDrawing(d.design)}}) {
            for (const Text& t : allOf<Text>(drawing)) {
                SCOPED_TRACE(std::string(d.name) + ": " + t.text);
                EXPECT_EQ(t.rightEdge, size);
                const double width = estimatedWidth(t);
                const double left = placedLeft(t, width);
                EXPECT_GE(left, 0);
                EXPECT_LE(left + width, size);
            }
        }
    }
}

}  // namespace
