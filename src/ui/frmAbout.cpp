#include "ui/frmAbout.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "ui/Fonts.h"
#include "ui/Messages.h"
#include "ui/Twips.h"

namespace ui {
namespace {

constexpr const char* kTitle = "Proracun sile prethodnog naprezanja.";

QLabel* label(QWidget* parent, const char* name, QRect geometry) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setGeometry(geometry);
    l->setWordWrap(true);
    return l;
}

// The largest bold size up to `largest` points at which the wrapped title fits
// its label: what a size needs depends on the fonts installed and on the
// screen's scaling, so it is measured rather than fixed.
void fitTitleFont(QLabel* title, double largest) {
    for (double size = largest; size > 6; size -= 0.25) {
        title->setFont(uiFont(size, true));
        if (title->heightForWidth(title->width()) <= title->height()) return;
    }
}

QPushButton* button(QWidget* parent, const char* name, const char* caption, QRect geometry) {
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(name);
    b->setGeometry(geometry);
    return b;
}

}  // namespace

frmAbout::frmAbout(QWidget* parent) : FixedDialog(parent, "frmAbout", "O programu", 4995, 2250) {
    auto* icon = label(this, "picIcon", twipsRect(240, 240, 540, 540));
    icon->setPixmap(windowIcon().pixmap(px(540), px(540)));

    QLabel* title = label(this, "lblTitle", twipsRect(1050, 240, 3885, 480));
    title->setText(kTitle);
    fitTitleFont(title, 12);
    label(this, "lblVersion", twipsRect(1050, 780, 3885, 225))
        ->setText(QStringLiteral("Version %1.%2.%3").arg(PREDNAPREZANJE_VERSION_MAJOR).arg(PREDNAPREZANJE_VERSION_MINOR)
                      .arg(PREDNAPREZANJE_VERSION_PATCH));

    auto* separator = new QFrame(this);
    separator->setObjectName("Line1");
    separator->setGeometry(QRect(px(90), px(1230), px(4905) - px(90), 1));
    separator->setStyleSheet("background-color: rgb(128, 128, 128);");

    label(this, "lblDisclaimer", twipsRect(255, 1365, 3240, 780))
        ->setText("Rezultate proracuna pre upotrebe u projektu proverava odgovorni projektant.");

    QPushButton* ok = button(this, "cmdOK", "OK", twipsRect(3660, 1365, 1260, 345));
    ok->setDefault(true);
    setCancelButton(ok);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    QPushButton* sysInfo = button(this, "cmdSysInfo", "&System Info...", twipsRect(3675, 1815, 1245, 345));
    sysInfo->setAutoDefault(false);
    connect(sysInfo, &QPushButton::clicked, this, &frmAbout::showSystemInfo);
}

// There is no registry to name a system information tool on this platform.
void frmAbout::showSystemInfo() { showPlain(this, kTitle, "System Information Is Unavailable At This Time"); }

}  // namespace ui
