#include "catalogues/LossStart.h"

#include <variant>

#include "catalogues/CableCatalogue.h"
#include "catalogues/MaterialBasisCheck.h"
#include "core/CableCount.h"
#include "core/ForceBounds.h"
#include "core/Losses.h"
#include "core/NumberText.h"
#include "eurocode/Strand.h"

namespace catalogues {

core::LossInputs startingLossInputs(const core::SectionDimensions& section, const core::StressBasis& stressBasis,
                                    const core::CableBasis& cableBasis) {
    core::LossInputs in;
    in.u = core::sectionOutline(section);
    if (const auto* concrete = std::get_if<core::ConcreteENBasis>(&stressBasis)) {
        in.concreteClass = concrete->concreteClass;
        in.cement = concrete->cement;
        in.t0 = concrete->transferAge;
    }
    if (const auto* tendon = std::get_if<core::StrandTendonBasis>(&cableBasis)) {
        if (const auto strand = eurocode::strandNamed(tendon->strand)) in.fpk = strand->fpk;
    } else if (const auto* ims = std::get_if<core::ImsCableBasis>(&cableBasis)) {
        // The catalogue's cables are of wires: their tensile strength Gm is fpk.
        if (const auto type = imsCableType(*ims)) {
            in.fpk = core::numericValue(wireStrengths()[static_cast<size_t>(type->wireColumn)].strength);
            in.Ep = eurocode::kEpWire;
        }
    }
    return in;
}

std::optional<double> smallestAdmissibleCables(const core::DesignValues& v) {
    return core::adoptWholeCables(core::computeForceBounds(v), core::Zk0(v.cable.Fk, v.cable.Gk0)).count;
}

core::LossInputs lossInputsOf(const core::Design& design) {
    if (design.losses) return *design.losses;
    const core::DesignValues v = core::readDesignValues(core::StoredFields(design));
    return startingLossInputs(v.section, design.stressBasis, design.cableBasis);
}

int lossCablesOf(const core::Design& design) {
    if (design.adoptedCables) return *design.adoptedCables;
    const auto smallest = smallestAdmissibleCables(core::readDesignValues(core::StoredFields(design)));
    return smallest ? static_cast<int>(*smallest) : 1;
}

}  // namespace catalogues
