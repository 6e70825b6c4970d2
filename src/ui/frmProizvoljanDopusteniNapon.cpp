#include "ui/frmProizvoljanDopusteniNapon.h"

#include <QGroupBox>
#include <QPushButton>

#include "catalogues/AllowableStressTable.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Twips.h"

namespace ui {
namespace {

using core::Field;

// In tab order; Gbdo above Gbzo on the left, Gbdbes above Gbzbes on the right.
const struct {
    const char* name;
    const char* caption;
    Field main;
    int left, top;
} kFields[] = {
    {"txtGbd0Proizvoljno", "Gbdo=", Field::Gbd0, 120, 360},
    {"txtGbdBesProizvoljno", "Gbdbes=", Field::Gbdbes, 2520, 360},
    {"txtGbz0Proizvoljno", "Gbzo=", Field::Gbz0, 120, 840},
    {"txtGbzBesProizvoljno", "Gbzbes=", Field::Gbzbes, 2520, 840},
};

}  // namespace

frmProizvoljanDopusteniNapon::frmProizvoljanDopusteniNapon(core::MainFields& fields, QWidget* parent)
    : CustomValuesWindow(fields, parent, "frmProizvoljanDopusteniNapon", "Dopusteni napon", 5040, 2160) {
    const QFont font = uiFont(8.25);
    QGroupBox* frame =
        addFrame(this, "fraBeton", "Dopusteni napon u betonu", twipsRect(120, 60, 4800, 1380), uiFont(8.25, true));
    QWidget* previous = nullptr;
    for (const auto& f : kFields) {
        addLabel(frame, nullptr, f.caption, twipsRect(f.left, f.top + 45, 780, 285), font);
        TypedField* field = addCopiedField(frame, f.name, f.main, twipsRect(f.left + 780, f.top, 840, 360));
        addLabel(frame, nullptr, "[MPa]", twipsRect(f.left + 1650, f.top + 45, 540, 285), font);
        if (previous) setTabOrder(previous, field);
        previous = field;
    }
    connect(addButton(this, "cmdURedu", "U redu", twipsRect(2340, 1620, 1215, 375), font), &QPushButton::clicked, this,
            &frmProizvoljanDopusteniNapon::uRedu);
    connect(addButton(this, "cmdOdustani", "Odustani", twipsRect(3705, 1620, 1215, 375), font), &QPushButton::clicked,
            this, &QDialog::reject);
}

void frmProizvoljanDopusteniNapon::uRedu() {
    if (const auto refusal = catalogues::KontrolaProizvoljnogNapona(text(Field::Gbd0), text(Field::Gbdbes))) {
        refuse(*refusal);
        return;
    }
    writeBack();
    accept();
}

}  // namespace ui
