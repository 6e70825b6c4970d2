#pragma once

#include <optional>
#include <string>

#include "core/BendingInputs.h"

// Which inputs of the bending check the computation can take. A value out of
// its range is refused with the message naming the field and the range; an
// unknown strength (left empty) is no refusal, the check then says what is
// missing.

namespace core {

enum class BendingInput { Cables, fck, alpha_cc, gamma_c, fp01k, fpk, gamma_s, Ep, eps_ud };

struct BendingRefusal {
    BendingInput input;
    std::string message;
};

inline constexpr double kMaxBendingFck = 90;  // MPa: the stress block of 3.1.7(3) ends at C90/105

// The first refusal of n cables of Fk cm2 each and the inputs, in the order the window shows them.
std::optional<BendingRefusal> bendingRefusal(double n, double Fk, const BendingInputs& in);

// The first refusal of the inputs alone.
std::optional<BendingRefusal> bendingInputsRefusal(const BendingInputs& in);

}  // namespace core
