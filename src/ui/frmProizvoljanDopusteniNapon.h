#pragma once

#include "ui/DefinitionWindow.h"

namespace ui {

// The four allowable concrete stresses typed freely.
class frmProizvoljanDopusteniNapon : public CustomValuesWindow {
    Q_OBJECT
public:
    frmProizvoljanDopusteniNapon(core::MainFields& fields, QWidget* parent);

private:
    void uRedu();
};

}  // namespace ui
