#pragma once

#include "ui/FixedDialog.h"

#include "core/DesignInput.h"

namespace ui {

// The Magnel diagram window, drawn from the main window's fields at the
// moment it opens; it checks nothing and writes nothing back.
class frmMagnelovDijagram : public FixedDialog {
    Q_OBJECT
public:
    frmMagnelovDijagram(core::MainFields& fields, QWidget* parent);
};

}  // namespace ui
