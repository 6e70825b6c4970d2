#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "core/BendingInputsCheck.h"

using namespace core;

namespace {

// Each row changes one thing of a computable check: 6 cables of 4.618 cm2, C40/50, Y1860.
TEST(BendingInputsCheck, RefusesWhatTheComputationCannotTakeAndNamesTheField) {
    const struct {
        const char* name;
        double n;
        double Fk;
        std::function<void(BendingInputs&)> change;
        std::optional<BendingInput> refused;
    } rows[] = {
        {"the defaults", 6, 4.618, [](BendingInputs&) {}, std::nullopt},
        {"strengths unknown", 6, 4.618, [](BendingInputs& in) { in.fck.reset(), in.fp01k.reset(), in.fpk.reset(); },
         std::nullopt},
        {"no cable", 0, 4.618, [](BendingInputs&) {}, BendingInput::Cables},
        {"half a cable", 2.5, 4.618, [](BendingInputs&) {}, BendingInput::Cables},
        {"a cable of no area", 6, 0, [](BendingInputs&) {}, BendingInput::Cables},
        {"fck of C90/105", 6, 4.618, [](BendingInputs& in) { in.fck = 90; }, std::nullopt},
        {"fck above C90/105", 6, 4.618, [](BendingInputs& in) { in.fck = 90.5; }, BendingInput::fck},
        {"fck 0", 6, 4.618, [](BendingInputs& in) { in.fck = 0; }, BendingInput::fck},
        {"alpha_cc 0.85", 6, 4.618, [](BendingInputs& in) { in.alpha_cc = 0.85; }, std::nullopt},
        {"alpha_cc above 1", 6, 4.618, [](BendingInputs& in) { in.alpha_cc = 1.01; }, BendingInput::alpha_cc},
        {"gamma_c 1", 6, 4.618, [](BendingInputs& in) { in.gamma_c = 1; }, std::nullopt},
        {"gamma_c below 1", 6, 4.618, [](BendingInputs& in) { in.gamma_c = 0.99; }, BendingInput::gamma_c},
        {"fp0.1k 0", 6, 4.618, [](BendingInputs& in) { in.fp01k = 0; }, BendingInput::fp01k},
        {"fpk below fp0.1k", 6, 4.618, [](BendingInputs& in) { in.fpk = 1600; }, BendingInput::fpk},
        {"fpk 0, fp0.1k unknown", 6, 4.618, [](BendingInputs& in) { in.fp01k.reset(), in.fpk = 0; },
         BendingInput::fpk},
        {"gamma_s below 1", 6, 4.618, [](BendingInputs& in) { in.gamma_s = 0.9; }, BendingInput::gamma_s},
        {"Ep 0", 6, 4.618, [](BendingInputs& in) { in.Ep = 0; }, BendingInput::Ep},
        {"eps_ud at the yield strain, horizontal branch", 6, 4.618,
         [](BendingInputs& in) { in.eps_ud = 1640 / 1.15 / 195e3; }, std::nullopt},
        {"eps_ud at the yield strain, inclined branch", 6, 4.618,
         [](BendingInputs& in) {
             in.branch = eurocode::UpperBranch::Inclined;
             in.eps_ud = 1640 / 1.15 / 195e3;
         },
         BendingInput::eps_ud},
        {"eps_ud 0, inclined branch, fp0.1k unknown", 6, 4.618,
         [](BendingInputs& in) {
             in.branch = eurocode::UpperBranch::Inclined;
             in.fp01k.reset();
             in.eps_ud = 0;
         },
         BendingInput::eps_ud},
    };
    for (const auto& row : rows) {
        BendingInputs in;
        in.fck = 40;
        in.fp01k = 1640;
        in.fpk = 1860;
        row.change(in);
        const auto refusal = bendingRefusal(row.n, row.Fk, in);
        EXPECT_EQ(refusal ? std::optional(refusal->input) : std::nullopt, row.refused) << row.name;
    }
}

TEST(BendingInputsCheck, TheMessageGivesTheRange) {
    BendingInputs in;
    in.fp01k = 1640;
    in.fpk = 1500;
    EXPECT_EQ(bendingRefusal(6, 4.618, in)->message, "Polje -fpk- mora imati vrednost najmanje fp0.1k = 1640 MPa !");
    in.fpk = 1860;
    in.branch = eurocode::UpperBranch::Inclined;
    in.eps_ud = 0.005;
    EXPECT_EQ(bendingRefusal(6, 4.618, in)->message,
              "Polje -eps_ud- mora imati vrednost vecu od fpd / Ep = 0.007313 !");
}

}  // namespace
