#include "catalogues/LossStart.h"

#include <algorithm>
#include <cmath>

#include "core/CableCount.h"
#include "core/ForceBounds.h"
#include "core/Losses.h"

namespace catalogues {

core::LossInputs startingLossInputs(const core::SectionDimensions& section) {
    core::LossInputs in;
    in.u = core::sectionOutline(section);
    return in;
}

std::optional<double> smallestAdmissibleCables(const core::DesignValues& v) {
    const core::ForceBounds b = core::computeForceBounds(v);
    const double Zk0 = core::Zk0(v.cable.Fk, v.cable.Gk0);
    if (!(Zk0 > 0) || !std::isfinite(b.minNko)) return std::nullopt;
    double n = std::max(1.0, std::ceil(b.minNko / Zk0));
    if (!std::isfinite(n)) return std::nullopt;
    // The same verdict as a typed force, so the last bits of the quotient
    // cannot leave it one cable short.
    if (core::checkAdmissibleNk0(b, n * Zk0) == core::Nk0Check::BelowLowerLimit) n += 1;
    return n;
}

}  // namespace catalogues
