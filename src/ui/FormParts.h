#pragma once

#include <QLabel>
#include <string>

#include "catalogues/FormFields.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Pieces the definition windows are built from, placed in twips.

namespace ui {

QGroupBox* addFrame(QWidget* parent, const char* name, const char* caption, QRect geometry);
QLabel* addLabel(QWidget* parent, const QString& caption, QRect geometry, const char* name = nullptr);
QPushButton* addButton(QWidget* parent, const char* name, const char* caption, QRect geometry);
// A read-only cell of a table (see makeShownOnly).
QLineEdit* addCell(QWidget* parent, const QString& name, const QString& text, QRect geometry, bool bold);

// Selecting an option from code acts as a click, as a click by the user:
// the option's handler runs, unless the option was selected already.
void selectOption(QRadioButton* option);

// The information box of the "ek=" labels.
void showEccentricityAdvice(QWidget* parent);

// The text fields of a window, found by objectName.
class WindowFormFields : public catalogues::FormFields {
public:
    explicit WindowFormFields(QWidget* window) : window_(window) {}
    std::string text(std::string_view name) const override;
    void setText(std::string_view name, const std::string& text) override;
    void focusAndSelect(std::string_view name) override;
    void warn(const std::string& message) override;

private:
    QLineEdit* field(std::string_view name) const;
    QWidget* window_;
};

}  // namespace ui
