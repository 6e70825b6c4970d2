#include "ui/FixedDialog.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

#include "ui/Fonts.h"
#include "ui/Twips.h"

namespace ui {

FixedDialog::FixedDialog(QWidget* parent, const char* name, const char* caption, int widthTwips, int heightTwips)
    : QDialog(parent) {
    setObjectName(name);
    setWindowTitle(QString::fromLatin1(caption));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    setFont(uiFont(8));
    setFixedSize(px(widthTwips), px(heightTwips));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

QPushButton* FixedDialog::addCloseButton(QRect geometry) {
    auto* ok = new QPushButton("U redu", this);
    ok->setObjectName("cmdURedu");
    ok->setGeometry(geometry);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    return ok;
}

void FixedDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape) {
        QDialog::keyPressEvent(event);
        return;
    }
    if (cancelButton_) cancelButton_->click();
}

}  // namespace ui
