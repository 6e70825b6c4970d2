#include "ui/Controls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include "ui/ClickableLabel.h"

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
    if (name) box->setObjectName(name);
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

ClickableLabel* addClickableLabel(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                                  const QFont& font, const QString& toolTip) {
    auto* label = new ClickableLabel(caption, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setGeometry(geometry);
    label->setToolTip(toolTip);
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

QLineEdit* addCell(QWidget* parent, const QString& name, const QString& text, QRect geometry, const QFont& font) {
    auto* cell = new QLineEdit(text, parent);
    cell->setObjectName(name);
    cell->setFont(font);
    cell->setGeometry(geometry);
    cell->setAlignment(Qt::AlignCenter);
    makeShownOnly(cell);
    return cell;
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

QRadioButton* addOption(QWidget* parent, const QString& name, QRect geometry, QButtonGroup* group) {
    auto* option = new QRadioButton(parent);
    option->setObjectName(name);
    option->setGeometry(geometry);
    group->addButton(option);
    return option;
}

void selectOption(QRadioButton* option) {
    if (!option->isChecked()) option->click();
}

QCheckBox* addCheckBox(QWidget* parent, const char* name, QRect geometry) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    return box;
}

QCheckBox* addCheckBox(QWidget* parent, const char* name, const QString& caption, QRect geometry, const QFont& font) {
    QCheckBox* box = addCheckBox(parent, name, geometry);
    box->setText(caption);
    box->setFont(font);
    return box;
}

QComboBox* addComboBox(QWidget* parent, const char* name, const QStringList& items, QRect geometry, const QFont& font) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setFont(font);
    box->setGeometry(geometry);
    box->addItems(items);
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
