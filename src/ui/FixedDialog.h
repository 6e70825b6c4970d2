#pragma once

#include <QDialog>
#include <QKeyEvent>

#include "ui/Twips.h"

namespace ui {

// A modal window of fixed size, its client area given in twips. Escape does
// not close it: only its own buttons and the close box do.
class FixedDialog : public QDialog {
public:
    FixedDialog(QWidget* parent, const char* name, const QString& caption, int widthTwips, int heightTwips)
        : QDialog(parent) {
        setObjectName(name);
        setWindowTitle(caption);
        setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
        setFixedSize(px(widthTwips), px(heightTwips));
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape) return;
        QDialog::keyPressEvent(event);
    }
};

}  // namespace ui
