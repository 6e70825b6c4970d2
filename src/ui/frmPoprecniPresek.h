#pragma once

#include "ui/FixedDialog.h"

namespace core {
class MainFields;
}

namespace ui {

// "Poprecni presek": the eight section properties and the scaled section on
// its grid, from the main window's dimensions at the moment it opens.
class frmPoprecniPresek : public FixedDialog {
    Q_OBJECT
public:
    frmPoprecniPresek(core::MainFields& fields, QWidget* parent);
};

}  // namespace ui
