#pragma once

#include <QRect>
#include <QString>

#include "ui/TypedField.h"

class QCheckBox;
class QFont;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The controls every window is built from, named and placed as its layout gives.

namespace ui {

QGroupBox* addFrame(QWidget* parent, const char* name, const QString& caption, QRect geometry, const QFont& font);

QLabel* addLabel(QWidget* parent, const char* name, const QString& caption, QRect geometry, const QFont& font,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

// A field the program fills: right-aligned, shown only (below).
QLineEdit* addShownField(QWidget* parent, const char* name, QRect geometry, const QFont& font);

// A field the user reads and never edits: greyed and never focused, but its
// text as dark as in a field the user types into, in every window alike.
void makeShownOnly(QLineEdit* field);

TypedField* addTypedField(QWidget* parent, const char* name, NumberKind kind, int typingLimit, QRect geometry,
                          const QFont& font);

// A check box with its caption on the right; clicking the caption toggles it too.
QCheckBox* addCheckBox(QWidget* parent, const char* name, const QString& caption, QRect geometry, const QFont& font);

// No button of this program reacts to Enter by itself.
QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, QRect geometry, const QFont& font);

void setTextColour(QWidget* widget, const QColor& colour);

}  // namespace ui
