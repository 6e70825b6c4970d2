#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "DrawingQueries.h"
#include "drawing/CrossSectionDrawing.h"

using namespace drawing;

namespace {

std::vector<Line> outline(const Drawing& d) { return linesIn(d, kForeground); }

struct OutlineCase {
    const char* name;
    core::SectionDimensions dims;  // b, b1, b2, d1, d2, d3
    double w, sx, sy;
    Extent extent;
    double webWidth;                 // twips
    double topEdge, bottomEdge;      // lengths of segments 1 and 10, twips
    std::set<int> zeroLength;        // segment numbers 1..12
};

TEST(CrossSectionDrawing, ScalesAndOutline) {
    const OutlineCase cases[] = {
        {"start-up I-section", {124, 40, 40, 23, 23, 15}, 40, 62.5, 14.706,
         {1250, 3750, 1250, 3750}, 937.5, 2500, 2500, {}},
        {"rectangle as zero-thickness flanges of the web's width", {100, 30, 30, 0, 0, 30}, 30, 83.333, 25,
         {1250, 3750, 1250, 3750}, 2500, 2500, 2500, {2, 3, 4, 5, 8, 9, 11, 12}},
        {"wide zero-thickness flanges", {100, 60, 40, 0, 0, 30}, 60, 41.667, 25,
         {1250, 3750, 1250, 3750}, 1250, 1666.667, 2500, {4, 5, 11, 12}},
        {"T-section flange on top", {50, 0, 100, 0, 20, 30}, 100, 25, 35.714,
         {1250, 3750, 2500 - 25 * 2500.0 / 70, 2500 + 45 * 2500.0 / 70}, 750, 2500, 0, {10, 11, 12}},
        {"web wider than both flanges", {100, 20, 20, 10, 10, 40}, 40, 62.5, 2500.0 / 120,
         {1250, 3750, 1250, 3750}, 2500, 1250, 1250, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CrossSectionScales scales = crossSectionScales(c.dims);
        EXPECT_EQ(scales.w, c.w);
        EXPECT_NEAR(scales.sx, c.sx, 0.0005);
        EXPECT_NEAR(scales.sy, c.sy, 0.0005);

        const std::vector<Line> lines = outline(crossSectionDrawing(c.dims));
        ASSERT_EQ(lines.size(), 12u);
        const Extent e = extentOf(lines);
        EXPECT_NEAR(e.left, c.extent.left, 1e-6);
        EXPECT_NEAR(e.right, c.extent.right, 1e-6);
        EXPECT_NEAR(e.top, c.extent.top, 1e-6);
        EXPECT_NEAR(e.bottom, c.extent.bottom, 1e-6);
        EXPECT_NEAR(lines[6].from.x - lines[5].from.x, c.webWidth, 1e-6);
        EXPECT_NEAR(lines[0].to.x - lines[0].from.x, c.topEdge, 0.001);
        EXPECT_NEAR(lines[9].to.x - lines[9].from.x, c.bottomEdge, 0.001);
        for (int n = 1; n <= 12; ++n) {
            const Line& l = lines[size_t(n - 1)];
            const bool zero = l.from.x == l.to.x && l.from.y == l.to.y;
            EXPECT_EQ(zero, c.zeroLength.count(n) == 1) << "segment " << n;
            EXPECT_EQ(l.penWidth, 2);
        }
    }
}

// The outline closes: every segment end meets another segment's end.
TEST(CrossSectionDrawing, OutlineIsClosed) {
    const std::vector<Line> lines = outline(crossSectionDrawing({124, 60, 40, 23, 18, 15}));
    for (size_t i = 0; i < lines.size(); ++i) {
        for (const Point p : {lines[i].from, lines[i].to}) {
            bool met = false;
            for (size_t j = 0; j < lines.size(); ++j) {
                if (j == i) continue;
                for (const Point q : {lines[j].from, lines[j].to}) met |= p.x == q.x && p.y == q.y;
            }
            EXPECT_TRUE(met) << "segment " << i + 1;
        }
    }
}

TEST(CrossSectionDrawing, GridAxesAndLettersComeFirstInDrawingOrder) {
    const Drawing d = crossSectionDrawing({124, 40, 40, 23, 23, 15});
    EXPECT_EQ(d.width, 5000);
    EXPECT_EQ(d.height, 5000);
    EXPECT_EQ(kinds(d), std::string(46 + 2, 'L') + "D" + "TTTT" + std::string(12, 'L'));

    const std::vector<Line> grid = linesIn(d, kLightGrey);
    ASSERT_EQ(grid.size(), 46u);
    EXPECT_EQ(grid.front().from.y, 250);
    EXPECT_EQ(grid.front().to.x, 5000);
    EXPECT_EQ(grid[1].from.x, 250);
    EXPECT_EQ(grid.back().from.x, 4650);
    EXPECT_EQ(grid.back().to.y, 5000);

    const std::vector<Line> axes = linesIn(d, kRed);
    ASSERT_EQ(axes.size(), 2u);
    EXPECT_EQ(axes[0].from.x, 200);
    EXPECT_EQ(axes[0].to.x, 4800);
    EXPECT_EQ(axes[1].from.y, 200);
    EXPECT_EQ(axes[1].to.y, 4800);

    const Dot origin = all<Dot>(d).front();
    EXPECT_EQ(origin.colour, kRed);
    EXPECT_EQ(origin.penWidth, 5);
    EXPECT_EQ(origin.at.x, 2500);
    EXPECT_EQ(origin.at.y, 2500);

    const std::vector<Text> letters = all<Text>(d);
    const struct {
        const char* text;
        double x, y;
    } expected[] = {{"X", 200, 2300}, {"X", 4700, 2300}, {"Y", 2550, 200}, {"Y", 2550, 4600}};
    ASSERT_EQ(letters.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(letters[i].text, expected[i].text);
        EXPECT_EQ(letters[i].topLeft.x, expected[i].x);
        EXPECT_EQ(letters[i].topLeft.y, expected[i].y);
        EXPECT_EQ(letters[i].colour, kForeground);
        EXPECT_FALSE(letters[i].bold);
    }
}

}  // namespace
