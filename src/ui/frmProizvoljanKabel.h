#pragma once

#include "ui/DefinitionWindow.h"

namespace ui {

// A cable typed freely: Fk, Gk0 and the eccentricity.
class frmProizvoljanKabel : public CustomValuesWindow {
    Q_OBJECT
public:
    frmProizvoljanKabel(core::MainFields& fields, QWidget* parent);

private:
    void uRedu();
};

}  // namespace ui
