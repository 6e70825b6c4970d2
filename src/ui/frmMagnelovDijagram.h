#pragma once

#include "ui/FixedDialog.h"

namespace core {
class MainFields;
}

namespace ui {

// "Magnel-ov dijagram": the four force conditions over 1/Nk0 and ek, drawn
// from the main window's fields at the moment it opens. It checks nothing:
// the menu command has run the checks before.
class frmMagnelovDijagram : public FixedDialog {
    Q_OBJECT
public:
    frmMagnelovDijagram(core::MainFields& fields, QWidget* parent);
};

}  // namespace ui
