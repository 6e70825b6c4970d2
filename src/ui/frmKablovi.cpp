#include "ui/frmKablovi.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "core/CableCount.h"
#include "core/EdgeStresses.h"
#include "core/ForceBounds.h"
#include "core/NumberText.h"
#include "reports/Reports.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/ResultList.h"
#include "ui/Twips.h"

namespace ui {
namespace {

using core::Field;

QString text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

frmKablovi::frmKablovi(core::MainFields& fields, QWidget* parent)
    : ReportWindow(fields, parent, "frmKablovi", "Proracun kablova", 8730, 5220, "Snimanje rezultata proracuna",
                   "Rezultati proracuna") {
    const QFont font = uiFont(12);
    list_ = new ResultList(this, "lstRezultatiProracunaZaKablove", {"REZULTATI PRORACUNA"});
    list_->setGeometry(twipsRect(0, 30, 8685, 3375));
    list_->setFont(uiFont(9.75));
    list_->setColumnWidth(0, px(9150));

    QGroupBox* force = addFrame(this, "Frame2", "Parametri PN", twipsRect(15, 3435, 2535, 1185), font);
    addLabel(force, "Label4", "ek=", twipsRect(240, 360, 615, 315), font);
    eccentricity_ = addShownField(force, "txtEkscentricitetKablova", twipsRect(690, 330, 1185, 360), font);
    addLabel(force, "Label3", "[cm]", twipsRect(1920, 330, 495, 315), font);
    addLabel(force, "Label8", "Nk0=", twipsRect(60, 750, 615, 315), font);
    force_ = addTypedField(force, "txtNk0", NumberKind::Decimal, 7, twipsRect(690, 750, 1185, 360), font);
    addLabel(force, "Label1", "[kN]", twipsRect(1920, 750, 495, 315), font);

    QGroupBox* cables = addFrame(this, "Frame3", "Kablovi", twipsRect(2550, 3435, 6135, 1185), font);
    addLabel(cables, "Label6", "Pocetna sila u jednom kablu Z01=", twipsRect(60, 300, 3585, 315), font);
    cableForce_ = addShownField(cables, "txtSilaUJednomKablu", twipsRect(3840, 270, 1785, 360), font);
    addLabel(cables, "Label2", "[kN]", twipsRect(5670, 270, 435, 315), font);
    addLabel(cables, "Label7", "Potreban broj kablova m=Nk0/Z01=", twipsRect(60, 750, 3765, 315), font);
    cableCount_ = addShownField(cables, "txtBrojKablova", twipsRect(3840, 720, 1785, 360), font);

    status_ = addLabel(this, "Label5", "", twipsRect(45, 4800, 5010, 270), uiFont(9.75));
    QPushButton* snimi = addButton(this, "cmdSnimi", "Snimi", twipsRect(5130, 4695, 1150, 480), font);
    proracun_ = addButton(this, "cmdProracun", "Proracun", twipsRect(6330, 4695, 1150, 480), font);
    QPushButton* uRedu = addButton(this, "cmdURedu", "U redu", twipsRect(7530, 4695, 1150, 480), font);
    connect(snimi, &QPushButton::clicked, this, &frmKablovi::save);
    connect(proracun_, &QPushButton::clicked, this, &frmKablovi::adoptTypedForce);
    connect(uRedu, &QPushButton::clicked, this, &QDialog::accept);

    setTabOrder(force_, list_);
    setTabOrder(list_, proracun_);
    setTabOrder(proracun_, uRedu);
    setTabOrder(uRedu, snimi);

    openingComputation();
    force_->setFocus();
}

void frmKablovi::openingComputation() {
    const core::DesignValues v = core::readDesignValues(fields_);
    const core::ForceBounds bounds = core::computeForceBounds(v);
    const double Zk0 = core::Zk0(v.cable.Fk, v.cable.Gk0);
    eccentricity_->setText(text(fields_.text(Field::Ek)));
    force_->setText(text(core::startingForceText(bounds)));
    cableForce_->setText(text(core::roundedText(Zk0, 2)));
    cableCount_->setText(text(core::numberToText(core::cableCount(bounds.minNko, Zk0))));
    fillList(v, bounds);

    if (core::allowableStressesExceeded(v, bounds)) showStressesExceeded(9.75);
}

void frmKablovi::fillList(const core::DesignValues& values, const core::ForceBounds& bounds) {
    QList<QStringList> rows;
    for (const std::string& row : reports::cableRows(fields_, values, bounds, force_->text().toStdString())) {
        rows << QStringList{text(row)};
    }
    list_->setRows(rows);
}

void frmKablovi::adoptTypedForce() {
    const core::DesignValues v = core::readDesignValues(fields_);
    const core::CableForceAdoption a = core::adoptCableForce(v, force_->text().toStdString());
    cableForce_->setText(text(core::roundedText(a.Zk0, 2)));
    if (a.check != core::Nk0Check::Admissible) {
        refuseForce(a.resetText);
        return;
    }
    cableCount_->setText(text(core::numberToText(a.count)));
    fillList(v, core::computeForceBounds(v));
}

std::string frmKablovi::fileText() const {
    std::vector<std::string> lines;
    for (const QString& row : list_->rowTexts(0)) lines.push_back(row.toStdString());
    return reports::textFile(lines);
}

}  // namespace ui
