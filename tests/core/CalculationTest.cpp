#include <gtest/gtest.h>

#include <cmath>

#include "FakeFields.h"
#include "core/CableCount.h"
#include "core/EdgeStresses.h"
#include "core/ForceBounds.h"
#include "core/NumberText.h"
#include "core/SectionProperties.h"

using namespace core;

namespace {

DesignValues startupValues() { return readDesignValues(FakeFields()); }

DesignValues designWith(Field field, const char* text) { return readDesignValues(FakeFields().with(field, text)); }

struct SectionCase {
    const char* name;
    SectionDimensions dims;  // b, b1, b2, d1, d2, d3
    SectionProperties expected;
};

TEST(SectionProperties, MatchClosedFormsAndHandCalculations) {
    const SectionCase cases[] = {
        {"start-up I-section", {124, 40, 40, 23, 23, 15},
         {3700, 85, 85, 12404533.33, 145935.69, 145935.69, 39.44, 39.44}},
        {"rectangle 30 x 100", {100, 55, 70, 0, 0, 30}, {3000, 50, 50, 2500000, 50000, 50000, 16.67, 16.67}},
        {"T-section flange on top", {50, 0, 100, 0, 20, 30},
         {3500, 45, 25, 1429166.67, 31759.26, 57166.67, 16.33, 9.07}},
        // Centroid inside the bottom flange: the negative lower web still gives
        // the exact second moment, here checked against a direct sum.
        {"centroid inside a deep bottom flange", {10, 100, 0, 50, 0, 10},
         {5100, 25.58824, 34.41176, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const SectionProperties p = computeSectionProperties(c.dims);
        EXPECT_NEAR(p.A, c.expected.A, 1e-9) << c.name;
        EXPECT_NEAR(p.yb1, c.expected.yb1, 1e-5) << c.name;
        EXPECT_NEAR(p.yb2, c.expected.yb2, 1e-5) << c.name;
        if (c.expected.Ib == 0) continue;
        EXPECT_NEAR(p.Ib, c.expected.Ib, 0.005) << c.name;
        EXPECT_NEAR(p.Wb1, c.expected.Wb1, 0.005) << c.name;
        EXPECT_NEAR(p.Wb2, c.expected.Wb2, 0.005) << c.name;
        EXPECT_NEAR(p.kb1, c.expected.kb1, 0.005) << c.name;
        EXPECT_NEAR(p.kb2, c.expected.kb2, 0.005) << c.name;
    }
}

TEST(SectionProperties, NegativeWebPartGivesTheExactSecondMoment) {
    const SectionDimensions s{10, 100, 0, 50, 0, 10};  // web 10 x 10 on a 100 x 50 flange
    const SectionProperties p = computeSectionProperties(s);
    const double flange = 100 * std::pow(50, 3) / 12 + 5000 * std::pow(p.yb1 - 25, 2);
    const double web = 10 * std::pow(10, 3) / 12 + 100 * std::pow(55 - p.yb1, 2);
    EXPECT_NEAR(p.Ib, flange + web, 1e-6);
}

TEST(SectionProperties, DisplayRoundsToOneDecimal) {
    const SectionProperties p = computeSectionProperties(startupValues().section);
    const char* expected[] = {"3700", "85", "85", "12404533.3", "145935.7", "145935.7", "39.4", "39.4"};
    const double values[] = {p.A, p.yb1, p.yb2, p.Ib, p.Wb1, p.Wb2, p.kb1, p.kb2};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(displayText(values[i]), expected[i]) << i;
}

TEST(ForceBounds, StartupDesign) {
    const ForceBounds f = computeForceBounds(startupValues());
    EXPECT_EQ(f.Mmin, 617.51);
    EXPECT_EQ(numberToText(f.Mmax), "2540.41");
    EXPECT_EQ(numberToText(Round(f.q1, 12)), "0.000331890225");
    EXPECT_EQ(numberToText(Round(f.q2, 12)), "0.000341678573");
    EXPECT_EQ(numberToText(Round(f.q3, 12)), "0.000403708222");
    EXPECT_EQ(numberToText(Round(f.q4, 12)), "0.001404131414");
    EXPECT_EQ(numberToText(Round(f.N1, 2)), "3013.04");
    EXPECT_EQ(numberToText(Round(f.N2, 2)), "2926.73");
    EXPECT_EQ(numberToText(Round(f.N3, 2)), "2477.04");
    EXPECT_EQ(numberToText(Round(f.N4, 2)), "712.18");
    EXPECT_EQ(f.minNko, f.N3);
    EXPECT_NEAR(f.minNko, 2477.0365, 5e-5);
    EXPECT_EQ(startingForceText(f), "2477.05");
    EXPECT_EQ(resetForceText(f), "2477.04");
}

TEST(EdgeStresses, StartupDesignAtMinNkoMeetsTheServiceTensionLimit) {
    const DesignValues v = startupValues();
    const ForceBounds f = computeForceBounds(v);
    const EdgeStresses s = computeEdgeStresses(v, f.minNko);
    EXPECT_NEAR(s.Gb1_0, 15.278, 5e-4);
    EXPECT_NEAR(s.Gb2_0, -1.889, 5e-4);
    EXPECT_EQ(s.Gb1_bes, -1.7999999999999983);
    EXPECT_NEAR(s.Gb2_bes, 12.512, 5e-4);
    EXPECT_FALSE(edgeStressesExceeded(s, v.allowable));
    EXPECT_FALSE(allowableStressesExceeded(v, f));

    const StartingStressCheck start = startingStressCheck(v);
    EXPECT_EQ(start.forceText, "2477.05");
    EXPECT_EQ(numberToText(Round(start.stresses.Nkbes, 2)), "1981.63");
    EXPECT_FALSE(start.exceeded);
}

struct RecheckCase {
    const char* name;
    const char* force;
    Nk0Check check;
    const char* expected;  // the four stresses to two decimals, or the reset text
};

TEST(EdgeStresses, RecheckOfATypedForce) {
    const RecheckCase cases[] = {
        {"admissible force", "2800", Nk0Check::Admissible, "17.82 -2.69 0.23 11.87"},
        {"below the lower limit", "2000", Nk0Check::BelowLowerLimit, "2477.04"},
        {"above the upper limit resets to the lower", "3000", Nk0Check::AboveUpperLimit, "2477.04"},
        {"lone point counts as zero", ".", Nk0Check::BelowLowerLimit, "2477.04"},
    };
    const DesignValues v = startupValues();
    for (const auto& c : cases) {
        const StressRecheck r = recheckStresses(v, c.force);
        EXPECT_EQ(r.check, c.check) << c.name;
        if (c.check == Nk0Check::Admissible) {
            const EdgeStresses& s = r.stresses;
            EXPECT_EQ(s.Nkbes, 2240) << c.name;
            const std::string shown = formatTwoDecimals(s.Gb1_0) + " " + formatTwoDecimals(s.Gb2_0) + " " +
                                      formatTwoDecimals(s.Gb1_bes) + " " + formatTwoDecimals(s.Gb2_bes);
            EXPECT_EQ(shown, c.expected) << c.name;
        } else {
            EXPECT_EQ(r.resetText, c.expected) << c.name;
        }
    }
}

TEST(ForceBounds, ClassifiesForcesAtAndAroundTheLimits) {
    const ForceBounds f = computeForceBounds(startupValues());
    EXPECT_EQ(checkAdmissibleNk0(f, f.N3), Nk0Check::Admissible);
    EXPECT_EQ(checkAdmissibleNk0(f, f.N2), Nk0Check::Admissible);
    EXPECT_EQ(checkAdmissibleNk0(f, f.N3 - 0.001), Nk0Check::BelowLowerLimit);
    EXPECT_EQ(checkAdmissibleNk0(f, f.N2 + 0.001), Nk0Check::AboveUpperLimit);

    ForceBounds empty = f;  // a range that is empty: the lower limit is reported
    empty.N3 = 3500;
    EXPECT_EQ(checkAdmissibleNk0(empty, 3200), Nk0Check::BelowLowerLimit);
}

TEST(ForceBounds, SmallEccentricityGivesNegativeUpperAndLowerLimits) {
    const DesignValues v = designWith(Field::Ek, "20");  // below kb1 = 39.44 cm
    const ForceBounds f = computeForceBounds(v);
    EXPECT_LT(f.q2, 0);
    EXPECT_LT(f.N2, 0);
    EXPECT_LT(f.N4, 0);
    // Condition 2 then restricts nothing, and condition 4 bounds the force from
    // above at a negative force: no force is admissible.
    EXPECT_EQ(f.kinds[1], LimitKind::Lower);
    EXPECT_EQ(f.kinds[3], LimitKind::Upper);
    EXPECT_EQ(f.minNko, f.N3);
    EXPECT_FALSE(hasAdmissibleForce(f));
    EXPECT_EQ(checkAdmissibleNk0(f, f.minNko), Nk0Check::AboveUpperLimit);
}

TEST(ForceBounds, SmallMaximumMomentMakesTheThirdLimitNegative) {
    FakeFields fields;
    fields.with(Field::Mg, "10").with(Field::Mp, "10").with(Field::Ms, "10");
    const ForceBounds f = computeForceBounds(readDesignValues(fields));
    EXPECT_LT(f.N3, 0);
    EXPECT_LT(f.N4, 0);
    // Negative lower limits restrict nothing: the smallest force is none at all.
    EXPECT_EQ(f.minNko, 0);
    EXPECT_EQ(checkAdmissibleNk0(f, 1), Nk0Check::Admissible);
}

struct FeasibilityCase {
    const char* name;
    const char* Mg;
    const char* minNko;
    bool exceeded;
};

TEST(Feasibility, MagnelCheckAtMinNko) {
    const FeasibilityCase cases[] = {
        {"start-up design", "617.51", "2477.04", false},
        {"light dead load cracks the top at transfer", "300", "2131.74", true},
        {"heavy dead load crushes the bottom at transfer", "2000", "5504.79", true},
    };
    for (const auto& c : cases) {
        FakeFields fields;
        fields.with(Field::Mg, c.Mg);
        const DesignValues v = readDesignValues(fields);
        const ForceBounds f = computeForceBounds(v);
        EXPECT_EQ(numberToText(Round(f.minNko, 2)), c.minNko) << c.name;
        EXPECT_EQ(allowableStressesExceeded(v, f), c.exceeded) << c.name;
    }
    const DesignValues light = designWith(Field::Mg, "300");
    const ForceBounds fl = computeForceBounds(light);
    EXPECT_EQ(formatTwoDecimals(computeEdgeStresses(light, fl.minNko).Gb2_0), "-3.21");

    const DesignValues heavy = designWith(Field::Mg, "2000");
    const ForceBounds fh = computeForceBounds(heavy);
    EXPECT_EQ(fh.minNko, fh.N4);
    const EdgeStresses sh = computeEdgeStresses(heavy, fh.minNko);
    EXPECT_EQ(formatTwoDecimals(sh.Gb1_0), "29.65");
    EXPECT_NEAR(sh.Gb2_bes, 16, 1e-9);
}

TEST(ForceBounds, ZeroTermsFollowTheConditionsTheyComeFrom) {
    // Zero moments and zero service tension: the third condition divides by
    // zero, its value is infinite and its limit 0, which restricts nothing.
    FakeFields zeroTension;
    zeroTension.with(Field::Mg, "0").with(Field::Mp, "0").with(Field::Ms, "0").with(Field::Gbzbes, "0.0");
    const ForceBounds f = computeForceBounds(readDesignValues(zeroTension));
    EXPECT_TRUE(std::isinf(f.q3));
    EXPECT_EQ(f.N3, 0);
    EXPECT_EQ(f.minNko, 0);
    EXPECT_TRUE(hasAdmissibleForce(f));

    // A cable at the lower kern point leaves the top fibre to the moment alone:
    // condition 4 has no finite limit and holds for every force or for none.
    struct {
        const char* name;
        const char* Ms;
        LimitKind kind;
    } atKern[] = {{"moment within the allowable", "0", LimitKind::None},
                  {"moment beyond the allowable", "2000", LimitKind::Excludes}};
    for (const auto& c : atKern) {
        DesignValues v = designWith(Field::Ms, c.Ms);
        const ForceBounds s = computeForceBounds(v);
        v.cable.ek = s.working.kb1 * 100;
        const ForceBounds k = computeForceBounds(v);
        ASSERT_EQ(k.q4, 0) << c.name;
        EXPECT_FALSE(isDefinedLimit(k.N4)) << c.name;
        EXPECT_EQ(k.kinds[3], c.kind) << c.name;
        EXPECT_EQ(allowableStressesExceeded(v, k), c.kind == LimitKind::Excludes) << c.name;
    }

    // m = 0: the service conditions cannot be met by any force.
    FakeFields none;
    none.with(Field::M, "0");
    const DesignValues v = readDesignValues(none);
    const ForceBounds n = computeForceBounds(v);
    EXPECT_EQ(n.kinds[2], LimitKind::Excludes);
    EXPECT_FALSE(hasAdmissibleForce(n));
    EXPECT_TRUE(allowableStressesExceeded(v, n));
    EXPECT_EQ(startingForceText(n), "0.01");
    EXPECT_EQ(resetForceText(n), "0");
}

TEST(CableCount, ForceInOneCableAndTheCount) {
    const DesignValues v = startupValues();
    const double z = Zk0(v.cable.Fk, v.cable.Gk0);
    EXPECT_NEAR(z, 486.7372, 1e-9);
    EXPECT_EQ(numberToText(Round(z, 2)), "486.74");
    EXPECT_EQ(numberToText(cableCount(computeForceBounds(v).minNko, z)), "5.1");
    EXPECT_EQ(numberToText(cableCount(4.96 * z, z)), "5");
    EXPECT_EQ(numberToText(cableCount(5.04 * z, z)), "5");
    EXPECT_EQ(numberToText(cableCount(100, 0)), "nedefinisano");

    const CableForceAdoption ok = adoptCableForce(v, "2800");
    EXPECT_EQ(ok.check, Nk0Check::Admissible);
    EXPECT_EQ(numberToText(ok.count), "5.8");
    for (const char* rejected : {"3000", "2000"}) {
        const CableForceAdoption r = adoptCableForce(v, rejected);
        EXPECT_NE(r.check, Nk0Check::Admissible) << rejected;
        EXPECT_EQ(r.resetText, "2477.04") << rejected;
    }
}

}  // namespace
