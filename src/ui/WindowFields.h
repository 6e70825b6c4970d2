#pragma once

#include "core/DesignInput.h"

class QLineEdit;
class QWidget;

namespace ui {

// The design fields of a window, found by their objectName, as the checks
// and the calculation windows reach them. The parts of the design that are
// not field texts live in `rest`, kept by the window's owner.
class WindowFields : public core::MainFields {
public:
    WindowFields(QWidget* window, core::Design& rest);

    std::string text(core::Field field) const override;
    void setText(core::Field field, const std::string& text) override;
    void focus(core::Field field) override;
    void select(core::Field field) override;
    void warn(const std::string& message) override;
    const core::StressBasis& stressBasis() const override { return rest_.stressBasis; }
    void setStressBasis(const core::StressBasis& basis) override { rest_.stressBasis = basis; }
    const core::CableBasis& cableBasis() const override { return rest_.cableBasis; }
    void setCableBasis(const core::CableBasis& basis) override { rest_.cableBasis = basis; }

    QLineEdit* lineEdit(core::Field field) const;

private:
    QWidget* window_;
    core::Design& rest_;
};

}  // namespace ui
