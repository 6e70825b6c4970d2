#pragma once

#include <optional>
#include <string>

#include "catalogues/CableCatalogue.h"
#include "catalogues/ConcreteEN.h"
#include "core/DesignInput.h"
#include "core/MaterialBasis.h"

// Whether the window a basis names would have written exactly the texts a
// design holds. A design whose fields say otherwise (a file edited by hand)
// has its basis dropped, so that no derivation is printed that does not lead
// to the numbers in its fields. No basis and custom values hold for any texts.

namespace catalogues {

// The texts of txtFk, txtGk0, txtEkscentricitetKablova.
struct CableFieldTexts {
    std::string Fk, Gk0, ek;
};

// The catalogue type the basis names, if the catalogue has it.
std::optional<CableType> imsCableType(const core::ImsCableBasis& basis);

bool givesFieldTexts(const core::StressBasis& basis, const StressFieldTexts& texts);

// The texts of the design's fields that the bases give.
StressFieldTexts stressFieldTexts(const core::MainFields& fields);
CableFieldTexts cableFieldTexts(const core::MainFields& fields);

// The design's basis when it is of the kind a window keeps and its fields
// still hold what it gives: the window then opens on it.
template <class Basis>
std::optional<Basis> heldStressBasis(const core::MainFields& fields) {
    const Basis* b = std::get_if<Basis>(&fields.stressBasis());
    if (!b || !givesFieldTexts(core::StressBasis(*b), stressFieldTexts(fields))) return std::nullopt;
    return *b;
}

// A catalogue cable leaves ek to the user, who may keep the recommended
// value or type another; the tendon keeps the text it was given.
bool givesFieldTexts(const core::CableBasis& basis, const CableFieldTexts& texts);

template <class Basis>
std::optional<Basis> heldCableBasis(const core::MainFields& fields) {
    const Basis* b = std::get_if<Basis>(&fields.cableBasis());
    if (!b || !givesFieldTexts(core::CableBasis(*b), cableFieldTexts(fields))) return std::nullopt;
    return *b;
}

}  // namespace catalogues
