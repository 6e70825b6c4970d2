#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/BendingCheck.h"
#include "core/BendingInputs.h"
#include "core/DesignInput.h"

// The calculation document's section on the ultimate limit state in bending:
// the inputs, the strain-compatibility computation with the numbers put in,
// MRd and the verdict.

namespace reports {

inline constexpr std::string_view kBendingSectionTitle = "7. Granicno stanje nosivosti - savijanje";

// The lines of the section for the design in v with n of its cables.
std::vector<std::string> bendingLines(const core::DesignValues& v, double n, const core::BendingInputs& in);

// The sentence of the conclusion that names the section's verdict.
std::string bendingConclusion(const core::DesignValues& v, double n, const core::BendingInputs& in);

// Why the check gives no MRd, in one sentence: the strengths that are not
// known, or a computation without an answer. Empty when MRd was computed.
std::string noResistanceReason(const core::BendingInputs& in, const core::BendingCheck& c);

}  // namespace reports
