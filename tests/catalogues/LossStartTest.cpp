#include <gtest/gtest.h>

#include "catalogues/LossStart.h"

using eurocode::CementClass;

namespace {

const core::SectionDimensions kStartupSection{124, 40, 40, 23, 23, 15};

TEST(LossStart, TheBasisGivesTheConcreteAndTheSteel) {
    core::ConcreteENBasis c35{};
    c35.concreteClass = "C35/45";
    c35.transferAge = 7;
    c35.cement = CementClass::S;
    const core::StrandTendonBasis y1770{"Y1770S7 15.7", 12, 0.75, 0.85, "30"};
    const struct {
        const char* what;
        core::StressBasis stresses;
        core::CableBasis cable;
        const char* concreteClass;
        CementClass cement;
        double t0, Ep, fpk;
    } cases[] = {
        {"no basis: the recommended values", core::BasisNotGiven{}, core::BasisNotGiven{}, "C40/50", CementClass::N, 28,
         195, 1860},
        {"Eurocode concrete and strand tendon", c35, y1770, "C35/45", CementClass::S, 7, 195, 1770},
        {"MB table and a catalogue cable of 7 mm wires", core::MbTableBasis{}, core::ImsCableBasis{"DDU", 0.8},
         "C40/50", CementClass::N, 28, 205, 1550},
        {"catalogue cable of 5 mm wires", core::CustomStressBasis{}, core::ImsCableBasis{"A", 0.85}, "C40/50",
         CementClass::N, 28, 205, 1650},
        {"custom cable", core::CustomStressBasis{}, core::CustomCableBasis{}, "C40/50", CementClass::N, 28, 195, 1860},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const core::LossInputs in = catalogues::startingLossInputs(kStartupSection, c.stresses, c.cable);
        EXPECT_EQ(in.concreteClass, c.concreteClass);
        EXPECT_EQ(in.cement, c.cement);
        EXPECT_EQ(in.t0, c.t0);
        EXPECT_EQ(in.Ep, c.Ep);
        EXPECT_EQ(in.fpk, c.fpk);
        EXPECT_EQ(in.u, 470);  // 40 + 2 x 23 + 25, 2 x 124, 25 + 2 x 23 + 40
        EXPECT_EQ(in.RH, 70);
        EXPECT_FALSE(in.M_QPTyped);
    }
}

TEST(LossStart, SmallestAdmissibleWholeNumberOfCables) {
    core::DesignValues v{kStartupSection, 617.51, 1355.19, 567.71, 0.8, {19.5, 3, 16, 1.8}, {4.618, 1054, 75.5}};
    EXPECT_EQ(catalogues::smallestAdmissibleCables(v), 6);  // minNko = 2477.04 kN is 5.09 cables of 486.74 kN
    v.cable.Gk0 = 0;
    EXPECT_EQ(catalogues::smallestAdmissibleCables(v), std::nullopt);
}

}  // namespace
