#pragma once

#include "core/DesignInput.h"

class QLineEdit;
class QWidget;

namespace ui {

// The design fields of a window, found by their objectName, as the checks
// and the calculation windows reach them.
class WindowFields : public core::MainFields {
public:
    explicit WindowFields(QWidget* window);

    std::string text(core::Field field) const override;
    void setText(core::Field field, const std::string& text) override;
    void focus(core::Field field) override;
    void select(core::Field field) override;
    void warn(const std::string& message) override;

    QLineEdit* lineEdit(core::Field field) const;

private:
    QWidget* window_;
};

}  // namespace ui
