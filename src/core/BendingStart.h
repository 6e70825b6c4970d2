#pragma once

#include <optional>

#include "core/BendingInputs.h"
#include "core/MaterialBasis.h"

// The inputs the bending check of a design works with, in its window and in
// its document alike.

namespace core {

// Those kept with the design, or the recommended ones for a design checked
// for the first time (Ep of wires for the wire cables of the IMS catalogue).
// A concrete of SRPS EN 1992-1-1 gives fck and a strand of EN 10138-3 gives
// fp0.1k and fpk, whatever was kept: the check never works with another
// concrete or strand than the design's.
BendingInputs bendingInputsFor(const std::optional<BendingInputs>& kept, const StressBasis& stresses,
                               const CableBasis& cable);

}  // namespace core
