#include "drawing/SectionOutline.h"

namespace drawing {

std::array<Segment, 12> sectionOutline(const core::SectionDimensions& s, const core::SectionProperties& p,
                                       Point centroid, double scaleX, double scaleY) {
    const double cx = centroid.x;
    const double cy = centroid.y;
    const double yT = cy - scaleY * p.yb2;           // top edge
    const double yU = cy - scaleY * (p.yb2 - s.d2);  // underside of the top flange
    const double yL = cy + scaleY * (p.yb1 - s.d1);  // upper face of the bottom flange
    const double yB = cy + scaleY * p.yb1;           // bottom edge
    const double hb2 = scaleX * s.b2 / 2;
    const double hd3 = scaleX * s.d3 / 2;
    const double hb1 = scaleX * s.b1 / 2;
    return {{
        {{cx - hb2, yT}, {cx + hb2, yT}},
        {{cx - hb2, yU}, {cx - hd3, yU}},
        {{cx + hb2, yU}, {cx + hd3, yU}},
        {{cx - hb2, yT}, {cx - hb2, yU}},
        {{cx + hb2, yT}, {cx + hb2, yU}},
        {{cx - hd3, yU}, {cx - hd3, yL}},
        {{cx + hd3, yU}, {cx + hd3, yL}},
        {{cx - hb1, yL}, {cx - hd3, yL}},
        {{cx + hb1, yL}, {cx + hd3, yL}},
        {{cx - hb1, yB}, {cx + hb1, yB}},
        {{cx - hb1, yB}, {cx - hb1, yL}},
        {{cx + hb1, yB}, {cx + hb1, yL}},
    }};
}

}  // namespace drawing
