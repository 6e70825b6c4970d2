#include "ui/frmMagnelovDijagram.h"

#include "drawing/MagnelDiagram.h"
#include "ui/DrawingSurface.h"
#include "ui/Twips.h"

namespace ui {

frmMagnelovDijagram::frmMagnelovDijagram(core::MainFields& fields, QWidget* parent)
    : FixedDialog(parent, "frmMagnelovDijagram", "Magnel-ov dijagram", 7110, 7650) {
    auto* surface = new DrawingSurface(this, "Magnel-ov dijagram");
    surface->setObjectName("pctMagnelovDijagram");
    surface->setGeometry(twipsRect(60, 60, 7000, 7000));
    surface->setDrawing(drawing::magnelDiagram(core::readDesignValues(fields)));

    addCloseButton(twipsRect(5910, 7110, 1150, 480));
}

}  // namespace ui
