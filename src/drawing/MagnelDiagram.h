#pragma once

#include "core/DesignInput.h"
#include "drawing/Primitives.h"

// The Magnel diagram on a 7000 x 7000 twip surface: the four stress conditions
// as lines in the plane of 1/Nk0 (across, origin at x = 2000) and ek (down,
// origin at y = 3500), with the kern points, the design eccentricity, the
// smallest admissible force and the section outline behind them in grey.

namespace drawing {

struct MagnelScales {
    double outlineScaleX = 0;      // twips per cm across the section outline
    double eccentricityScale = 0;  // twips per cm down the ek axis
    // Twips per 1/kN; stays 0 when no condition value is strictly the largest
    // in magnitude, and then every point falls on the ek axis.
    double inverseForceScale = 0;
};

MagnelScales magnelScales(const core::DesignValues& v);

Drawing magnelDiagram(const core::DesignValues& v);

}  // namespace drawing
