#pragma once

#include "ui/FixedDialog.h"

namespace ui {

// The help window: a fixed text describing the workflow.
class frmPomoc : public FixedDialog {
    Q_OBJECT
public:
    explicit frmPomoc(QWidget* parent = nullptr);
};

}  // namespace ui
