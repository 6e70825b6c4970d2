#include "ui/frmPoprecniPresek.h"

#include <QLabel>
#include <QLineEdit>

#include "core/NumberText.h"
#include "core/SectionProperties.h"
#include "drawing/CrossSectionDrawing.h"
#include "ui/Controls.h"
#include "ui/DrawingSurface.h"
#include "ui/Twips.h"

namespace ui {
namespace {

struct PropertyRow {
    const char* caption;
    const char* fieldName;
    const char* unit;
    double core::SectionProperties::*value;
};

// Top to bottom as the window shows them; 525 twips apart.
constexpr PropertyRow kRows[] = {
    {"Ib=", "txtIb", "[cm4]", &core::SectionProperties::Ib},
    {"Fb=", "txtPovrsinaPoprecnogPreseka", "[cm2]", &core::SectionProperties::A},
    {"yb1=", "txtYb1", "[cm]", &core::SectionProperties::yb1},
    {"yb2=", "txtYb2", "[cm]", &core::SectionProperties::yb2},
    {"Wb1=", "txtWb1", "[cm3]", &core::SectionProperties::Wb1},
    {"Wb2=", "txtWb2", "[cm3]", &core::SectionProperties::Wb2},
    {"Kb1=", "txtKb1", "[cm]", &core::SectionProperties::kb1},
    {"Kb2=", "txtKb2", "[cm]", &core::SectionProperties::kb2},
};

void addProperty(QWidget* parent, const PropertyRow& row, int index, const core::SectionProperties& p) {
    const int fieldTop = 105 + 525 * index;
    auto* caption = new QLabel(QString::fromLatin1(row.caption), parent);
    caption->setGeometry(twipsRect(5145, fieldTop + 105, 540, 255));
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* field = new QLineEdit(QString::fromStdString(core::displayText(p.*row.value)), parent);
    field->setObjectName(row.fieldName);
    field->setGeometry(twipsRect(5715, fieldTop, 1695, 420));
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    makeShownOnly(field);

    auto* unit = new QLabel(QString::fromLatin1(row.unit), parent);
    unit->setGeometry(twipsRect(7440, fieldTop + 75, 525, 255));
}

}  // namespace

frmPoprecniPresek::frmPoprecniPresek(core::MainFields& fields, QWidget* parent)
    : FixedDialog(parent, "frmPoprecniPresek", "Poprecni presek", 7980, 5190) {
    const core::DesignValues design = core::readDesignValues(fields);
    auto* surface = new DrawingSurface(this, "Poprecni presek");
    surface->setObjectName("pctPoprecniPresek");
    surface->setGeometry(twipsRect(105, 105, 5000, 5000));
    surface->setDrawing(drawing::crossSectionDrawing(design));

    const core::SectionProperties properties = core::computeSectionProperties(design.section);
    for (int i = 0; i < static_cast<int>(std::size(kRows)); ++i) addProperty(this, kRows[i], i, properties);

    addCloseButton(twipsRect(6735, 4620, 1150, 480));
}

}  // namespace ui
