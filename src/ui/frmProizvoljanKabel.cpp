#include "ui/frmProizvoljanKabel.h"

#include <QGroupBox>
#include <QPushButton>

#include "catalogues/CableCatalogue.h"
#include "core/NumberText.h"
#include "ui/ClickableLabel.h"
#include "ui/Fonts.h"
#include "ui/Twips.h"
#include "ui/TypedField.h"
#include "ui/frmVrstaKablova.h"

namespace ui {
namespace {

using core::Field;

constexpr const char* kFk = "txtFkProizvoljno";
constexpr const char* kGk0 = "txtGk0Proizvoljno";
constexpr const char* kEk = "txtEkscentricitetKablovaProizvoljno";

TypedField* typed(QWidget* parent, const char* name, int limit, QRect geometry) {
    auto* f = new TypedField(NumberKind::Decimal, limit, parent);
    f->setObjectName(name);
    f->setGeometry(geometry);
    return f;
}

}  // namespace

frmProizvoljanKabel::frmProizvoljanKabel(core::MainFields& fields, QWidget* parent)
    : CustomValuesWindow(fields, parent, "frmProizvoljanKabel", "Karakteristike kabla", 4560, 2100,
                         {{kFk, Field::Fk}, {kGk0, Field::Gk0}, {kEk, Field::Ek}}) {
    QGroupBox* cable =
        addFrame(this, "fraKvalitetCelika", "Karakteristike prizvoljnog kabla", twipsRect(120, 60, 4320, 900));
    addLabel(cable, "Fk=", twipsRect(120, 405, 420, 285));
    TypedField* fk = typed(cable, kFk, 6, twipsRect(540, 360, 840, 360));
    addLabel(cable, "[cm2]", twipsRect(1410, 405, 540, 285));
    addLabel(cable, "Gko=", twipsRect(2160, 405, 480, 285));
    TypedField* gk0 = typed(cable, kGk0, 5, twipsRect(2640, 360, 840, 360));
    addLabel(cable, "[MPa]", twipsRect(3510, 405, 600, 285));

    QGroupBox* eccentricity = addFrame(this, nullptr, "Eksentricitet kablova", twipsRect(120, 1020, 2400, 900));
    auto* label = new ClickableLabel("ek=", eccentricity);
    label->setObjectName("Label1");
    label->setFont(uiFont(8.25));
    label->setGeometry(twipsRect(120, 405, 420, 285));
    label->setToolTip("Klikni za detaljnije informacije");
    connect(label, &ClickableLabel::clicked, this, [this] { showEccentricityAdvice(this); });
    TypedField* ek = typed(eccentricity, kEk, 6, twipsRect(540, 360, 1020, 360));
    addLabel(eccentricity, "[cm]", twipsRect(1620, 405, 480, 285));

    setTabOrder(fk, gk0);
    setTabOrder(gk0, ek);
    connect(addButton(this, "cmdURedu", "U redu", twipsRect(3000, 1140, 1440, 375)), &QPushButton::clicked, this,
            &frmProizvoljanKabel::uRedu);
    connect(addButton(this, "cmdOdustani", "Odustani", twipsRect(3000, 1620, 1440, 375)), &QPushButton::clicked, this,
            &QDialog::reject);
}

void frmProizvoljanKabel::uRedu() {
    if (!catalogues::KontrolaProizvoljnogKabla(own_)) return;
    const double ek = core::numericValue(own_.text(kEk));
    if (!catalogues::eccentricityAccepted(ek, core::readDesignValues(fields_).section)) {
        own_.warn(std::string(catalogues::kEccentricityRefused));
        own_.setText(kEk, "0");
        own_.focusAndSelect(kEk);
        return;
    }
    // The cable window comes back, loaded afresh, behind the custom cable.
    basProracunKarakteristikaUsvojenogKabla(fields_, parentWidget());
    writeBack();
    accept();
}

}  // namespace ui
