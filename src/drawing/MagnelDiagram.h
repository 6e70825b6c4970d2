#pragma once

#include "core/DesignInput.h"
#include "core/ForceBounds.h"
#include "drawing/Drawing.h"

// The Magnel diagram on a 7000 x 7000 twip surface: the four conditions as
// lines in the plane of 1/Nk0 (across) and ek (down), with the kern points,
// the design eccentricity, minNko and the section outline behind them.

namespace drawing {

inline constexpr double kMagnelSurface = 7000;  // twips, square
inline constexpr Point kMagnelOrigin{2000, 3500};  // 1/Nk0 = 0, ek = 0

struct MagnelScales {
    double outlineScaleX = 0;      // twips per cm across the outline
    double eccentricityScale = 0;  // twips per cm down the ek axis
    // Twips per 1/kN. Stays 0 when no condition value is strictly the largest
    // in magnitude: every point of the diagram then lies on the ek axis.
    double inverseForceScale = 0;
};

MagnelScales magnelScales(const core::SectionDimensions& s, const core::ForceBounds& bounds);

Drawing magnelDiagram(const core::DesignValues& v);

}  // namespace drawing
