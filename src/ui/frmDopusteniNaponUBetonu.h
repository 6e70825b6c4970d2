#pragma once

#include <QDialog>

#include "catalogues/AllowableStressTable.h"
#include "core/DesignInput.h"

class QButtonGroup;
class QCheckBox;
class QRadioButton;

namespace ui {

// Chooses the four allowable concrete stresses from the code table by class
// and load case. Created once and then only hidden, so the choices stay
// from one showing to the next.
class frmDopusteniNaponUBetonu : public QDialog {
    Q_OBJECT
public:
    // exec() gives this when the user asked for the custom stress window.
    static constexpr int ProizvoljanNapon = 2;

    frmDopusteniNaponUBetonu(core::MainFields& fields, QWidget* parent);

    // The owner's one table window, created with its load step if there is none.
    static frmDopusteniNaponUBetonu& instance(core::MainFields& fields, QWidget* owner);

private:
    void buildTable();
    void buildButtons();
    void load();
    catalogues::StressChoice choice() const;
    void select(const catalogues::StressChoice& choice);
    QRadioButton* rowOption(catalogues::StressRow row) const;

    void uRedu();
    void odustani();

    core::MainFields& fields_;
    QRadioButton* classOptions_[catalogues::kConcreteClassCount] = {};
    QCheckBox* chkIvicniPritisak113_ = nullptr;
    QCheckBox* chkIvicnoZatezanje22_ = nullptr;
};

}  // namespace ui
