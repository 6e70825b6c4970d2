#include "ui/ReportWindow.h"

#include <QLabel>
#include <QPushButton>

#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Messages.h"
#include "ui/ResultList.h"

namespace ui {

ReportWindow::ReportWindow(core::MainFields& fields, QWidget* parent, const char* name, const char* caption,
                           int widthTwips, int heightTwips, const QString& saveTitle, const QString& proposedName)
    : FixedDialog(parent, name, caption, widthTwips, heightTwips),
      fields_(fields),
      saveDialog_(saveTitle, proposedName, ".txt (*.txt)", "txt") {}

void ReportWindow::showStressesExceeded(double statusPoints) {
    const QString exceeded = "DOPUSTENI NAPONI SU PREKORACENI !";
    const QColor red(255, 0, 0);
    list_->setRowColour(red);
    setWindowTitle(exceeded);
    status_->setText(exceeded);
    status_->setFont(uiFont(statusPoints, true));
    setTextColour(status_, red);
    makeShownOnly(force_);  // the force stays to be read
    proracun_->setEnabled(false);
}

void ReportWindow::refuseForce(const std::string& resetText) {
    showWarning(this, "Vrednost Nko izlazi van dozvoljenih granica !");
    force_->setText(QString::fromStdString(resetText));
    force_->setFocus(Qt::OtherFocusReason);
    force_->selectAll();
}

void ReportWindow::save() {
    const QString path = saveDialog_.ask(this);
    if (path.isEmpty()) return;
    writeFileSafely(this, path, QByteArray::fromStdString(fileText()));
}

}  // namespace ui
