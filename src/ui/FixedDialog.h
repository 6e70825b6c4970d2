#pragma once

#include <QDialog>

class QAbstractButton;
class QKeyEvent;
class QPushButton;

namespace ui {

// Every secondary window: modal, of fixed size with a caption and a close box
// only, its client area given in twips, the program's font, centred on the
// screen. Escape presses the window's cancel button where it names one (the
// about window's OK) and does nothing otherwise: no window closes or hides on
// Escape alone, so the table windows never skip what their "Odustani" does.
class FixedDialog : public QDialog {
public:
    FixedDialog(QWidget* parent, const char* name, const char* caption, int widthTwips, int heightTwips);

protected:
    void setCancelButton(QAbstractButton* button) { cancelButton_ = button; }
    // The "U redu" button `cmdURedu` that closes the window, pressed by Enter.
    QPushButton* addCloseButton(QRect geometry);

    void keyPressEvent(QKeyEvent* event) override;

private:
    QAbstractButton* cancelButton_ = nullptr;
};

}  // namespace ui
