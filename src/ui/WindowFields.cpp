#include "ui/WindowFields.h"

#include <QLineEdit>
#include <QString>
#include <QWidget>

#include "ui/Messages.h"

namespace ui {

WindowFields::WindowFields(QWidget* window) : window_(window) {}

QLineEdit* WindowFields::lineEdit(core::Field field) const {
    const std::string_view name = core::objectName(field);
    return window_->findChild<QLineEdit*>(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

std::string WindowFields::text(core::Field field) const { return lineEdit(field)->text().toStdString(); }

void WindowFields::setText(core::Field field, const std::string& text) {
    lineEdit(field)->setText(QString::fromStdString(text));
}

void WindowFields::focus(core::Field field) { lineEdit(field)->setFocus(Qt::OtherFocusReason); }

void WindowFields::select(core::Field field) { lineEdit(field)->selectAll(); }

void WindowFields::warn(const std::string& message) { showWarning(window_, QString::fromStdString(message)); }

}  // namespace ui
