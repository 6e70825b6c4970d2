#include <gtest/gtest.h>

#include <algorithm>

#include "DrawingQueries.h"
#include "core/ForceBounds.h"
#include "drawing/MagnelDiagram.h"

using namespace drawing;
using core::Field;

namespace {

constexpr double kShown = 0.05;  // the worked numbers are given to one decimal

struct ConditionLine {
    const char* name;
    Rgb ink;
    double startY, endX;
};

TEST(MagnelDiagram, StartupDesignLinesEndWhereTheHandCalculationPutsThem) {
    const Drawing d = magnelDiagram(designWith({}));
    const MagnelScales k = magnelScales(designWith({}));
    EXPECT_DOUBLE_EQ(k.outlineScaleX, 86.25);
    EXPECT_DOUBLE_EQ(k.eccentricityScale, 3450.0 / 170);

    const double yE = 5032.2, lowerKern = 4300.4, upperKern = 2699.6;
    const ConditionLine rows[] = {
        {"line 1", kBlue, upperKern, 3063.7},
        {"line 2", kGreen, lowerKern, 3095.0},
        {"line 3", kMagenta, upperKern, 3293.8},
        {"line 4 governs the scale", kOlive, lowerKern, 6500},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const auto lines = linesOf(d, r.ink, 2);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].from.x, 2000);
        EXPECT_NEAR(lines[0].from.y, r.startY, kShown);
        EXPECT_NEAR(lines[0].to.x, r.endX, kShown);
        EXPECT_NEAR(lines[0].to.y, yE, kShown);
    }

    const auto line5 = linesOf(d, kRed, 2);
    ASSERT_EQ(line5.size(), 1u);
    EXPECT_EQ(line5[0].from.x, 250);
    EXPECT_EQ(line5[0].to.x, 6750);
    EXPECT_NEAR(line5[0].from.y, yE, kShown);

    // Limit 3 governs: the minNko line stands on the end of line 3.
    const auto minLine = linesOf(d, kCyan, 1);
    ASSERT_EQ(minLine.size(), 1u);
    EXPECT_NEAR(minLine[0].from.x, 3293.8, kShown);
    EXPECT_EQ(minLine[0].from.y, 3500);
    EXPECT_NEAR(minLine[0].to.y, yE, kShown);

    const Text* minText = textOf(d, "minNko= 2477.04 kN");
    ASSERT_NE(minText, nullptr);
    EXPECT_NEAR(minText->at.x, 3343.8, kShown);
    EXPECT_EQ(minText->at.y, 3800);
    EXPECT_TRUE(minText->bold);
    // Past the right edge the text would stand left of its line instead.
    ASSERT_TRUE(minText->endAt.has_value());
    EXPECT_EQ(minText->rightEdge, 7000);
    EXPECT_NEAR(*minText->endAt, 3243.8, kShown);

    const auto outline = linesOf(d, kGrey, 1);
    ASSERT_EQ(outline.size(), 12u);
    float left = 7000, right = 0, top = 7000, bottom = 0;
    for (const auto& l : outline) {
        left = std::min({left, l.from.x, l.to.x});
        right = std::max({right, l.from.x, l.to.x});
        top = std::min({top, l.from.y, l.to.y});
        bottom = std::max({bottom, l.from.y, l.to.y});
    }
    EXPECT_NEAR(left, 275, kShown);
    EXPECT_NEAR(right, 3725, kShown);
    EXPECT_NEAR(top, 1775, kShown);
    EXPECT_NEAR(bottom, 5225, kShown);
}

TEST(MagnelDiagram, KernPointsAndLabels) {
    const Drawing d = magnelDiagram(designWith({}));
    const auto dots = allOf<Dot>(d);
    ASSERT_EQ(dots.size(), 3u);
    const double dotY[] = {3500, 4300.4, 2699.6};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(dots[i].at.x, 2000);
        EXPECT_NEAR(dots[i].at.y, dotY[i], kShown);
        EXPECT_EQ(dots[i].penWidth, 5);
        EXPECT_EQ(dots[i].ink, kForeground);
    }

    struct Label {
        const char* text;
        double x, y;
        Ink ink;
    };
    const Label labels[] = {
        {"1/Nko", 6250, 3300, kForeground}, {"ek", 2050, 6600, kForeground},
        {"kb1", 1600, 4200.4, kForeground}, {"kb2", 1600, 2599.6, kForeground},
        {"max ek", 1000, 4782.2, kForeground}, {"Legenda: ", 4500, 350, kForeground},
        {"1 ", 4500, 600, kBlue}, {"2 ", 4700, 600, kGreen},
        {"3 ", 4900, 600, kMagenta}, {"4 ", 5100, 600, kOlive},
        {"- naponski uslovi", 5300, 600, kBlack}, {"5 ", 5100, 800, kRed},
        {"- max ek", 5300, 800, kBlack},
    };
    for (const auto& l : labels) {
        SCOPED_TRACE(l.text);
        const Text* t = textOf(d, l.text);
        ASSERT_NE(t, nullptr);
        EXPECT_NEAR(t->at.x, l.x, kShown);
        EXPECT_NEAR(t->at.y, l.y, kShown);
        EXPECT_EQ(t->ink, l.ink);
        EXPECT_TRUE(t->bold);
    }
    EXPECT_EQ(allOf<Text>(d).size(), std::size(labels) + 1);  // and the minNko text
    EXPECT_EQ(linesOf(d, kLightGrey, 1).size(), 68u);
}

TEST(MagnelDiagram, OutlineScaleTakesTheWidestPart) {
    struct Row {
        const char* name;
        core::DesignValues design;
        double width;
    };
    const Row rows[] = {
        {"equal widths use b1", designWith({{Field::B1, "30"}, {Field::B2, "30"}, {Field::D3, "30"}}), 30},
        {"wider top flange", designWith({{Field::B2, "60"}}), 60},
        {"wider bottom flange", designWith({{Field::B1, "50"}}), 50},
        {"web wider than both", designWith({{Field::D3, "45"}}), 45},
    };
    for (const auto& r : rows) {
        EXPECT_DOUBLE_EQ(magnelScales(r.design).outlineScaleX, 3450 / r.width) << r.name;
    }
}

TEST(MagnelDiagram, NegativeConditionValuesAreDrawnToTheRight) {
    const core::DesignValues v = designWith({{Field::Ek, "20"}});  // above the lower kern point at 39.4
    const core::ForceBounds f = core::computeForceBounds(v);
    ASSERT_LT(f.q2, 0);
    ASSERT_LT(f.q4, 0);
    const Drawing d = magnelDiagram(v);
    const double scale = magnelScales(v).inverseForceScale;
    const std::pair<Rgb, double> rows[] = {{kGreen, f.q2}, {kOlive, f.q4}};
    for (const auto& [ink, q] : rows) {
        const auto lines = linesOf(d, ink, 2);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_GT(lines[0].to.x, 2000);
        EXPECT_NEAR(lines[0].to.x, 2000 - q * scale, 1e-3);
    }
}

TEST(MagnelDiagram, TieForTheLargestConditionValueLeavesEverythingOnTheEkAxis) {
    // Symmetric section, cable at the centroid and equal limits in each pair:
    // |q1| = |q2| and |q3| = |q4| exactly.
    const core::DesignValues v = designWith({{Field::Ek, "0"}, {Field::Gbz0, "15"}, {Field::Gbd0, "15"},
                                            {Field::Gbzbes, "15"}, {Field::Gbdbes, "15"}});
    const core::ForceBounds f = core::computeForceBounds(v);
    ASSERT_EQ(std::fabs(f.q1), std::fabs(f.q2));
    ASSERT_EQ(std::fabs(f.q3), std::fabs(f.q4));
    EXPECT_EQ(magnelScales(v).inverseForceScale, 0);

    const Drawing d = magnelDiagram(v);
    for (const Rgb ink : {kBlue, kGreen, kMagenta, kOlive}) {
        const auto lines = linesOf(d, ink, 2);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].to.x, 2000);
    }
    const auto minLine = linesOf(d, kCyan, 1);
    ASSERT_EQ(minLine.size(), 1u);
    EXPECT_EQ(minLine[0].from.x, 2000);
}

TEST(MagnelDiagram, UndefinedForceLeavesOutOnlyWhatDependsOnIt) {
    // With m = 0 both service conditions vanish: no lower limit, minNko is 0
    // and its line, at 1/0, has no place in the diagram.
    const core::DesignValues v = designWith({{Field::M, "0"}});
    const core::ForceBounds f = core::computeForceBounds(v);
    ASSERT_EQ(f.minNko, 0);

    const Drawing d = magnelDiagram(v);
    EXPECT_TRUE(linesOf(d, kCyan, 1).empty());
    EXPECT_EQ(textOf(d, "minNko= 0.00 kN"), nullptr);
    EXPECT_EQ(linesOf(d, kRed, 2).size(), 1u);
    EXPECT_EQ(linesOf(d, kGrey, 1).size(), 12u);
}

}  // namespace
