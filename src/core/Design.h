#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "core/BendingInputs.h"
#include "core/LossInputs.h"
#include "core/MaterialBasis.h"

// The record of one design: what a design file holds and what the
// calculation document is built from. Every part a design may leave out is a
// std::optional whose nullopt means "not given".

namespace core {

// The seventeen inputs, in the order their texts are kept.
enum class Field {
    B1, B2, D3, D1, D2, B,       // section dimensions, cm
    Mg, Mp, Ms,                  // bending moments, kNm
    M,                           // prestress efficiency coefficient
    Ek,                          // cable eccentricity below the centroid, cm
    Gbd0, Gbz0, Gbdbes, Gbzbes,  // allowable concrete stresses, MPa (magnitudes)
    Fk,                          // steel area of one cable, cm2
    Gk0,                         // initial stress in the cable steel, MPa
};

inline constexpr int kFieldCount = static_cast<int>(Field::Gk0) + 1;

// Who and what the design is for; printed in the header of the calculation document.
struct ProjectData {
    std::string projekat;
    std::string element;  // "Glavni nosac, presek u sredini raspona"
    std::string projektant;
    std::string napomena;  // may hold line breaks
    bool operator==(const ProjectData&) const = default;
};

struct Design {
    std::array<std::string, kFieldCount> texts;  // exactly as typed, indexed by Field
    ProjectData project;
    // The engineer's number of cables; none: the smallest admissible whole count.
    std::optional<int> adoptedCables;
    // The windows that last wrote the allowable stresses and the cable.
    StressBasis stressBasis;
    CableBasis cableBasis;
    // What m was worked out from; none: m typed ("zadato").
    std::optional<LossInputs> losses;
    // The ultimate limit state in bending; none: not checked.
    std::optional<BendingInputs> bending;

    const std::string& text(Field field) const { return texts[static_cast<std::size_t>(field)]; }
    std::string& text(Field field) { return texts[static_cast<std::size_t>(field)]; }
    bool operator==(const Design&) const = default;
};

// The start-up texts and empty project data.
Design startupDesign();

}  // namespace core
