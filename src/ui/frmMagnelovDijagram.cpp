#include "ui/frmMagnelovDijagram.h"

#include <QPushButton>

#include "drawing/MagnelDiagram.h"
#include "ui/Controls.h"
#include "ui/DrawingSurface.h"
#include "ui/Fonts.h"

namespace ui {

frmMagnelovDijagram::frmMagnelovDijagram(core::MainFields& fields, QWidget* parent)
    : FixedDialog(parent, "frmMagnelovDijagram", "Magnel-ov dijagram", 7110, 7650) {
    const QFont font = uiFont(8);
    setFont(font);

    auto* surface = new DrawingSurface(this, "pctMagnelovDijagram", twipsRect(60, 60, 7000, 7000));
    surface->setDrawing(drawing::magnelDiagram(core::readDesignValues(fields)));

    QPushButton* uRedu = addButton(this, "cmdURedu", "U redu", twipsRect(5910, 7110, 1150, 480), font);
    connect(uRedu, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace ui
