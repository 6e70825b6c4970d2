// The admissible force against the edge stresses it stands for: worked
// examples, and the property that a force is admissible exactly when the four
// stresses it causes stay within the allowable ones.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "FakeFields.h"
#include "core/CableCount.h"
#include "core/EdgeStresses.h"
#include "core/ForceBounds.h"
#include "core/NumberText.h"
#include "core/Tolerance.h"
#include "core/basKontrola.h"

using namespace core;

namespace {

// A double-tee roof beam entered as an equivalent I-section, with its cable
// 10.16 cm below the centroid, well above the lower kern point.
DesignValues doubleTee() {
    DesignValues v;
    v.section = {27.94, 23.572, 191.197, 7.62, 5.08, 31.7755};  // b, b1, b2, d1, d2, d3
    v.Mg = 0;
    v.Mp = 173.883;
    v.Ms = 0;
    v.m = 0.85;
    v.allowable = {16.5474, 1.31, 15.5132, 2.9303};
    v.cable = {4.618, 1054, 10.16};
    return v;
}

DesignValues startupWith(std::initializer_list<std::pair<Field, const char*>> texts) {
    FakeFields fields;
    for (const auto& [field, text] : texts) fields.with(field, text);
    return readDesignValues(fields);
}

TEST(ForceRule, CableAboveTheLowerKernPoint) {
    const DesignValues v = doubleTee();
    const ForceBounds f = computeForceBounds(v);
    EXPECT_EQ(f.kinds[1], LimitKind::Lower);  // condition 2 restricts nothing
    EXPECT_LT(f.N2, 0);
    EXPECT_EQ(f.kinds[3], LimitKind::Upper);  // condition 4 bounds the force from above
    EXPECT_NEAR(f.minNko, 1082, 2);
    EXPECT_NEAR(f.maxNko, 1157, 2);
    EXPECT_TRUE(hasAdmissibleForce(f));
    EXPECT_FALSE(allowableStressesExceeded(v, f));
    EXPECT_EQ(checkAdmissibleNk0(f, 1112), Nk0Check::Admissible);
    EXPECT_FALSE(edgeStressesExceeded(computeEdgeStresses(v, 1112), v.allowable));
    EXPECT_EQ(checkAdmissibleNk0(f, 1000), Nk0Check::BelowLowerLimit);
    EXPECT_EQ(checkAdmissibleNk0(f, 1200), Nk0Check::AboveUpperLimit);
    const double proposed = numericValue(startingForceText(f));
    EXPECT_EQ(checkAdmissibleNk0(f, proposed), Nk0Check::Admissible);
}

struct RangeCase {
    const char* name;
    std::initializer_list<std::pair<Field, const char*>> texts;
    const char* minNko;  // Round(minNko, 2)
    const char* maxNko;  // Round(maxNko, 2), or "" when no positive force is admissible
    const char* proposed;
};

TEST(ForceRule, AdmissibleRangesOfTheStartUpSection) {
    const RangeCase cases[] = {
        {"start-up design", {}, "2477.04", "2926.73", "2477.05"},
        // N4 is an upper limit here, not the lower one the old reading took it for.
        {"smaller service moment, cable inside the kern", {{Field::Ms, "100"}, {Field::Ek, "30"}}, "3258.14",
         "3472.1", "3258.15"},
        // Mmax alone puts 17.4 MPa on the top fibre; a cable inside the kern adds to it.
        {"start-up moments, cable inside the kern", {{Field::Ek, "30"}}, "", "", nullptr},
        // No moment: no condition bounds the force from below.
        {"zero moments", {{Field::Mg, "0"}, {Field::Mp, "0"}, {Field::Ms, "0"}}, "0", "1214.18", "0.01"},
    };
    for (const auto& c : cases) {
        const DesignValues v = startupWith(c.texts);
        const ForceBounds f = computeForceBounds(v);
        const bool admissible = *c.maxNko != '\0';
        EXPECT_EQ(hasAdmissibleForce(f), admissible) << c.name;
        EXPECT_EQ(allowableStressesExceeded(v, f), !admissible) << c.name;
        if (!admissible) continue;
        EXPECT_EQ(roundedText(f.minNko, 2), c.minNko) << c.name;
        EXPECT_EQ(roundedText(f.maxNko, 2), c.maxNko) << c.name;
        EXPECT_EQ(startingForceText(f), c.proposed) << c.name;
        EXPECT_GE(cableCount(f.minNko, Zk0(v.cable.Fk, v.cable.Gk0)), 0) << c.name;
    }
}

TEST(ForceRule, RoundingEdgeIsNotAnExcess) {
    // At minNko the governing stress equals its allowable value up to the
    // last bits, on either side of it.
    const DesignValues v = startupWith({});
    const ForceBounds f = computeForceBounds(v);
    const EdgeStresses s = computeEdgeStresses(v, f.minNko);
    for (double bits : {-4.0, -1.0, 0.0, 1.0, 4.0}) {
        EdgeStresses nudged = s;
        nudged.Gb1_bes = -v.allowable.Gbzbes + bits * 1e-15;
        EXPECT_FALSE(edgeStressesExceeded(nudged, v.allowable)) << bits;
    }
    EdgeStresses beyond = s;
    beyond.Gb1_bes = -v.allowable.Gbzbes - 1e-6;
    EXPECT_TRUE(edgeStressesExceeded(beyond, v.allowable));

    EXPECT_EQ(checkAdmissibleNk0(f, f.N3 * (1 - 1e-12)), Nk0Check::Admissible);
    EXPECT_EQ(checkAdmissibleNk0(f, f.N3 * (1 - 1e-7)), Nk0Check::BelowLowerLimit);
    EXPECT_EQ(checkAdmissibleNk0(f, f.N2 * (1 + 1e-12)), Nk0Check::Admissible);
    EXPECT_EQ(checkAdmissibleNk0(f, f.N2 * (1 + 1e-7)), Nk0Check::AboveUpperLimit);
}

// Two-decimal allowable stresses, the way they are typed: about one such
// design in twenty sat on the wrong side of the last bit at minNko.
TEST(ForceRule, DesignsAtTheirSmallestForceAreNotExceededByRounding) {
    std::mt19937_64 random(12);
    std::uniform_int_distribution<int> hundredths(1, 3000);
    int designs = 0;
    for (int i = 0; i < 20000; ++i) {
        DesignValues v = startupWith({});
        v.allowable = {hundredths(random) / 100.0, hundredths(random) / 1000.0, hundredths(random) / 100.0,
                       hundredths(random) / 1000.0};
        const ForceBounds f = computeForceBounds(v);
        if (!hasAdmissibleForce(f) || f.minNko == 0) continue;
        // Clear of the band where the range closes up to rounding.
        if (std::fabs(f.maxNko - f.minNko) < 1e-6 * f.minNko) continue;
        ++designs;
        ASSERT_FALSE(allowableStressesExceeded(v, f)) << i;
    }
    EXPECT_GT(designs, 1000);
}

// The four edge stresses, in MPa, stated from scratch: a force N (kN) at ek
// (cm) below the centroid, the moment M (kNm) sagging; compression positive.
struct Fibres {
    double bottom, top;
};

Fibres fibreStresses(const SectionDimensions& s, double N, double ek, double M) {
    const double flange1 = s.b1 * s.d1, web = s.d3 * s.b, flange2 = s.b2 * s.d2;
    const double A = flange1 + web + flange2;
    const double H = s.d1 + s.b + s.d2;
    const double y1 = s.d1 / 2, y3 = s.d1 + s.b / 2, y2 = H - s.d2 / 2;
    const double yb = (flange1 * y1 + web * y3 + flange2 * y2) / A;  // centroid above the bottom
    const double I = s.b1 * std::pow(s.d1, 3) / 12 + flange1 * std::pow(y1 - yb, 2) + s.d3 * std::pow(s.b, 3) / 12 +
                     web * std::pow(y3 - yb, 2) + s.b2 * std::pow(s.d2, 3) / 12 + flange2 * std::pow(y2 - yb, 2);
    const double Mcm = M * 100;  // kNcm
    // kN/cm2 to MPa: times 10.
    return {10 * (N / A + N * ek * yb / I - Mcm * yb / I), 10 * (N / A - N * ek * (H - yb) / I + Mcm * (H - yb) / I)};
}

// How far inside its allowable value the worst stress lies, relative to the
// stresses at play: negative when exceeded, near zero at a limit.
double margin(const DesignValues& v, double N) {
    const Fibres transfer = fibreStresses(v.section, N, v.cable.ek, v.Mg);
    const Fibres service = fibreStresses(v.section, v.m * N, v.cable.ek, v.Mg + v.Mp + v.Ms);
    const AllowableStresses& g = v.allowable;
    const double scale = 1 + std::fabs(transfer.bottom) + std::fabs(transfer.top) + std::fabs(service.bottom) +
                         std::fabs(service.top) + g.Gbd0 + g.Gbdbes;
    return std::min({g.Gbd0 - transfer.bottom, transfer.top + g.Gbz0, service.bottom + g.Gbzbes,
                     g.Gbdbes - service.top}) /
           scale;
}

bool atALimit(const ForceBounds& f, double N) {
    for (double limit : f.limits()) {
        if (std::fabs(N - limit) <= 2 * toleranceAt(N, limit)) return true;
    }
    return false;
}

TEST(ForceRule, AdmissibleExactlyWhenTheStressesAreWithinTheirLimits) {
    std::mt19937_64 random(2026);
    auto uniform = [&](double from, double to) { return std::uniform_real_distribution<double>(from, to)(random); };
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    int cases = 0, admissible = 0, rejected = 0;
    while (cases < 200000) {
        DesignValues v;
        v.section = {uniform(10, 200), uniform(0, 200), uniform(0, 300), uniform(0, 40), uniform(0, 40),
                     uniform(5, 60)};
        if (pick(4) == 0) v.section.b1 = v.section.d1 = 0;  // a T-section
        const SectionProperties p = computeSectionProperties(v.section);
        const double kb1cm = p.Ib / p.yb2 / p.A;
        const double scale = std::pow(10, uniform(-1, 4));  // small and large moments
        v.Mg = pick(5) == 0 ? 0 : uniform(0, scale);
        v.Mp = uniform(0, scale);
        v.Ms = pick(3) == 0 ? 0 : uniform(0, scale);
        v.m = uniform(0.5, 1);
        v.allowable = {uniform(5, 30), pick(4) == 0 ? 0 : uniform(0, 4), uniform(5, 25), pick(4) == 0 ? 0 : uniform(0, 4)};
        switch (pick(4)) {  // the cable anywhere, and near the lower kern point
        case 0: v.cable.ek = kb1cm * (1 + uniform(-1e-6, 1e-6)); break;
        case 1: v.cable.ek = uniform(0, kb1cm); break;
        default: v.cable.ek = uniform(0, p.yb1); break;
        }
        const ForceBounds f = computeForceBounds(v);
        const double top = std::isfinite(f.maxNko) ? 2 * f.maxNko : 4 * f.minNko + 1000;
        for (int j = 0; j < 10; ++j, ++cases) {
            const double N = j == 0 ? f.minNko : j == 1 ? f.maxNko : uniform(0, std::max(top, 1.0));
            if (!std::isfinite(N)) continue;
            const double m = margin(v, N);
            if (std::fabs(m) < 1e-7 || atALimit(f, N)) continue;  // the tolerance band at a limit
            const bool admitted = checkAdmissibleNk0(f, N) == Nk0Check::Admissible;
            ASSERT_EQ(admitted, m > 0) << "design " << cases << " N=" << N << " ek=" << v.cable.ek;
            ASSERT_EQ(edgeStressesExceeded(computeEdgeStresses(v, N), v.allowable), !admitted) << cases;
            (admitted ? admissible : rejected)++;
        }
        const double mAtMin = margin(v, f.minNko);
        if (std::fabs(mAtMin) > 1e-7) {
            ASSERT_EQ(allowableStressesExceeded(v, f), mAtMin < 0) << cases;
        }
    }
    EXPECT_GT(admissible, 10000);
    EXPECT_GT(rejected, 10000);
}

}  // namespace
