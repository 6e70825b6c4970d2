#include "ui/Controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace ui {

QGroupBox* addFrame(QWidget* parent, const char* name, const QString& caption, QRect geometry, const QFont& font) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    box->setFont(font);
    box->setGeometry(geometry);
    return box;
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& caption, QRect geometry, const QFont& font,
                 Qt::Alignment alignment) {
    auto* label = new QLabel(caption, parent);
    if (name) label->setObjectName(name);
    label->setFont(font);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    return label;
}

QLineEdit* addShownField(QWidget* parent, const char* name, QRect geometry, const QFont& font) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setFont(font);
    field->setGeometry(geometry);
    field->setAlignment(Qt::AlignRight);
    field->setEnabled(false);
    field->setFocusPolicy(Qt::NoFocus);
    return field;
}

TypedField* addTypedField(QWidget* parent, const char* name, NumberKind kind, int typingLimit, QRect geometry,
                          const QFont& font) {
    auto* field = new TypedField(kind, typingLimit, parent);
    field->setObjectName(name);
    field->setFont(font);
    field->setGeometry(geometry);
    return field;
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, QRect geometry, const QFont& font) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(font);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

}  // namespace ui
