#pragma once

#include "ui/FixedDialog.h"

#include "core/DesignInput.h"

namespace ui {

// The cross-section window: the eight section properties and the scaled
// drawing of the section. Built afresh on each opening from the main
// window's fields at that moment; it writes nothing back.
class frmPoprecniPresek : public FixedDialog {
    Q_OBJECT
public:
    frmPoprecniPresek(core::MainFields& fields, QWidget* parent);
};

}  // namespace ui
