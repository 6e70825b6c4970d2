#include "ui/frmPoprecniPresek.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "core/SectionProperties.h"
#include "drawing/CrossSectionDrawing.h"
#include "ui/Controls.h"
#include "ui/DrawingSurface.h"
#include "ui/Fonts.h"

namespace ui {

frmPoprecniPresek::frmPoprecniPresek(core::MainFields& fields, QWidget* parent)
    : FixedDialog(parent, "frmPoprecniPresek", "Poprecni presek", 7980, 5190) {
    const QFont font = uiFont(8);
    setFont(font);

    const core::SectionDimensions s = core::readDesignValues(fields).section;
    const core::SectionProperties p = core::computeSectionProperties(s);

    auto* surface = new DrawingSurface(this, "pctPoprecniPresek", twipsRect(105, 105, 5000, 5000));
    surface->setDrawing(drawing::crossSectionDrawing(s));

    const struct {
        const char* caption;
        const char* field;
        const char* unit;
        int labelTop, fieldTop, unitTop;
        double value;
    } rows[] = {
        {"Ib=", "txtIb", "[cm4]", 210, 105, 180, p.Ib},
        {"Fb=", "txtPovrsinaPoprecnogPreseka", "[cm2]", 735, 630, 705, p.A},
        {"yb1=", "txtYb1", "[cm]", 1260, 1155, 1230, p.yb1},
        {"yb2=", "txtYb2", "[cm]", 1785, 1680, 1755, p.yb2},
        {"Wb1=", "txtWb1", "[cm3]", 2310, 2205, 2280, p.Wb1},
        {"Wb2=", "txtWb2", "[cm3]", 2835, 2730, 2805, p.Wb2},
        {"Kb1=", "txtKb1", "[cm]", 3360, 3255, 3330, p.kb1},
        {"Kb2=", "txtKb2", "[cm]", 3885, 3780, 3855, p.kb2},
    };
    for (const auto& row : rows) {
        addLabel(this, nullptr, row.caption, twipsRect(5145, row.labelTop, 540, 255), font,
                 Qt::AlignRight | Qt::AlignVCenter);
        QLineEdit* field = addShownField(this, row.field, twipsRect(5715, row.fieldTop, 1695, 420), font);
        field->setText(QString::fromStdString(core::displayText(row.value)));
        addLabel(this, nullptr, row.unit, twipsRect(7440, row.unitTop, 510, 255), font);
    }

    QPushButton* uRedu = addButton(this, "cmdURedu", "U redu", twipsRect(6735, 4620, 1150, 480), font);
    connect(uRedu, &QPushButton::clicked, this, &QDialog::accept);

    if (QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
}

}  // namespace ui
