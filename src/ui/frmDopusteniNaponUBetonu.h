#pragma once

#include "catalogues/AllowableStressTable.h"
#include "ui/DefinitionWindow.h"

class QButtonGroup;
class QCheckBox;
class QRadioButton;

namespace ui {

// Chooses the four allowable concrete stresses from the code table by class
// and load case.
class frmDopusteniNaponUBetonu : public TableWindow<frmDopusteniNaponUBetonu> {
    Q_OBJECT
public:
    frmDopusteniNaponUBetonu(core::MainFields& fields, QWidget* parent);

private:
    void buildTable();
    void buildButtons();
    void load();
    catalogues::StressChoice choice() const;
    void select(const catalogues::StressChoice& choice);
    QRadioButton* rowOption(catalogues::StressTableRow row) const;

    void uRedu();
    void odustani();

    QRadioButton* classOptions_[catalogues::kConcreteClassCount] = {};
    QCheckBox* chkIvicniPritisak113_ = nullptr;
    QCheckBox* chkIvicnoZatezanje22_ = nullptr;
};

}  // namespace ui
