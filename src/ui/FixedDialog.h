#pragma once

#include <QDialog>
#include <QKeyEvent>

#include "ui/DialogFrame.h"

namespace ui {

// A modal window of fixed size, its client area given in twips, centred.
// Escape does not close it: only its own buttons and the close box do.
class FixedDialog : public QDialog {
public:
    FixedDialog(QWidget* parent, const char* name, const char* caption, int widthTwips, int heightTwips)
        : QDialog(parent) {
        setUpFixedDialog(this, name, caption, widthTwips, heightTwips);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape) return;
        QDialog::keyPressEvent(event);
    }
};

}  // namespace ui
