#include "ui/FormParts.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include "catalogues/CableCatalogue.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Messages.h"

namespace ui {

QGroupBox* addFrame(QWidget* parent, const char* name, const char* caption, QRect geometry) {
    auto* box = new QGroupBox(QString::fromLatin1(caption), parent);
    if (name) box->setObjectName(name);
    box->setFont(uiFont(8.25, true));
    box->setGeometry(geometry);
    return box;
}

QLabel* addLabel(QWidget* parent, const QString& caption, QRect geometry, const char* name) {
    auto* l = new QLabel(caption, parent);
    if (name) l->setObjectName(name);
    l->setFont(uiFont(8.25));
    l->setGeometry(geometry);
    return l;
}

QPushButton* addButton(QWidget* parent, const char* name, const char* caption, QRect geometry) {
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(name);
    b->setFont(uiFont(8.25));
    b->setGeometry(geometry);
    b->setAutoDefault(false);
    return b;
}

QLineEdit* addCell(QWidget* parent, const QString& name, const QString& text, QRect geometry, bool bold) {
    auto* cell = new QLineEdit(text, parent);
    cell->setObjectName(name);
    cell->setFont(uiFont(8.25, bold));
    cell->setGeometry(geometry);
    cell->setAlignment(Qt::AlignCenter);
    makeShownOnly(cell);
    return cell;
}

void selectOption(QRadioButton* option) {
    if (!option->isChecked()) option->click();
}

void showEccentricityAdvice(QWidget* parent) {
    QMessageBox box(QMessageBox::Information, QString::fromLatin1(catalogues::kEccentricityAdviceTitle.data()),
                    QString::fromLatin1(catalogues::kEccentricityAdvice.data()), QMessageBox::Ok, parent);
    box.exec();
}

QLineEdit* WindowFormFields::field(std::string_view name) const {
    return window_->findChild<QLineEdit*>(QString::fromLatin1(name.data(), qsizetype(name.size())));
}

std::string WindowFormFields::text(std::string_view name) const { return field(name)->text().toStdString(); }

void WindowFormFields::setText(std::string_view name, const std::string& text) {
    field(name)->setText(QString::fromStdString(text));
}

void WindowFormFields::focusAndSelect(std::string_view name) {
    QLineEdit* f = field(name);
    f->setFocus(Qt::OtherFocusReason);
    f->selectAll();
}

void WindowFormFields::warn(const std::string& message) { showWarning(window_, QString::fromStdString(message)); }

}  // namespace ui
