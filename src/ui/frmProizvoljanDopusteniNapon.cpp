#include "ui/frmProizvoljanDopusteniNapon.h"

#include <QGroupBox>
#include <QPushButton>

#include "catalogues/AllowableStressTable.h"
#include "ui/Twips.h"
#include "ui/TypedField.h"

namespace ui {
namespace {

using core::Field;

// In tab order; Gbdo above Gbzo on the left, Gbdbes above Gbzbes on the right.
const struct {
    const char* name;
    const char* caption;
    int limit;
    Field main;
    int left, top;
} kFields[] = {
    {"txtGbd0Proizvoljno", "Gbdo=", 6, Field::Gbd0, 120, 360},
    {"txtGbdBesProizvoljno", "Gbdbes=", 5, Field::Gbdbes, 2520, 360},
    {"txtGbz0Proizvoljno", "Gbzo=", 6, Field::Gbz0, 120, 840},
    {"txtGbzBesProizvoljno", "Gbzbes=", 5, Field::Gbzbes, 2520, 840},
};

std::vector<CustomValuesWindow::Copied> copied() {
    std::vector<CustomValuesWindow::Copied> c;
    for (const auto& f : kFields) c.push_back({f.name, f.main});
    return c;
}

}  // namespace

frmProizvoljanDopusteniNapon::frmProizvoljanDopusteniNapon(core::MainFields& fields, QWidget* parent)
    : CustomValuesWindow(fields, parent, "frmProizvoljanDopusteniNapon", "Dopusteni napon", 5040, 2160, copied()) {
    QGroupBox* frame = addFrame(this, "fraBeton", "Dopusteni napon u betonu", twipsRect(120, 60, 4800, 1380));
    QWidget* previous = nullptr;
    for (const auto& f : kFields) {
        addLabel(frame, f.caption, twipsRect(f.left, f.top + 45, 780, 285));
        auto* field = new TypedField(NumberKind::Decimal, f.limit, frame);
        field->setObjectName(f.name);
        field->setGeometry(twipsRect(f.left + 780, f.top, 840, 360));
        addLabel(frame, "[MPa]", twipsRect(f.left + 1650, f.top + 45, 540, 285));
        if (previous) setTabOrder(previous, field);
        previous = field;
    }
    connect(addButton(this, "cmdURedu", "U redu", twipsRect(2340, 1620, 1215, 375)), &QPushButton::clicked, this,
            &frmProizvoljanDopusteniNapon::uRedu);
    connect(addButton(this, "cmdOdustani", "Odustani", twipsRect(3705, 1620, 1215, 375)), &QPushButton::clicked, this,
            &QDialog::reject);
}

void frmProizvoljanDopusteniNapon::uRedu() {
    if (!catalogues::KontrolaProizvoljnogNapona(own_)) return;
    writeBack();
    accept();
}

}  // namespace ui
