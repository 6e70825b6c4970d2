#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/DesignInput.h"
#include "core/MaterialBasis.h"

// The lines of "Materijali" in the calculation document: where the allowable
// stresses and the cable come from, with the formulas, the numbers put in and
// the clauses, so the checking engineer can follow them without the windows.
// The bases are those the design's field texts agree with.

namespace reports {

std::vector<std::string> concreteMaterialLines(const core::StressBasis& basis);

// A catalogue cable's ek is derived from the section when the field holds the
// value the cable window recommends for it, and stated as typed otherwise.
std::vector<std::string> cableMaterialLines(const core::CableBasis& basis, const core::SectionDimensions& section,
                                            std::string_view ek);

}  // namespace reports
