#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/Design.h"
#include "core/Losses.h"

// The document's account of the efficiency m: the inputs of the losses, each
// value on the way with its unit and clause, Expression (5.46) with symbols
// and with the numbers put in, and the m written into the field.

namespace reports {

inline constexpr std::string_view kLossesTitle = "Koeficijent efikasnosti m";

std::vector<std::string> lossLines(const core::LossInputs& in, const core::LossDesign& d, const core::LossResult& r);

// A typed m has no calculation: "m = 0.8 (zadato)", the field's own text.
std::vector<std::string> typedEfficiencyLines(std::string_view mText);

// The lines under kLossesTitle for a design: the calculation of the losses it
// keeps where they give the m in its field (with its adopted cables, or the
// smallest admissible number), otherwise the typed m.
std::vector<std::string> efficiencyLines(const core::Design& design);

}  // namespace reports
