#include "ui/DialogFrame.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include "ui/Fonts.h"
#include "ui/Twips.h"

namespace ui {

void setUpFixedDialog(QDialog* dialog, const char* objectName, const char* caption, int clientWidth,
                      int clientHeight) {
    dialog->setObjectName(objectName);
    dialog->setWindowTitle(QString::fromLatin1(caption));
    dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    dialog->setFont(uiFont(8));
    dialog->setFixedSize(px(clientWidth), px(clientHeight));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        dialog->move(screen->availableGeometry().center() - dialog->rect().center());
    }
}

QPushButton* closeButton(QDialog* dialog, QRect geometry) {
    auto* ok = new QPushButton("U redu", dialog);
    ok->setObjectName("cmdURedu");
    ok->setGeometry(geometry);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    return ok;
}

}  // namespace ui
