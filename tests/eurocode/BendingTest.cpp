#include <gtest/gtest.h>

#include <random>

#include "eurocode/Bending.h"
#include "eurocode/Concrete.h"

using namespace eurocode;

namespace {

constexpr double kEp = 195000;        // MPa
constexpr double kFpd = 1640 / 1.15;  // Y1860S7 15.7, MPa

StrandDesignLaw strand(UpperBranch branch = UpperBranch::Horizontal) {
    return {kFpd, 1860 / 1.15, kEp, branch, 0.02};
}

ISection rectangle(double width, double h) { return {0, 0, width, h, 0, 0}; }

BendingProblem problem(ISection s, double dp, double Ap, double fck, double sigma_pm_inf,
                       UpperBranch branch = UpperBranch::Horizontal) {
    BendingProblem p;
    p.section = s;
    p.dp = dp;
    p.Ap = Ap;
    p.fck = fck;
    p.strand = strand(branch);
    p.eps_p0 = sigma_pm_inf / kEp;
    return p;
}

// A rectangle width x h whose strands yield, in mm and N: x = Ap fpd / (lambda eta width fcd),
// MRd = Ap fpd (dp - lambda x / 2).
struct Expected {
    double x, MRd;  // cm, kNm
    bool yields;
};
Expected yieldingRectangle(double width, double dp, double Ap, double fck) {
    const double F = Ap * 100 * kFpd;
    const double x = F / (lambda(fck) * eta(fck) * width * 10 * fcd(fck, 1, 1.5));
    return {x / 10, F * (dp * 10 - lambda(fck) * x / 2) / 1e6, true};
}

// A rectangle whose strands stay elastic: 0.8 width fcd x = Ap Ep (eps_p0 + eps_cu3 (dp - x) / x),
// a quadratic in x; mm and N.
Expected elasticRectangle(double width, double dp, double Ap, double fck, double eps_p0) {
    const double a = 0.8 * width * 10 * fcd(fck, 1, 1.5);
    const double b = -Ap * 100 * kEp * (eps_p0 - 3.5e-3);
    const double c = -Ap * 100 * kEp * 3.5e-3 * dp * 10;
    const double x = (-b + std::sqrt(b * b - 4 * a * c)) / (2 * a);
    return {x / 10, a * x * (dp * 10 - 0.4 * x) / 1e6, false};
}

TEST(Bending, ClosedForms) {
    struct Case {
        const char* what;
        BendingProblem p;
        Expected expected;
    };
    const ISection iSection{60, 10, 20, 80, 40, 20};
    const Case cases[] = {
        {"rectangle, strands yield", problem(rectangle(30, 100), 85, 9, 40, 1000), yieldingRectangle(30, 85, 9, 40)},
        {"rectangle C70/85, strands yield", problem(rectangle(30, 100), 85, 9, 70, 1000),
         yieldingRectangle(30, 85, 9, 70)},
        {"rectangle C90/105, strands yield", problem(rectangle(40, 120), 105, 18, 90, 1100),
         yieldingRectangle(40, 105, 18, 90)},
        {"rectangle, strands elastic", problem(rectangle(30, 100), 85, 30, 30, 0.003 * kEp),
         elasticRectangle(30, 85, 30, 30, 0.003)},
        // By hand, mm and N: F = 1800 x 1426.087 = 2566957 N; the flange carries
        // 26.667 x 600 x 100 = 1600000 N at 50 mm, the web the other 966957 N over
        // 966957 / (26.667 x 200) = 181.304 mm, at 100 + 90.652 = 190.652 mm; so
        // lambda x = 281.304 mm, x = 351.630 mm; z_c = (1600000 x 50 + 966957 x 190.652)
        // / 2566957 = 102.983 mm; MRd = 2566957 x (950 - 102.983) = 2174.256 kNm.
        // eps_p = 1000 / 195000 + 0.0035 x (950 - 351.63) / 351.63 = 0.011084 > 0.007313.
        {"I-section, the block enters the web", problem(iSection, 95, 18, 40, 1000), {35.1630, 2174.256, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const BendingResistance r = bendingResistance(c.p);
        ASSERT_EQ(r.status, BendingStatus::Computed);
        EXPECT_NEAR(r.x, c.expected.x, 1e-4);
        EXPECT_NEAR(r.MRd, c.expected.MRd, 1e-3);
        EXPECT_EQ(r.yields, c.expected.yields);
        EXPECT_NEAR(r.Fp, r.eta * r.fcd * r.Ac / 10, 1e-6);  // the forces balance, kN
        EXPECT_NEAR(r.x_dp, r.x / c.p.dp, 1e-12);
        EXPECT_EQ(r.fpd, kFpd);
    }
}

TEST(Bending, TSectionWithTheBlockInItsFlangeIsTheRectangleOfTheFlangesWidth) {
    for (double Ap : {4.0, 9.0, 14.0}) {
        SCOPED_TRACE(Ap);
        const BendingResistance t = bendingResistance(problem({100, 20, 30, 80, 0, 0}, 85, Ap, 40, 1000));
        const BendingResistance r = bendingResistance(problem(rectangle(100, 100), 85, Ap, 40, 1000));
        ASSERT_LT(t.lambda * t.x, 20);
        EXPECT_NEAR(t.x, r.x, 1e-9);
        EXPECT_NEAR(t.MRd, r.MRd, 1e-9);
    }
}

TEST(Bending, NeutralAxisBelowTheTendonOrNowhere) {
    struct Case {
        const char* what;
        BendingProblem p;
        BendingStatus status;
    };
    const Case cases[] = {
        {"tendon near the top of a heavily prestressed rectangle", problem(rectangle(30, 100), 20, 40, 30, 1000),
         BendingStatus::NeutralAxisBelowTendon},
        {"tendon above the top edge", problem(rectangle(30, 100), -5, 9, 30, 1000),
         BendingStatus::NeutralAxisBelowTendon},
        {"strands stronger than the whole section", problem(rectangle(10, 30), 25, 40, 20, 1300),
         BendingStatus::NoEquilibrium},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(bendingResistance(c.p).status, c.status);
    }
}

TEST(Bending, StrandLawCarriesNoCompressionAndEndsAtFpkOverGammaS) {
    struct Case {
        double eps;
        UpperBranch branch;
        double sigma;
    };
    const double eps_y = kFpd / kEp;
    const double fpud = 1860 / 1.15;
    const Case cases[] = {
        {-0.001, UpperBranch::Horizontal, 0},   {0.004, UpperBranch::Horizontal, 780},
        {0.05, UpperBranch::Horizontal, kFpd},  {eps_y, UpperBranch::Inclined, kFpd},
        {(eps_y + 0.02) / 2, UpperBranch::Inclined, (kFpd + fpud) / 2},
        {0.02, UpperBranch::Inclined, fpud},    {0.05, UpperBranch::Inclined, fpud},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.eps);
        EXPECT_NEAR(sigma_p(c.eps, strand(c.branch)), c.sigma, 1e-9);
    }
}

// Random I-sections, tendons and cable areas; every case that reaches
// equilibrium with the tendon in tension.
TEST(Bending, PropertiesOverRandomSections) {
    std::mt19937 random(22);
    auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(random); };
    const double fcks[] = {20, 25, 30, 35, 40, 45, 50, 55, 60, 70, 80, 90};
    int computed = 0;
    for (int i = 0; i < 2000; ++i) {
        const ISection s{uniform(20, 200), uniform(0, 30), uniform(10, 40), uniform(30, 200), uniform(0, 80),
                         uniform(0, 30)};
        const double dp = uniform(0.5, 0.98) * height(s);
        const double Ap = uniform(1, 60);
        const size_t k = static_cast<size_t>(uniform(0, 11));
        const double sigma_pm_inf = uniform(0, 1300);
        const BendingProblem p = problem(s, dp, Ap, fcks[k], sigma_pm_inf);
        const BendingResistance r = bendingResistance(p);
        if (r.status != BendingStatus::Computed) continue;
        ++computed;
        SCOPED_TRACE(i);

        BendingProblem more = p;
        more.Ap = Ap * 1.05;
        const BendingResistance withMoreSteel = bendingResistance(more);
        if (withMoreSteel.status == BendingStatus::Computed && withMoreSteel.yields) {
            EXPECT_GT(withMoreSteel.MRd, r.MRd);
        }

        // Above C50/60 a smaller eps_cu3 lowers the stress of an elastic strand.
        BendingProblem stronger = p;
        stronger.fck = fcks[k + 1];
        const BendingResistance withStrongerConcrete = bendingResistance(stronger);
        if (stronger.fck <= 50 || (r.yields && withStrongerConcrete.yields)) {
            EXPECT_GE(withStrongerConcrete.MRd, r.MRd * (1 - 1e-12));
        }

        BendingProblem deeper = p;
        deeper.dp = std::min(dp * 1.05, height(s));
        EXPECT_GE(bendingResistance(deeper).MRd, r.MRd * (1 - 1e-12));

        BendingProblem inclined = p;
        inclined.strand.branch = UpperBranch::Inclined;
        EXPECT_GE(bendingResistance(inclined).MRd, r.MRd * (1 - 1e-12));
    }
    EXPECT_GT(computed, 500);
}

}  // namespace
