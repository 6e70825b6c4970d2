#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include "ui/TypedField.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFont;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// The controls every window is built from: each takes its parent, its
// objectName (nullptr for a control nothing refers to), its caption if it has
// one, its geometry (twipsRect) and its font, in that order.

namespace ui {

class ClickableLabel;

QGroupBox* addFrame(QWidget* parent, const char* name, const QString& caption, QRect geometry, const QFont& font);

QLabel* addLabel(QWidget* parent, const char* name, const QString& caption, QRect geometry, const QFont& font,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

// A label that opens a message on a click, the message named by its tooltip.
ClickableLabel* addClickableLabel(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                                  const QFont& font, const QString& toolTip);

// A field the program fills: right-aligned, shown only (below).
QLineEdit* addShownField(QWidget* parent, const char* name, QRect geometry, const QFont& font);

// A read-only cell of a table, its text centred.
QLineEdit* addCell(QWidget* parent, const QString& name, const QString& text, QRect geometry, const QFont& font);

// A field the user reads and never edits: greyed and never focused, but its
// text as dark as in a field the user types into, in every window alike.
void makeShownOnly(QLineEdit* field);

TypedField* addTypedField(QWidget* parent, const char* name, NumberKind kind, int typingLimit, QRect geometry,
                          const QFont& font);

// An option without a caption, one of its group's choices.
QRadioButton* addOption(QWidget* parent, const QString& name, QRect geometry, QButtonGroup* group);

// Selecting an option from code acts as a click, as a click by the user:
// the option's handler runs, unless the option was selected already.
void selectOption(QRadioButton* option);

// A check box without a caption.
QCheckBox* addCheckBox(QWidget* parent, const char* name, QRect geometry);

// A check box with its caption on the right; clicking the caption toggles it too.
QCheckBox* addCheckBox(QWidget* parent, const char* name, const QString& caption, QRect geometry, const QFont& font);

// A list to choose one item from; the user cannot type another.
QComboBox* addComboBox(QWidget* parent, const char* name, const QStringList& items, QRect geometry, const QFont& font);

// No button of this program reacts to Enter by itself.
QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, QRect geometry, const QFont& font);

void setTextColour(QWidget* widget, const QColor& colour);

}  // namespace ui
