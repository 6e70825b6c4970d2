#include <gtest/gtest.h>

#include <cmath>

#include "DrawingQueries.h"
#include "FakeFields.h"
#include "drawing/MagnelDiagram.h"

using namespace drawing;
using core::Field;

namespace {

core::DesignValues design(std::initializer_list<std::pair<Field, const char*>> changes = {}) {
    FakeFields fields;
    for (const auto& [field, text] : changes) fields.setText(field, text);
    return core::readDesignValues(fields);
}

Line onlyLine(const Drawing& d, Colour colour) {
    const std::vector<Line> lines = linesIn(d, colour);
    EXPECT_EQ(lines.size(), 1u);
    return lines.empty() ? Line{} : lines.front();
}

TEST(MagnelDiagram, StartupDesign) {
    const Drawing d = magnelDiagram(design());
    const MagnelScales scales = magnelScales(design().section, core::computeForceBounds(design()));
    EXPECT_DOUBLE_EQ(scales.outlineScaleX, 86.25);
    EXPECT_DOUBLE_EQ(scales.eccentricityScale, 3450.0 / 170);

    const double yE = 5032.2;
    const double kb1 = 4300.4, kb2 = 2699.6;
    const struct {
        const char* name;
        Colour colour;
        Point from, to;
    } lines[] = {
        {"line 1", kBlue, {2000, kb2}, {3063.7, yE}},  {"line 2", kGreen, {2000, kb1}, {3095.0, yE}},
        {"line 3", kMagenta, {2000, kb2}, {3293.8, yE}}, {"line 4", kOlive, {2000, kb1}, {6500, yE}},
        {"line 5", kRed, {250, yE}, {6750, yE}},         {"minNko", kCyan, {3293.8, 3500}, {3293.8, yE}},
    };
    for (const auto& l : lines) {
        SCOPED_TRACE(l.name);
        const Line drawn = onlyLine(d, l.colour);
        EXPECT_NEAR(drawn.from.x, l.from.x, 0.05);
        EXPECT_NEAR(drawn.from.y, l.from.y, 0.05);
        EXPECT_NEAR(drawn.to.x, l.to.x, 0.05);
        EXPECT_NEAR(drawn.to.y, l.to.y, 0.05);
    }

    const std::vector<Dot> dots = all<Dot>(d);
    ASSERT_EQ(dots.size(), 3u);
    EXPECT_NEAR(dots[1].at.y, kb1, 0.05);
    EXPECT_NEAR(dots[2].at.y, kb2, 0.05);

    const Extent outline = extentOf(linesIn(d, kGrey));
    EXPECT_NEAR(outline.left, 275, 1e-9);
    EXPECT_NEAR(outline.right, 3725, 1e-9);
    EXPECT_NEAR(outline.top, 1775, 1e-9);
    EXPECT_NEAR(outline.bottom, 5225, 1e-9);

    const Text* minNko = findText(d, "minNko=");
    ASSERT_NE(minNko, nullptr);
    EXPECT_EQ(minNko->text, "minNko= 2477.04 kN");
    EXPECT_NEAR(minNko->topLeft.x, 3343.8, 0.05);
    EXPECT_EQ(minNko->topLeft.y, 3800);
    ASSERT_TRUE(minNko->fallbackRightEdge.has_value());
    EXPECT_NEAR(*minNko->fallbackRightEdge, 3243.8, 0.05);
}

TEST(MagnelDiagram, LabelsSitAboveTheirPoints) {
    const Drawing d = magnelDiagram(design());
    const struct {
        const char* text;
        double x, y;
    } labels[] = {
        {"1/Nko", 6250, 3300}, {"ek", 2050, 6600}, {"kb1", 1600, 4200.4}, {"kb2", 1600, 2599.6},
        {"max ek", 1000, 4782.2}, {"Legenda: ", 4500, 350},
    };
    for (const auto& l : labels) {
        const Text* t = findText(d, l.text);
        ASSERT_NE(t, nullptr) << l.text;
        EXPECT_EQ(t->text, l.text);
        EXPECT_NEAR(t->topLeft.x, l.x, 0.05) << l.text;
        EXPECT_NEAR(t->topLeft.y, l.y, 0.05) << l.text;
        EXPECT_EQ(t->colour, kForeground) << l.text;
    }
    for (const Text& t : all<Text>(d)) EXPECT_TRUE(t.bold) << t.text;
}

// Each legend entry explains the line it names.
TEST(MagnelDiagram, LegendEntriesHaveTheColoursOfTheirLines) {
    const Drawing d = magnelDiagram(design());
    const struct {
        const char* text;
        double x, y;
        Colour colour;
    } legend[] = {
        {"1 ", 4500, 600, kBlue},  {"2 ", 4700, 600, kGreen}, {"3 ", 4900, 600, kMagenta},
        {"4 ", 5100, 600, kOlive}, {"- naponski uslovi", 5300, 600, kBlack},
        {"5 ", 5100, 800, kRed},   {"- max ek", 5300, 800, kBlack},
    };
    const std::vector<Text> texts = all<Text>(d);
    ASSERT_GE(texts.size(), 7u);
    for (size_t i = 0; i < 7; ++i) {
        const Text& t = texts[texts.size() - 7 + i];
        EXPECT_EQ(t.text, legend[i].text);
        EXPECT_EQ(t.topLeft.x, legend[i].x) << t.text;
        EXPECT_EQ(t.topLeft.y, legend[i].y) << t.text;
        EXPECT_EQ(t.colour, legend[i].colour) << t.text;
        if (legend[i].colour != kBlack) {
            EXPECT_EQ(linesIn(d, t.colour).size(), 1u) << t.text;
        }
    }
}

TEST(MagnelDiagram, PrimitivesInDrawingOrder) {
    const Drawing d = magnelDiagram(design());
    EXPECT_EQ(d.width, 7000);
    EXPECT_EQ(d.height, 7000);
    const std::string expected = std::string(68 + 2, 'L') + "D" + "TTTT" + "DD" + std::string(12, 'L') + "LT" +
                                 "LLLL" + "LT" + std::string(8, 'T');
    EXPECT_EQ(kinds(d), expected);

    const std::vector<Line> grid = linesIn(d, kLightGrey);
    ASSERT_EQ(grid.size(), 68u);
    EXPECT_EQ(grid.front().from.y, 200);
    EXPECT_EQ(grid.back().from.x, 6800);
    const struct {
        Colour colour;
        int penWidth;
        size_t count;
    } pens[] = {{kLightGrey, 1, 68}, {kForeground, 1, 2}, {kGrey, 1, 12}, {kRed, 2, 1}, {kBlue, 2, 1},
                {kGreen, 2, 1},      {kMagenta, 2, 1},    {kOlive, 2, 1}, {kCyan, 1, 1}};
    for (const auto& pen : pens) {
        const std::vector<Line> lines = linesIn(d, pen.colour);
        EXPECT_EQ(lines.size(), pen.count);
        for (const Line& l : lines) EXPECT_EQ(l.penWidth, pen.penWidth);
    }
    for (const Dot& dot : all<Dot>(d)) EXPECT_EQ(dot.penWidth, 5);
}

struct WidthCase {
    double b1, b2, d3, used;
};

TEST(MagnelDiagram, OutlineScaleUsesTheWidestPart) {
    const WidthCase cases[] = {
        {40, 40, 15, 40},  // flanges equal, wider than the web
        {30, 30, 30, 30},  // rectangle: all three equal
        {20, 60, 15, 60},  // top flange widest
        {60, 20, 15, 60},  // bottom flange widest
        {20, 20, 30, 30},  // web widest
        {0, 100, 30, 100}, // T-section
    };
    for (const auto& c : cases) {
        const core::SectionDimensions s{100, c.b1, c.b2, 10, 10, c.d3};
        EXPECT_DOUBLE_EQ(magnelScales(s, {}).outlineScaleX, 3450 / c.used) << c.b1 << " " << c.b2 << " " << c.d3;
    }
}

// With ek above the lower kern point the conditions 2 and 4 turn negative;
// their lines still run to the right of the ek axis.
TEST(MagnelDiagram, NegativeConditionValuesAreDrawnToTheRight) {
    const core::DesignValues v = design({{Field::Ek, "20"}});
    const core::ForceBounds f = core::computeForceBounds(v);
    ASSERT_LT(f.q2, 0);
    ASSERT_LT(f.q4, 0);
    const double scale = magnelScales(v.section, f).inverseForceScale;
    ASSERT_GT(scale, 0);
    const Drawing d = magnelDiagram(v);
    EXPECT_DOUBLE_EQ(onlyLine(d, kGreen).to.x, 2000 + std::fabs(f.q2) * scale);
    EXPECT_DOUBLE_EQ(onlyLine(d, kOlive).to.x, 2000 + std::fabs(f.q4) * scale);
    EXPECT_GT(onlyLine(d, kGreen).to.x, 2000);
    EXPECT_GT(onlyLine(d, kOlive).to.x, 2000);
}

// A symmetric section with the cable at the centroid and equal allowable
// stresses gives |q1| = |q2| and |q3| = |q4|: no value is strictly the
// largest, the scale stays 0 and every line ends on the ek axis.
TEST(MagnelDiagram, TieForTheLargestConditionValueLeavesTheScaleAtZero) {
    const core::DesignValues v = design({{Field::Ek, "0"}, {Field::Gbz0, "19.5"}, {Field::Gbzbes, "16"}});
    const core::ForceBounds f = core::computeForceBounds(v);
    ASSERT_EQ(std::fabs(f.q1), std::fabs(f.q2));
    ASSERT_EQ(std::fabs(f.q3), std::fabs(f.q4));
    EXPECT_EQ(magnelScales(v.section, f).inverseForceScale, 0);
    const Drawing d = magnelDiagram(v);
    for (const Colour c : {kBlue, kGreen, kMagenta, kOlive, kCyan}) EXPECT_EQ(onlyLine(d, c).to.x, 2000);
}

TEST(MagnelDiagram, LargestConditionValueIsFoundWhicheverItIs) {
    const double q[][4] = {{4, 1, 2, 3}, {1, -4, 2, 3}, {1, 2, 4, -3}, {1, 2, 3, 4}, {4, 1, 4, 3}, {-4, 1, 2, 4}};
    const double expected[] = {1125, 1125, 1125, 1125, 0, 0};
    for (size_t i = 0; i < std::size(q); ++i) {
        core::ForceBounds f;
        f.q1 = q[i][0];
        f.q2 = q[i][1];
        f.q3 = q[i][2];
        f.q4 = q[i][3];
        EXPECT_EQ(magnelScales({100, 40, 40, 10, 10, 20}, f).inverseForceScale, expected[i]) << "case " << i;
    }
}

// m = 0 leaves both lower limits undefined and so minNko: the diagram is
// drawn without its minNko line and text instead of with a line at infinity.
TEST(MagnelDiagram, UndefinedMinNkoIsLeftOut) {
    const Drawing d = magnelDiagram(design({{Field::M, "0"}}));
    EXPECT_TRUE(linesIn(d, kCyan).empty());
    EXPECT_EQ(findText(d, "minNko="), nullptr);
    EXPECT_EQ(linesIn(d, kBlue).size(), 1u);
    EXPECT_NE(findText(d, "Legenda: "), nullptr);
}

}  // namespace
