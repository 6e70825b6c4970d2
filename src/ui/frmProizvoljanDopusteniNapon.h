#pragma once

#include <QDialog>

#include "core/DesignInput.h"
#include "ui/FormParts.h"

namespace ui {

// The four allowable concrete stresses typed freely. Refilled from the main
// window on every showing; destroyed when it closes.
class frmProizvoljanDopusteniNapon : public QDialog {
    Q_OBJECT
public:
    frmProizvoljanDopusteniNapon(core::MainFields& fields, QWidget* parent);

protected:
    void showEvent(QShowEvent* e) override;

private:
    void uRedu();

    core::MainFields& fields_;
    WindowFormFields own_;
};

}  // namespace ui
