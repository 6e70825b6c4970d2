#pragma once

#include "core/MaterialBasis.h"
#include "ui/DefinitionWindow.h"

class QComboBox;

namespace ui {

class TypedField;

// A tendon of n seven-wire strands of EN 10138-3: its steel area and the
// stress after transfer, shown as the user types; "U redu" writes Fk, Gk0
// and the eccentricity.
class frmUzadEN : public TableWindow<frmUzadEN> {
    Q_OBJECT
public:
    frmUzadEN(core::MainFields& fields, QWidget* parent);

    // The inputs as the window holds them now.
    core::StrandTendonBasis basis() const;
    void setBasis(const core::StrandTendonBasis& basis);

    // After a design is opened: the owner's window shows its inputs, if they gave the design's fields.
    static void openOnDesignBasis(core::MainFields& fields, QWidget* owner);

    // Every way out but "U redu" puts back the inputs the window opened with.
    void reject() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void buildStrand();
    void buildStress();
    void buildCable();
    void buildEccentricity();
    void buildButtons();
    void showValues();
    void setShown(const char* name, const std::string& text);
    void uRedu();

    QComboBox* uze_ = nullptr;
    TypedField* brojUzadi_ = nullptr;
    TypedField* k7_ = nullptr;
    TypedField* k8_ = nullptr;
    TypedField* ekscentricitet_ = nullptr;
    core::StrandTendonBasis atOpening_;
};

}  // namespace ui
