#pragma once

#include <optional>
#include <string>

#include "core/CableCount.h"
#include "core/ForceBounds.h"

// What the adopted number of cables is worth, in the words the cable count
// window and the calculation document share.

namespace reports {

// "5 do 6", "5", "5 i vise", or "nema".
std::string cableRangeText(const std::optional<core::CableRange>& range);

// Whether the force of the adopted cables is admissible, and if not, why.
std::string cableForceVerdict(const core::ForceBounds& bounds, const core::WholeCableAdoption& adoption);

}  // namespace reports
