#include "ui/frmDopusteniNaponUBetonu.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Twips.h"

namespace ui {
namespace {

using catalogues::StressTableRow;

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
    StressTableRow row;
};
constexpr Line kLines[] = {
    {1020, "1.PRITISAK", {}},
    {1320, "1.1. Ivicni pritisak pri eksploataciji", {}},
    {1620, nullptr, StressTableRow::Pritisak111},
    {1920, nullptr, StressTableRow::Pritisak112},
    {2220, nullptr, StressTableRow::Pritisak113},
    {2520, "1.2. Centricni pritisak", {}},
    {2820, nullptr, StressTableRow::CentricniPritisak121},
    {3120, nullptr, StressTableRow::CentricniPritisak122},
    {3420, "2.ZATEZANJE", {}},
    {3720, "2.1. Ivicno zatezanje u eksploataciji", {}},
    {4020, nullptr, StressTableRow::Zatezanje211},
    {4320, nullptr, StressTableRow::Zatezanje212},
    {4620, nullptr, StressTableRow::Zatezanje22},
};
constexpr int kButtonsTop = 5100;
constexpr int kHeight = 5640;

QRect markRect(int top) { return twipsRect(kMarkLeft, top, 255, kLineHeight); }

// A check box that only shows which row a transfer value comes from.
QCheckBox* rowMark(QWidget* parent, const char* name, QRect geometry) {
    QCheckBox* c = addCheckBox(parent, name, geometry);
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
    const QFont font = uiFont(8.25);
    const QFont boldFont = uiFont(8.25, true);
    addLabel(this, "Label2", "Dopusteni naponi za MB u MPa", twipsRect(kCellsLeft, 120, 7 * kCellPitch, kLineHeight),
             font, Qt::AlignCenter);
    addLabel(this, "Label1", "Vrsta napona", twipsRect(kCaptionLeft, 420, kCaptionWidth, kLineHeight), boldFont);

    auto* classes = new QButtonGroup(this);
    for (int c = 0; c < catalogues::kConcreteClassCount; ++c) {
        const int left = kCellsLeft + c * kCellPitch;
        const QString mb = QStringLiteral("MB%1").arg(catalogues::kConcreteClasses[static_cast<size_t>(c)]);
        addLabel(this, QStringLiteral("Label%1").arg(3 + c).toLatin1().constData(), mb,
                 twipsRect(left, 420, kCellWidth, kLineHeight), boldFont, Qt::AlignCenter);
        classOptions_[c] =
            addOption(this, "opt" + mb, twipsRect(left + kCellWidth / 2 - 105, 720, 255, kLineHeight), classes);
    }

    auto* compression = new QButtonGroup(this);
    auto* tension = new QButtonGroup(this);
    for (const Line& line : kLines) {
        if (line.heading) {
            addLabel(this, nullptr, QString::fromLatin1(line.heading),
                     twipsRect(kCaptionLeft, line.top, kCaptionWidth, kLineHeight), boldFont);
            continue;
        }
        const auto& data = catalogues::stressTableRow(line.row);
        addLabel(this, nullptr, QString::fromLatin1(data.caption.data()),
                 twipsRect(kCaptionLeft, line.top, kCaptionWidth, kLineHeight), font);
        for (int c = 0; c < catalogues::kConcreteClassCount; ++c) {
            addCell(this, QString::fromStdString(catalogues::cellName(line.row, c)),
                    QString::fromLatin1(data.cells[static_cast<size_t>(c)].data()),
                    twipsRect(kCellsLeft + c * kCellPitch, line.top, kCellWidth, kLineHeight), boldFont);
        }
        const QRect mark = markRect(line.top);
        switch (line.row) {
        case StressTableRow::Pritisak111: addOption(this, "optIvicniPritisak111", mark, compression); break;
        case StressTableRow::Pritisak112: addOption(this, "optIvicniPritisak112", mark, compression); break;
        case StressTableRow::CentricniPritisak121:
            addOption(this, "optCentricniPritisak121", mark, compression)->setEnabled(false);
            break;
        case StressTableRow::CentricniPritisak122:
            addOption(this, "optCentricniPritisak122", mark, compression)->setEnabled(false);
            break;
        case StressTableRow::Zatezanje211: addOption(this, "optIvicnoZatezanje211", mark, tension); break;
        case StressTableRow::Zatezanje212: addOption(this, "optIvicnoZatezanje212", mark, tension); break;
        case StressTableRow::Pritisak113: chkIvicniPritisak113_ = rowMark(this, "chkIvicniPritisak113", mark); break;
        case StressTableRow::Zatezanje22: chkIvicnoZatezanje22_ = rowMark(this, "chkIvicnoZatezanje22", mark); break;
        }
    }
    // Either service compression row takes its transfer value from row 1.13.
    for (StressTableRow row : {StressTableRow::Pritisak111, StressTableRow::Pritisak112}) {
        connect(rowOption(row), &QRadioButton::clicked, this, [this] { chkIvicniPritisak113_->setChecked(true); });
    }
}

void frmDopusteniNaponUBetonu::buildButtons() {
    const QFont font = uiFont(8.25);
    const int top = kButtonsTop;
    const int right = kWidth - 120;
    connect(addButton(this, "cmdOdustani", "Odustani", twipsRect(right - 1215, top, 1215, 375), font),
            &QPushButton::clicked, this, &frmDopusteniNaponUBetonu::odustani);
    connect(addButton(this, "cmdURedu", "U redu", twipsRect(right - 2550, top, 1215, 375), font), &QPushButton::clicked,
            this, &frmDopusteniNaponUBetonu::uRedu);
    connect(addButton(this, "cmdProizvoljanNapon", "Proizvoljan napon", twipsRect(right - 4305, top, 1635, 375), font),
            &QPushButton::clicked, this, [this] { done(CustomValues); });
}

QRadioButton* frmDopusteniNaponUBetonu::rowOption(StressTableRow row) const {
    switch (row) {
    case StressTableRow::Pritisak112: return findChild<QRadioButton*>("optIvicniPritisak112");
    case StressTableRow::Zatezanje211: return findChild<QRadioButton*>("optIvicnoZatezanje211");
    case StressTableRow::Zatezanje212: return findChild<QRadioButton*>("optIvicnoZatezanje212");
    default: return findChild<QRadioButton*>("optIvicniPritisak111");
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
        rowOption(StressTableRow::Pritisak112)->isChecked() ? StressTableRow::Pritisak112 : StressTableRow::Pritisak111;
    c.serviceTension = rowOption(StressTableRow::Zatezanje212)->isChecked() ? StressTableRow::Zatezanje212
                                                                            : StressTableRow::Zatezanje211;
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
