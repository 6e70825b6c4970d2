#pragma once

class QLineEdit;
class QString;
class QWidget;

// The program's message boxes, all modal.

namespace ui {

// Critical icon, one OK button, title "Upozorenje !".
void showWarning(QWidget* parent, const QString& text);

// The warning of a refused field, then the field focused with its whole text
// selected, so the user types the value again there.
void refuseField(QWidget* parent, QLineEdit* field, const QString& text);

// Question icon, Yes and No; true for Yes. Enter answers the default button.
enum class DefaultAnswer { Yes, No };
bool askYesNo(QWidget* parent, const QString& title, const QString& text, DefaultAnswer answer = DefaultAnswer::Yes);

// Question icon, Yes, No and Cancel; Yes by default.
enum class Answer { Yes, No, Cancel };
Answer askYesNoCancel(QWidget* parent, const QString& title, const QString& text);

// No icon, one OK button.
void showPlain(QWidget* parent, const QString& title, const QString& text);

void beep();

}  // namespace ui
