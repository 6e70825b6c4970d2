#include <gtest/gtest.h>

#include <cmath>

#include "eurocode/Strand.h"

using namespace eurocode;

namespace {

TEST(Strand, StressAfterTransferOfEveryStrand) {
    struct Case {
        const char* name;
        double fp01k, sigma_pm0, sigma_pmax;
    };
    // min(0.75 fpk, 0.85 fp0.1k) and min(0.8 fpk, 0.9 fp0.1k) worked by hand.
    const Case cases[] = {
        {"Y1860S7 12.5", 1634.41, 1389.25, 1470.97}, {"Y1860S7 12.9", 1640.00, 1394.00, 1476.00},
        {"Y1860S7 15.2", 1640.29, 1394.24, 1476.26}, {"Y1860S7 15.3", 1635.71, 1390.36, 1472.14},
        {"Y1860S7 15.7", 1640.00, 1394.00, 1476.00}, {"Y1770S7 15.7", 1560.00, 1326.00, 1404.00},
    };
    ASSERT_EQ(strands().size(), std::size(cases));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto strand = strandNamed(c.name);
        ASSERT_TRUE(strand);
        EXPECT_NEAR(fp01k(*strand), c.fp01k, 5e-3);
        EXPECT_NEAR(sigma_pm0(strand->fpk, fp01k(*strand), 0.75, 0.85), c.sigma_pm0, 5e-3);
        EXPECT_NEAR(sigma_pmax(strand->fpk, fp01k(*strand), 0.8, 0.9), c.sigma_pmax, 5e-3);
    }
    EXPECT_FALSE(strandNamed("Y1860S7 15.0"));
}

}  // namespace
