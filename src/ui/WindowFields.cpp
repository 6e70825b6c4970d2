#include "ui/WindowFields.h"

#include <QLineEdit>
#include <QString>
#include <QWidget>

#include "ui/Messages.h"

namespace ui {

WindowFields::WindowFields(QWidget* window, core::Design& rest) : window_(window), rest_(rest) {}

// A window's own field, never the namesake in one of its secondary windows
// (the cable window, kept as a child of the main window, has a txtFk too).
QLineEdit* WindowFields::lineEdit(core::Field field) const {
    const std::string_view name = core::objectName(field);
    const QString objectName = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    for (QLineEdit* edit : window_->findChildren<QLineEdit*>(objectName)) {
        if (edit->window() == window_->window()) return edit;
    }
    return nullptr;
}

std::string WindowFields::text(core::Field field) const { return lineEdit(field)->text().toStdString(); }

void WindowFields::setText(core::Field field, const std::string& text) {
    lineEdit(field)->setText(QString::fromStdString(text));
}

void WindowFields::focus(core::Field field) { lineEdit(field)->setFocus(Qt::OtherFocusReason); }

void WindowFields::select(core::Field field) { lineEdit(field)->selectAll(); }

void WindowFields::warn(const std::string& message) { showWarning(window_, QString::fromStdString(message)); }

}  // namespace ui
