#pragma once

#include "core/DesignInput.h"
#include "drawing/Drawing.h"

// The scaled cross-section on its grid, centroid at the centre of a
// 5000 x 5000 twip surface.

namespace drawing {

inline constexpr double kCrossSectionSurface = 5000;  // twips, square

struct CrossSectionScales {
    double w = 0;   // the widest of b1, b2, d3, cm
    double sx = 0;  // twips per cm across
    double sy = 0;  // twips per cm up
};

// Each scale fills 2500 twips on its own, so a section that is not as high as
// it is wide is drawn distorted.
CrossSectionScales crossSectionScales(const core::SectionDimensions& s);

Drawing crossSectionDrawing(const core::SectionDimensions& s);

}  // namespace drawing
