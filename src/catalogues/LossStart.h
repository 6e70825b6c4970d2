#pragma once

#include <optional>

#include "core/Design.h"
#include "core/DesignInput.h"
#include "core/LossInputs.h"
#include "core/MaterialBasis.h"

// What the losses window opens with for a design that keeps no inputs of its
// losses.

namespace catalogues {

// The recommended values, with the whole outline of the section as the
// perimeter exposed to drying; the concrete, its transfer age and the steel
// of the design's Eurocode basis, or of its catalogue cable, where it has one.
core::LossInputs startingLossInputs(const core::SectionDimensions& section, const core::StressBasis& stressBasis,
                                    const core::CableBasis& cableBasis);

// The smallest whole number of cables not below the lower force limits, as
// the calculation document adopts it; none without a cable force or a finite
// lower limit.
std::optional<double> smallestAdmissibleCables(const core::DesignValues& v);

// What the window opens with for a design: the inputs it keeps, or else the
// starting ones; its adopted number of cables, or else the smallest
// admissible one (1 when there is none).
core::LossInputs lossInputsOf(const core::Design& design);
int lossCablesOf(const core::Design& design);

}  // namespace catalogues
