#include "ui/DefinitionWindow.h"

#include "catalogues/Refusal.h"
#include "core/FieldTexts.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Messages.h"

namespace ui {

DefinitionWindow::DefinitionWindow(core::MainFields& fields, QWidget* parent, const char* name, const char* caption,
                                   int widthTwips, int heightTwips)
    : FixedDialog(parent, name, caption, widthTwips, heightTwips), fields_(fields) {}

TypedField* CustomValuesWindow::addCopiedField(QWidget* parent, const char* name, core::Field main, QRect geometry) {
    const core::FieldTyping typing = core::fieldTyping(main);
    TypedField* field = addTypedField(parent, name, typing.kind, typing.limit, geometry, uiFont(8.25));
    copied_.emplace_back(main, field);
    return field;
}

TypedField* CustomValuesWindow::copiedField(core::Field main) const {
    for (const auto& [m, field] : copied_) {
        if (m == main) return field;
    }
    return nullptr;
}

std::string CustomValuesWindow::text(core::Field main) const { return copiedField(main)->text().toStdString(); }

void CustomValuesWindow::refuse(const catalogues::Refusal& refusal, const char* newText) {
    TypedField* field = copiedField(refusal.field);
    if (newText) field->setText(newText);
    refuseField(this, field, QString::fromLatin1(refusal.message.data(), qsizetype(refusal.message.size())));
}

void CustomValuesWindow::showEvent(QShowEvent* e) {
    for (const auto& [main, field] : copied_) field->setText(QString::fromStdString(fields_.text(main)));
    QDialog::showEvent(e);
}

void CustomValuesWindow::writeBack() {
    for (const auto& [main, field] : copied_) fields_.setText(main, field->text().toStdString());
}

}  // namespace ui
