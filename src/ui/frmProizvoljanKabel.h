#pragma once

#include <QDialog>

#include "core/DesignInput.h"
#include "ui/FormParts.h"

namespace ui {

// A cable typed freely: Fk, Gk0 and the eccentricity. Refilled from the main
// window on every showing; destroyed when it closes.
class frmProizvoljanKabel : public QDialog {
    Q_OBJECT
public:
    frmProizvoljanKabel(core::MainFields& fields, QWidget* parent);

protected:
    void showEvent(QShowEvent* e) override;

private:
    void uRedu();

    core::MainFields& fields_;
    WindowFormFields own_;
};

}  // namespace ui
