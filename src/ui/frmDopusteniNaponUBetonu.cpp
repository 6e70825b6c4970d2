#include "ui/frmDopusteniNaponUBetonu.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "ui/Fonts.h"
#include "ui/FormParts.h"
#include "ui/Twips.h"

namespace ui {
namespace {

using catalogues::StressRow;

constexpr int kMarkLeft = 120;
constexpr int kCaptionLeft = 420;
constexpr int kCaptionWidth = 4500;
constexpr int kCellsLeft = 5000;
constexpr int kCellPitch = 780;
constexpr int kCellWidth = 720;
constexpr int kLineHeight = 285;
constexpr int kWidth = kCellsLeft + catalogues::kConcreteClassCount * kCellPitch + 60;

// Top of each table line; headings stand between the rows.
struct Line {
    int top;
    const char* heading;  // a group heading, or nullptr for a table row
    StressRow row;
};
constexpr Line kLines[] = {
    {1020, "1.PRITISAK", {}},
    {1320, "1.1. Ivicni pritisak pri eksploataciji", {}},
    {1620, nullptr, StressRow::Pritisak111},
    {1920, nullptr, StressRow::Pritisak112},
    {2220, nullptr, StressRow::Pritisak113},
    {2520, "1.2. Centricni pritisak", {}},
    {2820, nullptr, StressRow::CentricniPritisak121},
    {3120, nullptr, StressRow::CentricniPritisak122},
    {3420, "2.ZATEZANJE", {}},
    {3720, "2.1. Ivicno zatezanje u eksploataciji", {}},
    {4020, nullptr, StressRow::Zatezanje211},
    {4320, nullptr, StressRow::Zatezanje212},
    {4620, nullptr, StressRow::Zatezanje22},
};
constexpr int kButtonsTop = 5100;
constexpr int kHeight = 5640;

QRect markRect(int top) { return twipsRect(kMarkLeft, top, 255, kLineHeight); }

QRadioButton* option(QWidget* parent, const QString& name, QRect geometry, QButtonGroup* group) {
    auto* o = new QRadioButton(parent);
    o->setObjectName(name);
    o->setGeometry(geometry);
    group->addButton(o);
    return o;
}

QCheckBox* checkBox(QWidget* parent, const char* name, QRect geometry) {
    auto* c = new QCheckBox(parent);
    c->setObjectName(name);
    c->setGeometry(geometry);
    c->setEnabled(false);
    return c;
}

}  // namespace

frmDopusteniNaponUBetonu::frmDopusteniNaponUBetonu(core::MainFields& fields, QWidget* parent)
    : TableWindow(fields, parent, "frmDopusteniNaponUBetonu", "Dopusteni napon u betonu", kWidth, kHeight) {
    buildTable();
    buildButtons();
    load();
}

void frmDopusteniNaponUBetonu::buildTable() {
    const QFont boldFont = uiFont(8.25, true);
    addLabel(this, "Dopusteni naponi za MB u MPa", twipsRect(kCellsLeft, 120, 7 * kCellPitch, kLineHeight), "Label2")
        ->setAlignment(Qt::AlignCenter);
    QLabel* rowsHeader = addLabel(this, "Vrsta napona", twipsRect(kCaptionLeft, 420, kCaptionWidth, kLineHeight), "Label1");
    rowsHeader->setFont(boldFont);

    auto* classes = new QButtonGroup(this);
    for (int c = 0; c < catalogues::kConcreteClassCount; ++c) {
        const int left = kCellsLeft + c * kCellPitch;
        const QString mb = QStringLiteral("MB%1").arg(catalogues::kConcreteClasses[static_cast<size_t>(c)]);
        QLabel* header = addLabel(this, mb, twipsRect(left, 420, kCellWidth, kLineHeight),
                                  QStringLiteral("Label%1").arg(3 + c).toLatin1().constData());
        header->setFont(boldFont);
        header->setAlignment(Qt::AlignCenter);
        classOptions_[c] = option(this, "opt" + mb, twipsRect(left + kCellWidth / 2 - 105, 720, 255, kLineHeight), classes);
    }

    auto* compression = new QButtonGroup(this);
    auto* tension = new QButtonGroup(this);
    for (const Line& line : kLines) {
        if (line.heading) {
            addLabel(this, QString::fromLatin1(line.heading), twipsRect(kCaptionLeft, line.top, kCaptionWidth, kLineHeight))
                ->setFont(boldFont);
            continue;
        }
        const auto& data = catalogues::stressRow(line.row);
        addLabel(this, QString::fromLatin1(data.caption.data()),
                 twipsRect(kCaptionLeft, line.top, kCaptionWidth, kLineHeight));
        for (int c = 0; c < catalogues::kConcreteClassCount; ++c) {
            addCell(this, QString::fromStdString(catalogues::cellName(line.row, c)),
                    QString::fromLatin1(data.cells[static_cast<size_t>(c)].data()),
                    twipsRect(kCellsLeft + c * kCellPitch, line.top, kCellWidth, kLineHeight), true);
        }
        const QRect mark = markRect(line.top);
        switch (line.row) {
        case StressRow::Pritisak111:
            option(this, "optIvicniPritisak111", mark, compression);
            break;
        case StressRow::Pritisak112:
            option(this, "optIvicniPritisak112", mark, compression);
            break;
        case StressRow::CentricniPritisak121:
            option(this, "optCentricniPritisak121", mark, compression)->setEnabled(false);
            break;
        case StressRow::CentricniPritisak122:
            option(this, "optCentricniPritisak122", mark, compression)->setEnabled(false);
            break;
        case StressRow::Zatezanje211:
            option(this, "optIvicnoZatezanje211", mark, tension);
            break;
        case StressRow::Zatezanje212:
            option(this, "optIvicnoZatezanje212", mark, tension);
            break;
        case StressRow::Pritisak113:
            chkIvicniPritisak113_ = checkBox(this, "chkIvicniPritisak113", mark);
            break;
        case StressRow::Zatezanje22:
            chkIvicnoZatezanje22_ = checkBox(this, "chkIvicnoZatezanje22", mark);
            break;
        }
    }
    // Either service compression row takes its transfer value from row 1.13.
    for (StressRow row : {StressRow::Pritisak111, StressRow::Pritisak112}) {
        connect(rowOption(row), &QRadioButton::clicked, this, [this] { chkIvicniPritisak113_->setChecked(true); });
    }
}

void frmDopusteniNaponUBetonu::buildButtons() {
    const int top = kButtonsTop;
    const int right = kWidth - 120;
    connect(addButton(this, "cmdOdustani", "Odustani", twipsRect(right - 1215, top, 1215, 375)), &QPushButton::clicked,
            this, &frmDopusteniNaponUBetonu::odustani);
    connect(addButton(this, "cmdURedu", "U redu", twipsRect(right - 2550, top, 1215, 375)), &QPushButton::clicked, this,
            &frmDopusteniNaponUBetonu::uRedu);
    connect(addButton(this, "cmdProizvoljanNapon", "Proizvoljan napon", twipsRect(right - 4305, top, 1635, 375)),
            &QPushButton::clicked, this, [this] { done(CustomValues); });
}

QRadioButton* frmDopusteniNaponUBetonu::rowOption(StressRow row) const {
    switch (row) {
    case StressRow::Pritisak112:
        return findChild<QRadioButton*>("optIvicniPritisak112");
    case StressRow::Zatezanje211:
        return findChild<QRadioButton*>("optIvicnoZatezanje211");
    case StressRow::Zatezanje212:
        return findChild<QRadioButton*>("optIvicnoZatezanje212");
    default:
        return findChild<QRadioButton*>("optIvicniPritisak111");
    }
}

void frmDopusteniNaponUBetonu::load() {
    select(catalogues::StressChoice{});
    chkIvicniPritisak113_->setChecked(true);
    chkIvicnoZatezanje22_->setChecked(true);
}

catalogues::StressChoice frmDopusteniNaponUBetonu::choice() const {
    catalogues::StressChoice c;
    for (int i = 0; i < catalogues::kConcreteClassCount; ++i) {
        if (classOptions_[i]->isChecked()) {
            c.classIndex = i;
            break;
        }
    }
    c.serviceCompression =
        rowOption(StressRow::Pritisak112)->isChecked() ? StressRow::Pritisak112 : StressRow::Pritisak111;
    c.serviceTension = rowOption(StressRow::Zatezanje212)->isChecked() ? StressRow::Zatezanje212 : StressRow::Zatezanje211;
    return c;
}

void frmDopusteniNaponUBetonu::select(const catalogues::StressChoice& c) {
    selectOption(classOptions_[c.classIndex]);
    selectOption(rowOption(c.serviceCompression));
    selectOption(rowOption(c.serviceTension));
}

void frmDopusteniNaponUBetonu::uRedu() {
    catalogues::writeChosenStresses(choice(), fields_);
    accept();
}

void frmDopusteniNaponUBetonu::odustani() {
    select(catalogues::choiceMatching(choice(), fields_));
    reject();
}

}  // namespace ui
