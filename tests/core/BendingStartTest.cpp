#include <gtest/gtest.h>

#include "core/BendingStart.h"

using namespace core;

namespace {

TEST(BendingStart, StrengthsFromTheEurocodeBasesOverWhatWasKept) {
    BendingInputs typed;
    typed.fck = 30;
    typed.fp01k = 1500;
    typed.fpk = 1770;
    typed.gamma_c = 1.3;
    ConcreteENBasis c50;
    c50.concreteClass = "C50/60";
    StrandTendonBasis y1770;
    y1770.strand = "Y1770S7 15.7";
    const struct {
        const char* name;
        std::optional<BendingInputs> kept;
        StressBasis stresses;
        CableBasis cable;
        std::optional<double> fck, fp01k, fpk;
        double Ep, gamma_c;
    } rows[] = {
        {"first check, MB table and IMS wires", std::nullopt, MbTableBasis{}, ImsCableBasis{}, {}, {}, {}, 205, 1.5},
        {"first check, custom values", std::nullopt, CustomStressBasis{}, CustomCableBasis{}, {}, {}, {}, 195, 1.5},
        {"first check, Eurocode bases", std::nullopt, c50, y1770, 50, 234e3 / 150, 1770, 195, 1.5},
        {"kept, custom values", typed, CustomStressBasis{}, BasisNotGiven{}, 30, 1500, 1770, 195, 1.3},
        {"kept, Eurocode bases", typed, c50, y1770, 50, 1560, 1770, 195, 1.3},
        {"kept, IMS wires keep the kept Ep", typed, BasisNotGiven{}, ImsCableBasis{}, 30, 1500, 1770, 195, 1.3},
    };
    for (const auto& row : rows) {
        const BendingInputs in = bendingInputsFor(row.kept, row.stresses, row.cable);
        EXPECT_EQ(in.fck, row.fck) << row.name;
        EXPECT_EQ(in.fp01k, row.fp01k) << row.name;
        EXPECT_EQ(in.fpk, row.fpk) << row.name;
        EXPECT_EQ(in.Ep, row.Ep) << row.name;
        EXPECT_EQ(in.gamma_c, row.gamma_c) << row.name;
    }
}

}  // namespace
