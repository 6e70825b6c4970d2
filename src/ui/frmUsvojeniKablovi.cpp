#include "ui/frmUsvojeniKablovi.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "core/CableCount.h"
#include "core/NumberText.h"
#include "reports/CablesText.h"
#include "ui/Controls.h"
#include "ui/DesignFile.h"
#include "ui/Fonts.h"
#include "ui/Messages.h"
#include "ui/Twips.h"
#include "ui/TypedField.h"

namespace ui {
namespace {

// As many digits as the largest count a design file keeps.
const int kCountDigits = static_cast<int>(QString::number(kAdoptedCablesMax).size());
const QString kCountRefused = QStringLiteral("Broj kablova mora biti ceo broj veci od nule !");

QString text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

frmUsvojeniKablovi::frmUsvojeniKablovi(const core::MainFields& fields, std::optional<int> adopted, QWidget* parent)
    : FixedDialog(parent, "frmUsvojeniKablovi", "Usvojeni broj kablova", 6120, 4095) {
    const core::DesignValues v = core::readDesignValues(fields);
    bounds_ = core::computeForceBounds(v);
    Zk0_ = core::Zk0(v.cable.Fk, v.cable.Gk0);
    const core::WholeCableAdoption smallest = core::adoptWholeCables(bounds_, Zk0_);
    if (smallest.count) smallestText_ = text(core::numberToText(*smallest.count));

    const QFont font = uiFont(9.75);
    QGroupBox* count = addFrame(this, "fraBrojKablova", "Usvojeni broj kablova", twipsRect(120, 60, 5880, 1290), font);
    addLabel(count, nullptr, "Broj kablova n=", twipsRect(120, 405, 2400, 285), font);
    count_ = addTypedField(count, "txtUsvojeniBrojKablova", NumberKind::Whole, kCountDigits,
                           twipsRect(2580, 360, 900, 360), font);
    addLabel(count, nullptr, "[komada]", twipsRect(3540, 405, 900, 285), font);
    smallest_ = addCheckBox(count, "chkNajmanjiDopusteni", "najmanji dopusteni", twipsRect(2580, 810, 3000, 315), font);

    QGroupBox* force = addFrame(this, "fraSila", "Sila usvojenih kablova", twipsRect(120, 1440, 5880, 1680), font);
    const struct {
        const char* caption;
        const char* name;
        const char* unit;
        int top;
    } rows[] = {{"Pocetna sila u jednom kablu Zko=", "txtSilaUJednomKablu", "[kN]", 360},
                {"Sila kablova Nk0=n*Zko=", "txtSilaUsvojenihKablova", "[kN]", 780},
                {"Dopusteni broj kablova:", "txtDopusteniBrojKablova", "", 1200}};
    QLineEdit* shown[3];
    for (int i = 0; i < 3; ++i) {
        addLabel(force, nullptr, rows[i].caption, twipsRect(120, rows[i].top + 45, 3000, 285), font);
        shown[i] = addShownField(force, rows[i].name, twipsRect(3180, rows[i].top, 1560, 360), font);
        addLabel(force, nullptr, rows[i].unit, twipsRect(4800, rows[i].top + 45, 600, 285), font);
    }
    shown[0]->setText(text(core::roundedText(Zk0_, 2)));
    force_ = shown[1];
    range_ = shown[2];
    range_->setText(text(reports::cableRangeText(smallest.admissible)));
    verdict_ = addLabel(this, "lblOcena", "", twipsRect(120, 3225, 5880, 285), font);

    auto* ok = addButton(this, "cmdURedu", "U redu", twipsRect(3120, 3600, 1380, 375), font);
    auto* cancel = addButton(this, "cmdOdustani", "Odustani", twipsRect(4620, 3600, 1380, 375), font);
    connect(ok, &QPushButton::clicked, this, &frmUsvojeniKablovi::uRedu);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    smallest_->setChecked(!adopted);
    count_->setText(adopted ? QString::number(*adopted) : smallestText_);
    count_->setEnabled(adopted.has_value());
    connect(count_, &QLineEdit::textChanged, this, &frmUsvojeniKablovi::showAdoption);
    connect(smallest_, &QCheckBox::toggled, this, &frmUsvojeniKablovi::followSmallest);
    setTabOrder(count_, smallest_);
    showAdoption();
    (adopted ? static_cast<QWidget*>(count_) : smallest_)->setFocus();
}

std::optional<int> frmUsvojeniKablovi::typedCount() const {
    const double n = core::numericValue(count_->text().toStdString());
    if (n < 1) return std::nullopt;
    return static_cast<int>(n);
}

std::optional<int> frmUsvojeniKablovi::adopted() const {
    return smallest_->isChecked() ? std::nullopt : typedCount();
}

// Following the design shows its smallest admissible count; a count of one's
// own starts from the one shown.
void frmUsvojeniKablovi::followSmallest(bool follow) {
    count_->setEnabled(!follow);
    if (follow) {
        count_->setText(smallestText_);
        return;
    }
    if (count_->text().isEmpty()) count_->setText("1");
    count_->setFocus();
}

void frmUsvojeniKablovi::showAdoption() {
    const bool follow = smallest_->isChecked();
    if (!follow && !typedCount()) {
        force_->clear();
        verdict_->setText(kCountRefused);
        setTextColour(verdict_, Qt::red);
        return;
    }
    const core::WholeCableAdoption a = core::adoptWholeCables(bounds_, Zk0_, follow ? std::nullopt : typedCount());
    force_->setText(a.count ? text(core::roundedText(a.force, 2)) : text(std::string(core::kUndefinedText)));
    verdict_->setText(text(reports::cableForceVerdict(bounds_, a)));
    const bool admissible = a.count && a.check == core::Nk0Check::Admissible;
    setTextColour(verdict_, admissible ? palette().color(QPalette::WindowText) : QColor(Qt::red));
}

void frmUsvojeniKablovi::uRedu() {
    if (!smallest_->isChecked() && !typedCount()) {
        showWarning(this, kCountRefused);
        count_->setFocus();
        return;
    }
    accept();
}

}  // namespace ui
