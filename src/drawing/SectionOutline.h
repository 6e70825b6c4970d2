#pragma once

#include <array>

#include "core/SectionProperties.h"
#include "drawing/Drawing.h"

namespace drawing {

struct Segment {
    Point from;
    Point to;
};

// The I-section as twelve segments, in this order: top edge, underside of the
// top flange left and right, ends of the top flange left and right, sides of
// the web left and right, upper face of the bottom flange left and right,
// bottom edge, ends of the bottom flange left and right. A flange of zero
// thickness keeps its segments, of zero length, so every section has the same
// twelve; a zero-thickness flange wider than the web still lengthens its edge.
// The centroid is drawn at `centroid`; the scales are twips per cm.
std::array<Segment, 12> sectionOutline(const core::SectionDimensions& s, const core::SectionProperties& p,
                                       Point centroid, double scaleX, double scaleY);

}  // namespace drawing
