#pragma once

#include "core/DesignInput.h"
#include "drawing/Primitives.h"

// The cross-section on its 5000 x 5000 twip grid, centroid at the centre. The
// widest part and the full height are each drawn 2500 twips long, with
// independent scales, so the drawing is distorted when they differ.

namespace drawing {

struct CrossSectionScales {
    double sx = 0;  // twips per cm across
    double sy = 0;  // twips per cm up and down
};

CrossSectionScales crossSectionScales(const core::SectionDimensions& s);

// Grid, axes, origin, axis letters, then the twelve outline segments (the
// zero-length ones of a rectangle included).
Drawing crossSectionDrawing(const core::DesignValues& v);

}  // namespace drawing
