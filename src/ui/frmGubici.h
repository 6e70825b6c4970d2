#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/DesignInput.h"
#include "core/Losses.h"
#include "ui/FixedDialog.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;

namespace ui {

class TypedField;

// The time-dependent losses of the prestress at the tendon and the efficiency
// m they leave, worked out afresh on every accepted key. "U redu" writes m,
// rounded down to two decimals, into the main window.
class frmGubici : public FixedDialog {
    Q_OBJECT
public:
    // Opens on the given inputs and number of cables.
    frmGubici(core::MainFields& fields, const core::LossInputs& start, int cables, QWidget* parent);

    // What "U redu" took.
    const core::LossInputs& inputs() const { return inputs_; }
    int cables() const { return cables_; }

private:
    void build();
    void showInputs(const core::LossInputs& in, int cables);
    // The inputs as the fields give them; none while a field is empty.
    std::optional<core::LossInputs> typedInputs() const;
    double typedCables() const;
    // None for inputs that cannot be computed.
    std::optional<core::LossResult> computed(const core::LossInputs& in) const;
    void recompute();
    void uRedu();

    core::MainFields& fields_;
    const core::DesignValues design_;  // the main window cannot change while this one is up
    core::LossInputs inputs_;
    int cables_ = 0;

    QComboBox* concreteClass_ = nullptr;
    QButtonGroup* cement_ = nullptr;
    QButtonGroup* relaxation_ = nullptr;
    std::vector<std::pair<QLineEdit*, double core::LossResult::*>> shown_;
    QLineEdit* mWritten_ = nullptr;  // m as "U redu" writes it
};

}  // namespace ui
