#include <gtest/gtest.h>

#include <array>

#include "DrawingQueries.h"
#include "drawing/CrossSectionDrawing.h"

using namespace drawing;
using core::Field;

namespace {

struct OutlineCase {
    const char* name;
    core::DesignValues design;
    double sx, sy;
    double topLeft, topRight;        // segment 1
    double bottomLeft, bottomRight;  // segment 10
    double webWidth;                 // between segments 6 and 7
    double top, bottom;              // levels of segments 1 and 10
    std::array<bool, 12> zeroLength;
};

TEST(CrossSectionDrawing, OutlineFillsTheSquareOnBothScales) {
    const OutlineCase cases[] = {
        {"start-up I-section", designWith({}), 62.5, 2500.0 / 170, 1250, 3750, 1250, 3750, 937.5, 1250, 3750, {}},
        {"rectangle as zero-thickness flanges",
         designWith({{Field::B1, "30"}, {Field::B2, "30"}, {Field::D3, "30"}, {Field::D1, "0"}, {Field::D2, "0"},
                     {Field::B, "100"}}),
         2500.0 / 30, 25, 1250, 3750, 1250, 3750, 2500, 1250, 3750,
         {false, true, true, true, true, false, false, true, true, false, true, true}},
        {"wide zero-thickness flanges set the scale and narrow the web",
         designWith({{Field::B1, "60"}, {Field::B2, "40"}, {Field::D3, "30"}, {Field::D1, "0"}, {Field::D2, "0"},
                     {Field::B, "100"}}),
         2500.0 / 60, 25, 2500 - 2500.0 / 3, 2500 + 2500.0 / 3, 1250, 3750, 1250, 1250, 3750,
         {false, false, false, true, true, false, false, false, false, false, true, true}},
        // yb1 = 460320 / 4620 cm from the flange and web moments about the bottom edge.
        {"widest top flange", designWith({{Field::B2, "80"}}), 2500.0 / 80, 2500.0 / 170, 1250, 3750, 1875, 3125,
         468.75, 2500 - (170 - 460320.0 / 4620) * 2500 / 170, 2500 + 460320.0 / 4620 * 2500 / 170, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CrossSectionScales k = crossSectionScales(c.design.section);
        EXPECT_DOUBLE_EQ(k.sx, c.sx);
        EXPECT_DOUBLE_EQ(k.sy, c.sy);

        const auto outline = linesOf(crossSectionDrawing(c.design), kForeground, 2);
        ASSERT_EQ(outline.size(), 12u);
        EXPECT_NEAR(outline[0].from.x, c.topLeft, 1e-3);
        EXPECT_NEAR(outline[0].to.x, c.topRight, 1e-3);
        EXPECT_NEAR(outline[0].from.y, c.top, 1e-3);
        EXPECT_NEAR(outline[9].from.x, c.bottomLeft, 1e-3);
        EXPECT_NEAR(outline[9].to.x, c.bottomRight, 1e-3);
        EXPECT_NEAR(outline[9].from.y, c.bottom, 1e-3);
        EXPECT_NEAR(outline[6].from.x - outline[5].from.x, c.webWidth, 1e-3);
        for (size_t i = 0; i < 12; ++i) {
            EXPECT_EQ(lengthOf(outline[i]) == 0, c.zeroLength[i]) << "segment " << i + 1;
        }
    }
}

TEST(CrossSectionDrawing, GridAxesAndLettersComeFirstInTheirOrder) {
    const Drawing d = crossSectionDrawing(designWith({}));
    const auto grid = linesOf(d, kLightGrey, 1);
    ASSERT_EQ(grid.size(), 46u);  // 250, 450 .. 4650, each across and down
    EXPECT_EQ(grid[0].from.y, 250);
    EXPECT_EQ(grid[1].from.x, 250);
    EXPECT_EQ(grid[45].from.x, 4650);

    const auto axes = linesOf(d, kRed, 1);
    ASSERT_EQ(axes.size(), 2u);
    EXPECT_EQ(axes[0].from.x, 200);
    EXPECT_EQ(axes[0].to.x, 4800);
    EXPECT_EQ(axes[1].from.y, 200);

    const auto origin = std::get<Dot>(d[48]);
    EXPECT_EQ(origin.at.x, 2500);
    EXPECT_EQ(origin.penWidth, 5);
    EXPECT_EQ(origin.ink, kRed);

    const auto letters = allOf<Text>(d);
    ASSERT_EQ(letters.size(), 4u);
    const std::pair<const char*, Point> expected[] = {
        {"X", {200, 2300}}, {"X", {4700, 2300}}, {"Y", {2550, 200}}, {"Y", {2550, 4600}}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(letters[i].text, expected[i].first);
        EXPECT_EQ(letters[i].at.x, expected[i].second.x);
        EXPECT_EQ(letters[i].at.y, expected[i].second.y);
        EXPECT_FALSE(letters[i].bold);
        EXPECT_EQ(letters[i].ink, kForeground);
    }
    EXPECT_EQ(d.size(), 46u + 2 + 1 + 4 + 12);
}

TEST(CrossSectionDrawing, NoWidthLeavesOutTheOutlineNotTheGrid) {
    const Drawing d = crossSectionDrawing(designWith({{Field::B1, "0"}, {Field::B2, "0"}, {Field::D3, "0"}}));
    EXPECT_TRUE(linesOf(d, kForeground, 2).empty());
    EXPECT_EQ(linesOf(d, kLightGrey, 1).size(), 46u);
}

}  // namespace
