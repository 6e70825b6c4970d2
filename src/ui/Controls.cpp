#include "ui/Controls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace ui {
namespace {

// A text wider than its field would show only its end, and "nedefinisano" in
// a narrow force field would read "definisano", the opposite. Such a text is
// written smaller until it fits; a text that fits keeps the field's font.
void keepTextWhole(QLineEdit* field) {
    const QFont base = field->font();
    QObject::connect(field, &QLineEdit::textChanged, field, [field, base](const QString& text) {
        const int frame = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field);
        const int room = field->width() - 2 * frame - 4;  // the line edit keeps 2 pixels each side
        QFont font = base;
        auto tooWide = [&] { return QFontMetrics(font).horizontalAdvance(text) > room; };
        while (tooWide() && font.pointSizeF() > 6) font.setPointSizeF(font.pointSizeF() - 0.5);
        if (font != field->font()) field->setFont(font);
        if (tooWide() && !field->hasFocus()) field->setCursorPosition(0);  // then at least the start shows
    });
}

}  // namespace

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
    makeShownOnly(field);
    keepTextWhole(field);
    return field;
}

void makeShownOnly(QLineEdit* field) {
    field->setEnabled(false);
    field->setFocusPolicy(Qt::NoFocus);
    // The greyed text of a disabled field is too faint to read a value from;
    // the greyed background alone says that it cannot be edited.
    QPalette palette = field->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text, palette.color(QPalette::Active, QPalette::Text));
    field->setPalette(palette);
}

TypedField* addTypedField(QWidget* parent, const char* name, NumberKind kind, int typingLimit, QRect geometry,
                          const QFont& font) {
    auto* field = new TypedField(kind, typingLimit, parent);
    field->setObjectName(name);
    field->setFont(font);
    field->setGeometry(geometry);
    keepTextWhole(field);
    return field;
}

QCheckBox* addCheckBox(QWidget* parent, const char* name, const QString& caption, QRect geometry, const QFont& font) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setFont(font);
    box->setGeometry(geometry);
    return box;
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
