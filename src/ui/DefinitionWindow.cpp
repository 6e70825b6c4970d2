#include "ui/DefinitionWindow.h"

#include "ui/Twips.h"

namespace ui {

DefinitionWindow::DefinitionWindow(core::MainFields& fields, QWidget* parent, const char* name, const char* caption,
                                   int widthTwips, int heightTwips)
    : QDialog(parent), fields_(fields) {
    setObjectName(name);
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    setFixedSize(px(widthTwips), px(heightTwips));
}

CustomValuesWindow::CustomValuesWindow(core::MainFields& fields, QWidget* parent, const char* name,
                                       const char* caption, int widthTwips, int heightTwips,
                                       std::vector<Copied> copied)
    : DefinitionWindow(fields, parent, name, caption, widthTwips, heightTwips), own_(this), copied_(std::move(copied)) {}

void CustomValuesWindow::showEvent(QShowEvent* e) {
    for (const auto& c : copied_) own_.setText(c.name, fields_.text(c.main));
    QDialog::showEvent(e);
}

void CustomValuesWindow::writeBack() {
    for (const auto& c : copied_) fields_.setText(c.main, own_.text(c.name));
}

}  // namespace ui
