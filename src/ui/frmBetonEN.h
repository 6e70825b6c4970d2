#pragma once

#include "core/MaterialBasis.h"
#include "ui/DefinitionWindow.h"

class QCheckBox;
class QComboBox;
class QRadioButton;

namespace ui {

class TypedField;

// The concrete of SRPS EN 1992-1-1 and its four allowable stresses, worked
// out from the class, the strength at transfer and the factors; every value
// is shown as the user types, and "U redu" writes the four limits.
class frmBetonEN : public TableWindow<frmBetonEN> {
    Q_OBJECT
public:
    frmBetonEN(core::MainFields& fields, QWidget* parent);

    // The inputs as the window holds them now.
    core::ConcreteENBasis basis() const;
    void setBasis(const core::ConcreteENBasis& basis);

    // After a design is opened: the owner's window shows its inputs, if they gave the design's fields.
    static void openOnDesignBasis(core::MainFields& fields, QWidget* owner);

    // Every way out but "U redu" puts back the inputs the window opened with.
    void reject() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void buildConcrete();
    void buildTransfer();
    void buildLimits();
    void buildButtons();
    void showValues();
    void setShown(const char* name, const std::string& text);
    void uRedu();

    QComboBox* klasa_ = nullptr;
    TypedField* starost_ = nullptr;
    QRadioButton* cement_[3] = {};  // R, N, S
    QCheckBox* fckTZadato_ = nullptr;
    TypedField* fckT_ = nullptr;
    TypedField* k6_ = nullptr;
    TypedField* k1_ = nullptr;
    QCheckBox* gbz0Nula_ = nullptr;
    QCheckBox* gbzBesNula_ = nullptr;
    core::ConcreteENBasis atOpening_;
};

}  // namespace ui
