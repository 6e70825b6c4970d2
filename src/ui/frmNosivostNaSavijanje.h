#pragma once

#include <map>
#include <optional>

#include "core/BendingInputs.h"
#include "core/BendingInputsCheck.h"
#include "core/DesignInput.h"
#include "ui/FixedDialog.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace ui {

class TypedField;

// The ultimate limit state in bending: the inputs of the check, prefilled and
// editable, and MRd with the verdict worked out again at every accepted key.
// The window keeps nothing: its owner gives the inputs to start from and
// takes them back after "U redu".
class frmNosivostNaSavijanje : public FixedDialog {
    Q_OBJECT
public:
    // v: the design's values; cables: the number of cables to start from, if there is one.
    frmNosivostNaSavijanje(const core::DesignValues& v, const core::BendingInputs& start,
                           std::optional<double> cables, QWidget* parent);

    // What the fields hold now; the inputs to keep once the user pressed "U redu".
    core::BendingInputs inputs() const;
    double cables() const;

private:
    void build();
    void fill(const core::BendingInputs& in, std::optional<double> cables);
    void recompute();
    void showResults(const core::BendingInputs& in, bool refused);
    void uRedu();

    core::DesignValues v_;
    std::map<core::BendingInput, TypedField*> typed_;
    TypedField* MEd_ = nullptr;
    QRadioButton* horizontal_ = nullptr;
    QRadioButton* inclined_ = nullptr;
    QLineEdit *Ap_ = nullptr, *dp_ = nullptr, *sigmaPmInf_ = nullptr, *fcd_ = nullptr, *fpd_ = nullptr;
    QLineEdit *x_ = nullptr, *xdp_ = nullptr, *epsP_ = nullptr, *sigmaP_ = nullptr, *z_ = nullptr, *MRd_ = nullptr;
    QLabel* yielding_ = nullptr;
    QLabel* verdict_ = nullptr;
    QLabel* reason_ = nullptr;
};

}  // namespace ui
