// The four condition rows state two relations each, one on 1/Nk0 and one on
// Nk0. Over many designs with either sign of every term, each relation, read
// back from the printed row, must agree with its edge stress against the
// allowable one for every force clear of the tolerance band, and the document
// must put in the numbers under the same relation.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <regex>

#include "FakeFields.h"
#include "core/EdgeStresses.h"
#include "core/ForceBounds.h"
#include "core/NumberText.h"
#include "reports/CalculationDocument.h"
#include "reports/Reports.h"

using core::Field;

namespace {

// One relation as printed: "1/Nk0<=" and "0.000288009824", or "Nk0>=" and "3258.14".
struct Relation {
    bool atLeast = false;  // >=
    std::string value;
    bool holds(double x) const { return atLeast ? x >= core::numericValue(value) : x <= core::numericValue(value); }
    bool defined() const { return value != core::kUndefinedText; }
};

struct PrintedRow {
    Relation inverse;  // on 1/Nk0
    Relation force;    // on Nk0
};

PrintedRow parse(const std::string& row) {
    static const std::regex pattern(R"(^1/Nk0([<>])=.*?= (\S+)  Nk0([<>])= (\S+) \[kN\]$)");
    std::smatch m;
    if (!std::regex_match(row, m, pattern)) ADD_FAILURE() << row;
    return {{m.str(1) == ">", m.str(2)}, {m.str(3) == ">", m.str(4)}};
}

// Edge stress i against its allowable one, in MPa: at or above zero where it holds.
std::array<double, 4> stressMargins(const core::EdgeStresses& s, const core::AllowableStresses& g) {
    return {g.Gbd0 - s.Gb1_0, s.Gb2_0 + g.Gbz0, s.Gb1_bes + g.Gbzbes, g.Gbdbes - s.Gb2_bes};
}

struct RandomDesign {
    std::mt19937_64 random{19};
    double uniform(double from, double to) { return std::uniform_real_distribution<double>(from, to)(random); }
    bool oneIn(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random) == 0; }

    // Texts as a design file could hold them, moments and eccentricity of either sign.
    FakeFields next() {
        FakeFields f;
        auto put = [&](Field field, double value) { f.with(field, core::numberToText(value)); };
        put(Field::B, uniform(10, 200));
        put(Field::D3, uniform(5, 60));
        put(Field::B1, uniform(0, 200));
        put(Field::D1, oneIn(4) ? 0 : uniform(0, 40));
        put(Field::B2, uniform(0, 300));
        put(Field::D2, uniform(0, 40));
        const double scale = std::pow(10, uniform(-1, 5));
        for (Field moment : {Field::Mg, Field::Mp, Field::Ms}) put(moment, oneIn(6) ? 0 : uniform(-scale, scale));
        put(Field::M, uniform(0.3, 1));
        put(Field::Gbd0, uniform(5, 30));
        put(Field::Gbz0, oneIn(4) ? 0 : uniform(0, 4));
        put(Field::Gbdbes, uniform(5, 25));
        put(Field::Gbzbes, oneIn(4) ? 0 : uniform(0, 4));
        const core::SectionProperties p = core::computeSectionProperties(core::readDesignValues(f).section);
        put(Field::Ek, uniform(-p.yb2, p.yb1));
        return f;
    }
};

TEST(ConditionRelations, HoldExactlyWhereTheirEdgeStressIsWithinItsLimit) {
    RandomDesign designs;
    const reports::DocumentHeader header;
    std::array<int, 4> held{}, failed{}, negativeTerms{}, turnedRound{};
    int admissible = 0, excluded = 0;
    for (int design = 0; design < 10000; ++design) {
        const FakeFields fields = designs.next();
        const core::DesignValues v = core::readDesignValues(fields);
        const core::ForceBounds bounds = core::computeForceBounds(v);
        const std::vector<std::string> rows = reports::conditionRows(bounds);
        std::array<PrintedRow, 4> printed;
        for (size_t i = 0; i < 4; ++i) {
            printed[i] = parse(rows[i]);
            if (bounds.momentTerms[i] < 0) ++negativeTerms[i];
            // A negative eccentricity term: 1 and 2 bound the force from below, 3 and 4 from above.
            if (bounds.kinds[i] == (i < 2 ? core::LimitKind::Lower : core::LimitKind::Upper)) ++turnedRound[i];
        }
        // The stresses the moments alone cause set the scale of the rounding.
        const std::array<double, 4> unloaded = stressMargins(core::computeEdgeStresses(v, 0), v.allowable);

        std::vector<double> forces;
        for (double limit : bounds.limits()) {
            if (!std::isfinite(limit) || limit <= 0) continue;
            for (double off : {1e-6, 1e-4, 1e-2, 0.5}) forces.insert(forces.end(), {limit * (1 - off), limit * (1 + off)});
        }
        for (int j = 0; j < 4; ++j) forces.push_back(std::pow(10, designs.uniform(-2, 7)));

        for (double N : forces) {
            const std::array<double, 4> margins = stressMargins(core::computeEdgeStresses(v, N), v.allowable);
            bool allClear = true, allHold = true;
            for (size_t i = 0; i < 4; ++i) {
                const bool stressHolds = margins[i] >= 0;
                // Clear of the rounding of the stresses and of the printed values.
                const bool clear = std::fabs(margins[i]) > 1e-8 * (1 + std::fabs(unloaded[i]) + std::fabs(margins[i]));
                const Relation& inverse = printed[i].inverse;
                const Relation& force = printed[i].force;
                const bool inverseClear =
                    inverse.defined() && std::fabs(1 / N - core::numericValue(inverse.value)) > 1e-12;
                const bool forceClear = force.defined() && std::fabs(N - core::numericValue(force.value)) > 0.01;
                if (clear && inverseClear) {
                    ASSERT_EQ(inverse.holds(1 / N), stressHolds) << rows[i] << " at Nk0=" << N;
                    (stressHolds ? held : failed)[i]++;
                }
                if (clear && forceClear) {
                    ASSERT_EQ(force.holds(N), stressHolds) << rows[i] << " at Nk0=" << N;
                }
                allClear = allClear && clear && inverseClear;
                allHold = allHold && inverse.holds(1 / N);
            }
            if (!allClear) continue;
            const bool admitted = core::checkAdmissibleNk0(bounds, N) == core::Nk0Check::Admissible;
            ASSERT_EQ(admitted, allHold) << "design " << design << " Nk0=" << N;
            (admitted ? admissible : excluded)++;
        }

        // The document writes each condition once with symbols and once with
        // the numbers put in, under the same relation and with the same value.
        if (design % 20 != 0) continue;
        const reports::CalculationDocument document = reports::calculationDocument(fields.design(), header);
        std::vector<std::string> lines;
        for (const reports::Section& section : document.sections) {
            for (const reports::Block& block : section.blocks) {
                const auto* line = std::get_if<reports::TextLine>(&block);
                if (line && line->text.rfind("1/Nk0", 0) == 0) lines.push_back(line->text);
            }
        }
        ASSERT_EQ(lines.size(), 8u);
        for (size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(lines[2 * i], rows[i]);
            EXPECT_EQ(lines[2 * i + 1].substr(0, 7), rows[i].substr(0, 7)) << lines[2 * i + 1];
            EXPECT_NE(lines[2 * i + 1].find("= " + printed[i].inverse.value + " [1/kN]"), std::string::npos)
                << lines[2 * i + 1];
        }
    }
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_GT(held[i], 5000) << "condition " << i + 1;
        EXPECT_GT(failed[i], 5000) << "condition " << i + 1;
        EXPECT_GT(negativeTerms[i], 500) << "condition " << i + 1;
        EXPECT_GT(turnedRound[i], 500) << "condition " << i + 1;
    }
    EXPECT_GT(admissible, 1000);
    EXPECT_GT(excluded, 5000);
}

// A moment-and-stress term below zero turns the relation on 1/Nk0 round,
// whatever the side from which the condition bounds the force.
TEST(ConditionRelations, NegativeTermsOfTheStartUpSection) {
    const struct {
        const char* name;
        std::vector<std::pair<Field, const char*>> texts;
        int condition;
        const char* row;
    } cases[] = {
        {"top fibre's allowance above what the largest moment puts on it", {{Field::Ms, "100"}, {Field::Ek, "30"}}, 4,
         "1/Nk0>=m*[(ek-kb1)/(maxM-Wb2*Gbdbes)]= 0.000288009824  Nk0<= 3472.1 [kN]"},
        {"a lower limit below zero", {{Field::Ms, "100"}}, 4,
         "1/Nk0>=m*[(ek-kb1)/(maxM-Wb2*Gbdbes)]= -0.001099867704  Nk0>= -909.2 [kN]"},
        {"bottom fibre's tension allowance above the largest moment",
         {{Field::Mg, "100"}, {Field::Mp, "100"}, {Field::Ms, "50"}}, 3,
         "1/Nk0>=m*[(ek+kb2)/(maxM-Wb1*Gbzbes)]= -0.072494446662  Nk0>= -13.79 [kN]"},
        {"hogging dead load", {{Field::Mg, "-3000"}}, 1,
         "1/Nk0<=(ek+kb2)/(minM+Wb1*Gbd0)= -0.007451475469  Nk0<= -134.2 [kN]"},
    };
    for (const auto& c : cases) {
        FakeFields fields;
        for (const auto& [field, text] : c.texts) fields.with(field, text);
        const auto rows = reports::conditionRows(core::computeForceBounds(core::readDesignValues(fields)));
        EXPECT_EQ(rows[static_cast<size_t>(c.condition - 1)], c.row) << c.name;
    }
}

}  // namespace
