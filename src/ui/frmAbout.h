#pragma once

#include "ui/FixedDialog.h"

namespace ui {

// The about window: title, version, and the system information button.
class frmAbout : public FixedDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

private:
    void showSystemInfo();
};

}  // namespace ui
