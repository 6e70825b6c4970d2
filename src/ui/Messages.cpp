#include "ui/Messages.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>

namespace ui {
namespace {

// Once the box is gone the window that asked takes the keyboard back, so the
// focus a check has just set is where the user types next. A window manager
// usually does this; without one (a bare X server, the offscreen platform)
// nothing would.
QMessageBox::StandardButton run(QMessageBox& box, QWidget* parent) {
    box.exec();
    if (parent) parent->window()->activateWindow();
    return box.standardButton(box.clickedButton());
}

}  // namespace

void showWarning(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Upozorenje !"), text, QMessageBox::Ok, parent);
    run(box, parent);
}

void refuseField(QWidget* parent, QLineEdit* field, const QString& text) {
    showWarning(parent, text);
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

bool askYesNo(QWidget* parent, const QString& title, const QString& text, DefaultAnswer answer) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(answer == DefaultAnswer::Yes ? QMessageBox::Yes : QMessageBox::No);
    return run(box, parent) == QMessageBox::Yes;
}

Answer askYesNoCancel(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (run(box, parent)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;  // the close box too
    }
}

void showPlain(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    run(box, parent);
}

void beep() { QApplication::beep(); }

}  // namespace ui
