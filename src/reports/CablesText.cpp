#include "reports/CablesText.h"

#include <cmath>

#include "core/NumberText.h"

namespace reports {

std::string cableRangeText(const std::optional<core::CableRange>& range) {
    if (!range) return "nema";
    const std::string first = core::numberToText(range->first);
    if (!std::isfinite(range->last)) return first + " i vise";
    if (range->first == range->last) return first;
    return first + " do " + core::numberToText(range->last);
}

std::string cableForceVerdict(const core::ForceBounds& bounds, const core::WholeCableAdoption& adoption) {
    if (!adoption.count) return "Broj kablova nije odredjen: sila u jednom kablu nije veca od nule.";
    if (!core::hasAdmissibleForce(bounds)) return "Sila usvojenih kablova nije dopustena: nijedna sila nije dopustena.";
    switch (adoption.check) {
        case core::Nk0Check::Admissible:
            return "Sila usvojenih kablova je u dopustenom opsegu.";
        case core::Nk0Check::BelowLowerLimit:
            return "Sila usvojenih kablova nije dopustena: manja je od donje granice.";
        case core::Nk0Check::AboveUpperLimit:
            return "Sila usvojenih kablova nije dopustena: veca je od gornje granice.";
    }
    return {};
}

}  // namespace reports
