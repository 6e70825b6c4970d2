#include "core/BendingStart.h"

#include "eurocode/Concrete.h"
#include "eurocode/Strand.h"

namespace core {

BendingInputs bendingInputsFor(const std::optional<BendingInputs>& kept, const StressBasis& stresses,
                               const CableBasis& cable) {
    BendingInputs in;
    if (kept) {
        in = *kept;
    } else if (std::holds_alternative<ImsCableBasis>(cable)) {
        in.Ep = eurocode::kEpWire;
    }
    if (const auto* concrete = std::get_if<ConcreteENBasis>(&stresses)) {
        if (const auto c = eurocode::concreteClassNamed(concrete->concreteClass)) in.fck = c->fck;
    }
    if (const auto* tendon = std::get_if<StrandTendonBasis>(&cable)) {
        if (const auto strand = eurocode::strandNamed(tendon->strand)) {
            in.fp01k = eurocode::fp01k(*strand);
            in.fpk = strand->fpk;
        }
    }
    return in;
}

}  // namespace core
