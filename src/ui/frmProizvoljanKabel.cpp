#include "ui/frmProizvoljanKabel.h"

#include <QGroupBox>
#include <QPushButton>

#include "catalogues/CableCatalogue.h"
#include "core/NumberText.h"
#include "core/SectionProperties.h"
#include "ui/ClickableLabel.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Messages.h"
#include "ui/Twips.h"
#include "ui/frmVrstaKablova.h"

namespace ui {

using core::Field;

frmProizvoljanKabel::frmProizvoljanKabel(core::MainFields& fields, QWidget* parent)
    : CustomValuesWindow(fields, parent, "frmProizvoljanKabel", "Karakteristike kabla", 4560, 2100) {
    const QFont font = uiFont(8.25);
    const QFont bold = uiFont(8.25, true);
    QGroupBox* cable =
        addFrame(this, "fraKvalitetCelika", "Karakteristike prizvoljnog kabla", twipsRect(120, 60, 4320, 900), bold);
    addLabel(cable, nullptr, "Fk=", twipsRect(120, 405, 420, 285), font);
    TypedField* fk = addCopiedField(cable, "txtFkProizvoljno", Field::Fk, twipsRect(540, 360, 840, 360));
    addLabel(cable, nullptr, "[cm2]", twipsRect(1410, 405, 540, 285), font);
    addLabel(cable, nullptr, "Gko=", twipsRect(2160, 405, 480, 285), font);
    TypedField* gk0 = addCopiedField(cable, "txtGk0Proizvoljno", Field::Gk0, twipsRect(2640, 360, 840, 360));
    addLabel(cable, nullptr, "[MPa]", twipsRect(3510, 405, 600, 285), font);

    QGroupBox* eccentricity = addFrame(this, nullptr, "Eksentricitet kablova", twipsRect(120, 1020, 2400, 900), bold);
    connect(addClickableLabel(eccentricity, "Label1", "ek=", twipsRect(120, 405, 420, 285), font,
                              "Klikni za detaljnije informacije"),
            &ClickableLabel::clicked, this, [this] { showEccentricityAdvice(this); });
    TypedField* ek =
        addCopiedField(eccentricity, "txtEkscentricitetKablovaProizvoljno", Field::Ek, twipsRect(540, 360, 1020, 360));
    addLabel(eccentricity, nullptr, "[cm]", twipsRect(1620, 405, 480, 285), font);

    setTabOrder(fk, gk0);
    setTabOrder(gk0, ek);
    connect(addButton(this, "cmdURedu", "U redu", twipsRect(3000, 1140, 1440, 375), font), &QPushButton::clicked, this,
            &frmProizvoljanKabel::uRedu);
    connect(addButton(this, "cmdOdustani", "Odustani", twipsRect(3000, 1620, 1440, 375), font), &QPushButton::clicked,
            this, &QDialog::reject);
}

void frmProizvoljanKabel::uRedu() {
    if (const auto refusal = catalogues::KontrolaProizvoljnogKabla(text(Field::Fk), text(Field::Gk0))) {
        refuse(*refusal);
        return;
    }
    const double ek = core::numericValue(text(Field::Ek));
    if (core::eccentricityExceedsYb1(ek, core::readDesignValues(fields_).section)) {
        // The custom window proposes no value: the field starts again from 0.
        refuse({catalogues::kEccentricityRefused, Field::Ek}, "0");
        return;
    }
    // The cable window comes back, loaded afresh, behind the custom cable.
    frmVrstaKablova::refresh(fields_, parentWidget());
    writeBack();
    accept();
}

}  // namespace ui
