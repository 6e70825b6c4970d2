#pragma once

#include <QDialog>

class QPushButton;

namespace ui {

// A fixed-size dialog with a caption and a close box only, its client area
// given in twips, centred on the screen.
void setUpFixedDialog(QDialog* dialog, const char* objectName, const char* caption, int clientWidth,
                      int clientHeight);

// The "U redu" button `cmdURedu` that closes the dialog.
QPushButton* closeButton(QDialog* dialog, QRect geometry);

}  // namespace ui
