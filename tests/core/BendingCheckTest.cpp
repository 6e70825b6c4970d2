#include <gtest/gtest.h>

#include <optional>

#include "FakeFields.h"
#include "core/BendingCheck.h"

using namespace core;

namespace {

BendingInputs eurocodeInputs() {
    BendingInputs in;
    in.fck = 40;
    in.fp01k = 1640;
    in.fpk = 1860;
    return in;
}

TEST(BendingCheck, TakesTheDesignsMomentsCablesAndTendon) {
    // The start-up design: yb2 = 85 cm, ek = 75.5 cm, Fk = 4.618 cm2, m = 0.8, Gko = 1054 MPa.
    const DesignValues v = readDesignValues(FakeFields());
    const BendingCheck c = checkBending(v, 6, eurocodeInputs());
    EXPECT_NEAR(c.MEd, 1.35 * (617.51 + 1355.19) + 1.5 * 567.71, 1e-9);  // 3514.71 kNm
    EXPECT_NEAR(c.Ap, 27.708, 1e-12);
    EXPECT_NEAR(c.dp, 160.5, 1e-12);
    EXPECT_NEAR(c.sigma_pm_inf, 843.2, 1e-12);
    ASSERT_TRUE(c.problem);
    EXPECT_NEAR(c.problem->eps_p0, 843.2 / 195000, 1e-15);
    EXPECT_NEAR(c.problem->strand.fpd, 1640 / 1.15, 1e-9);
    EXPECT_NEAR(c.problem->strand.fpud, 1860 / 1.15, 1e-9);
}

TEST(BendingCheck, TheTopFlangeTakesTheBlock) {
    // T-section flange on top (b 50, d3 30, b2 100, d2 20): yb2 = 25, so with ek = 30
    // dp = 55 cm. One cable of 4 cm2 yields: x = 400 x 1426.087 / (0.8 x 1000 x 26.667)
    // = 26.739 mm, inside the flange; MRd = 400 x 1426.087 x (550 - 0.4 x 26.739) = 307.63 kNm.
    DesignValues v;
    v.section = {50, 0, 100, 0, 20, 30};
    v.m = 0.8;
    v.cable = {4, 1394, 30};
    const BendingCheck c = checkBending(v, 1, eurocodeInputs());
    ASSERT_TRUE(c.resistance);
    EXPECT_NEAR(c.resistance->x, 2.6739, 1e-4);
    EXPECT_NEAR(c.resistance->MRd, 400 * (1640 / 1.15) * (550 - 0.4 * 26.7391304) / 1e6, 1e-4);
}

TEST(BendingCheck, VerdictAndMissingStrengths) {
    const DesignValues v = readDesignValues(FakeFields());
    const double MRd = checkBending(v, 6, eurocodeInputs()).resistance->MRd;
    struct Case {
        const char* what;
        std::optional<double> MEd, fck, fp01k, fpk;
        std::optional<bool> satisfied;
    };
    const Case cases[] = {
        {"the default MEd, well below MRd", std::nullopt, 40, 1640, 1860, true},
        {"MEd equal to MRd up to rounding", MRd * (1 + 1e-12), 40, 1640, 1860, true},
        {"MEd just above MRd", MRd * (1 + 1e-6), 40, 1640, 1860, false},
        {"fck unknown", std::nullopt, std::nullopt, 1640, 1860, std::nullopt},
        {"fp0.1k unknown", std::nullopt, 40, std::nullopt, 1860, std::nullopt},
        {"fpk unknown", std::nullopt, 40, 1640, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BendingInputs in;
        in.MEd = c.MEd;
        in.fck = c.fck;
        in.fp01k = c.fp01k;
        in.fpk = c.fpk;
        const BendingCheck check = checkBending(v, 6, in);
        EXPECT_EQ(check.satisfied, c.satisfied);
        EXPECT_EQ(check.resistance.has_value(), c.fck && c.fp01k && c.fpk);
        if (c.MEd) {
            EXPECT_EQ(check.MEd, *c.MEd);
        }
    }
}

}  // namespace
