#include "ui/frmKontrolaNapona.h"

#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "core/EdgeStresses.h"
#include "core/NumberText.h"
#include "reports/Reports.h"
#include "ui/ClickableLabel.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/ResultList.h"
#include "ui/Twips.h"

namespace ui {
namespace {

QString text(const std::string& s) { return QString::fromStdString(s); }

QString roundedForce(double N) { return text(core::roundedText(N, 2)); }

}  // namespace

frmKontrolaNapona::frmKontrolaNapona(core::MainFields& fields, QWidget* parent)
    : ReportWindow(fields, parent, "frmKontrolaNapona", "Kontrola napona", 5205, 3510, "Snimanje kontrole napona",
                   "Kontrola napona") {
    const QFont font = uiFont(12);
    list_ = new ResultList(this, "lstRezultatiProracunaZaNapon", {"REZULTATI PRORACUNA", "DOPUSTENI NAPON"});
    list_->setGeometry(twipsRect(0, 0, 5160, 1455));
    list_->setColumnWidth(0, px(2580));
    list_->setColumnWidth(1, px(2580));

    QGroupBox* force = addFrame(this, "Frame2", "Sila PN", twipsRect(0, 1530, 2565, 1395), font);
    connect(addClickableLabel(force, "Label8", "Nk0=", twipsRect(60, 360, 615, 315), font,
                              "Granice sile prethodnog naprezanja"),
            &ClickableLabel::clicked, this, &frmKontrolaNapona::showForceLimits);
    force_ = addTypedField(force, "txtNk0", NumberKind::Decimal, 7, twipsRect(870, 337, 1185, 420), font);
    addLabel(force, "Label1", "[kN]", twipsRect(2100, 360, 405, 315), font);
    addLabel(force, "Label2", "Nkbes=", twipsRect(60, 900, 915, 315), font);
    serviceForce_ = addShownField(force, "txtNkbes", twipsRect(870, 840, 1185, 420), font);
    addLabel(force, "Label5", "[kN]", twipsRect(2100, 900, 405, 315), font);

    QGroupBox* cable = addFrame(this, "Frame1", "Ekscentricitet kablova", twipsRect(2580, 1530, 2580, 825), font);
    addLabel(cable, "Label4", "ek=", twipsRect(90, 353, 615, 315), font);
    eccentricity_ = addShownField(cable, "txtEkscentricitetKablova", twipsRect(690, 330, 1185, 360), font);
    addLabel(cable, "Label3", "[cm]", twipsRect(1920, 330, 495, 315), font);

    QPushButton* snimi = addButton(this, "cmdSnimi", "Snimi", twipsRect(2700, 2430, 1150, 480), font);
    proracun_ = addButton(this, "cmdProracun", "Proracun", twipsRect(4005, 2430, 1150, 480), font);
    QPushButton* uRedu = addButton(this, "cmdURedu", "U redu", twipsRect(4005, 2970, 1150, 480), font);
    status_ = addLabel(this, "Label6", "", twipsRect(45, 3090, 3885, 240), uiFont(8));
    connect(snimi, &QPushButton::clicked, this, &frmKontrolaNapona::save);
    connect(proracun_, &QPushButton::clicked, this, &frmKontrolaNapona::recheck);
    connect(uRedu, &QPushButton::clicked, this, &QDialog::accept);

    openingComputation();
    force_->setFocus();
}

void frmKontrolaNapona::openingComputation() {
    eccentricity_->setText(text(fields_.text(core::Field::Ek)));
    const core::StartingStressCheck start = core::startingStressCheck(core::readDesignValues(fields_));
    force_->setText(text(start.forceText));
    serviceForce_->setText(roundedForce(start.stresses.Nkbes));
    fillList(start.stresses);
    if (start.exceeded) showStressesExceeded(8);
}

void frmKontrolaNapona::fillList(const core::EdgeStresses& stresses) {
    QList<QStringList> rows;
    for (const reports::StressRow& row : reports::stressRows(fields_, stresses)) {
        rows << QStringList{text(row.stress), text(row.allowable)};
    }
    list_->setRows(rows);
}

void frmKontrolaNapona::recheck() {
    const core::StressRecheck r = core::recheckStresses(core::readDesignValues(fields_), force_->text().toStdString());
    if (r.check != core::Nk0Check::Admissible) {
        refuseForce(r.resetText);
        return;
    }
    serviceForce_->setText(roundedForce(r.stresses.Nkbes));
    fillList(r.stresses);
}

void frmKontrolaNapona::showForceLimits() {
    const core::ForceBounds bounds = core::computeForceBounds(core::readDesignValues(fields_));
    QMessageBox::information(this, "Sila prethodnog naprezanja", text(reports::forceLimitsMessage(bounds)));
}

std::string frmKontrolaNapona::fileText() const {
    std::vector<reports::StressRow> rows;
    const QStringList stresses = list_->rowTexts(0);
    const QStringList allowable = list_->rowTexts(1);
    for (int i = 0; i < stresses.size(); ++i) rows.push_back({stresses[i].toStdString(), allowable[i].toStdString()});
    return reports::textFile(reports::stressFileLines(rows));
}

}  // namespace ui
