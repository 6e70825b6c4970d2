#include "ui/Messages.h"

#include <QApplication>
#include <QMessageBox>

namespace ui {

void showWarning(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, QStringLiteral("Upozorenje !"), text, QMessageBox::Ok);
}

bool askYesNo(QWidget* parent, const QString& title, const QString& text) {
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

void showPlain(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

void beep() { QApplication::beep(); }

}  // namespace ui
