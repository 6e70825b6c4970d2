#include "ui/frmNosivostNaSavijanje.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "core/BendingCheck.h"
#include "core/NumberText.h"
#include "eurocode/Concrete.h"
#include "reports/BendingText.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Messages.h"
#include "ui/Twips.h"

namespace ui {
namespace {

using core::BendingInput;

constexpr int kRowPitch = 420;
constexpr int kFirstRow = 330;
constexpr int kRowHeight = 345;

int rowTop(int row) { return kFirstRow + row * kRowPitch; }

QString text(const std::string& s) { return QString::fromStdString(s); }

std::optional<double> known(const QLineEdit* field) {
    if (field->text().isEmpty()) return std::nullopt;
    return core::numericValue(field->text().toStdString());
}

QString given(std::optional<double> value) {
    return value ? text(core::numberToText(*value)) : QString();
}

// The columns of a frame's rows: caption, field, unit.
struct Columns {
    int caption, field, unit, end;
};

}  // namespace

frmNosivostNaSavijanje::frmNosivostNaSavijanje(const core::DesignValues& v, const core::BendingInputs& start,
                                               std::optional<double> cables, QWidget* parent)
    : FixedDialog(parent, "frmNosivostNaSavijanje", "Granicno stanje nosivosti - savijanje", 9900, 7260), v_(v) {
    build();
    fill(start, cables);
    recompute();
}

void frmNosivostNaSavijanje::build() {
    const QFont font = uiFont(9.75);
    auto typedRow = [&](QWidget* frame, const Columns& c, int row, const char* caption, const char* name,
                        NumberKind kind, const char* unit) {
        addLabel(frame, nullptr, caption, twipsRect(c.caption, rowTop(row), c.field - c.caption, kRowHeight), font);
        TypedField* f = addTypedField(frame, name, kind, kind == NumberKind::Whole ? 3 : 10,
                                      twipsRect(c.field, rowTop(row), c.unit - c.field - 60, kRowHeight), font);
        addLabel(frame, nullptr, unit, twipsRect(c.unit, rowTop(row), c.end - c.unit, kRowHeight), font);
        connect(f, &QLineEdit::textChanged, this, &frmNosivostNaSavijanje::recompute);
        return f;
    };
    auto shownRow = [&](QWidget* frame, const Columns& c, int row, const char* caption, const char* name,
                        const char* unit) {
        addLabel(frame, nullptr, caption, twipsRect(c.caption, rowTop(row), c.field - c.caption, kRowHeight), font);
        QLineEdit* f =
            addShownField(frame, name, twipsRect(c.field, rowTop(row), c.unit - c.field - 60, kRowHeight), font);
        addLabel(frame, nullptr, unit, twipsRect(c.unit, rowTop(row), c.end - c.unit, kRowHeight), font);
        return f;
    };

    const Columns left{120, 2520, 3840, 4560};
    QGroupBox* action =
        addFrame(this, "fraUticajNosivost", "Uticaj i kablovi", twipsRect(120, 60, 4680, 2520), font);
    MEd_ = typedRow(action, left, 0, "MEd =", "txtMEd", NumberKind::Decimal, "[kNm]");
    typed_[BendingInput::Cables] =
        typedRow(action, left, 1, "Broj kablova n =", "txtBrojKablovaNosivost", NumberKind::Whole, "");
    Ap_ = shownRow(action, left, 2, "Ap = n x Fk =", "txtAp", "[cm2]");
    dp_ = shownRow(action, left, 3, "dp = yb2 + ek =", "txtDp", "[cm]");
    sigmaPmInf_ = shownRow(action, left, 4, "sigma_pm,inf = m x Gko =", "txtSigmaPmInf", "[MPa]");

    QGroupBox* concrete = addFrame(this, "fraBetonNosivost", "Beton", twipsRect(120, 2640, 4680, 2100), font);
    typed_[BendingInput::fck] = typedRow(concrete, left, 0, "fck =", "txtFck", NumberKind::Decimal, "[MPa]");
    typed_[BendingInput::alpha_cc] = typedRow(concrete, left, 1, "alpha_cc =", "txtAlfaCC", NumberKind::Decimal, "");
    typed_[BendingInput::gamma_c] = typedRow(concrete, left, 2, "gamma_c =", "txtGamaC", NumberKind::Decimal, "");
    fcd_ = shownRow(concrete, left, 3, "fcd =", "txtFcd", "[MPa]");

    const Columns right{120, 2640, 3960, 4740};
    QGroupBox* steel =
        addFrame(this, "fraCelikNosivost", "Celik za prethodno naprezanje", twipsRect(4920, 60, 4860, 3360), font);
    typed_[BendingInput::fp01k] = typedRow(steel, right, 0, "fp0.1k =", "txtFp01k", NumberKind::Decimal, "[MPa]");
    typed_[BendingInput::fpk] = typedRow(steel, right, 1, "fpk =", "txtFpk", NumberKind::Decimal, "[MPa]");
    typed_[BendingInput::gamma_s] = typedRow(steel, right, 2, "gamma_s =", "txtGamaS", NumberKind::Decimal, "");
    typed_[BendingInput::Ep] = typedRow(steel, right, 3, "Ep =", "txtEp", NumberKind::Decimal, "[GPa]");
    fpd_ = shownRow(steel, right, 4, "fpd =", "txtFpd", "[MPa]");
    auto* branches = new QButtonGroup(this);
    horizontal_ = addOption(steel, "optGranaHorizontalna", twipsRect(120, rowTop(5), 4620, kRowHeight), branches);
    horizontal_->setText("Gornja grana horizontalna, sigma_p = fpd");
    inclined_ = addOption(steel, "optGranaKosa", twipsRect(120, rowTop(6), 1620, kRowHeight), branches);
    inclined_->setText("kosa, eps_ud =");
    for (QRadioButton* o : {horizontal_, inclined_}) {
        o->setFont(font);
        connect(o, &QRadioButton::toggled, this, &frmNosivostNaSavijanje::recompute);
    }
    const QRect epsUd = twipsRect(right.field, rowTop(6), right.unit - right.field - 60, kRowHeight);
    typed_[BendingInput::eps_ud] = addTypedField(steel, "txtEpsUd", NumberKind::Decimal, 10, epsUd, font);
    connect(typed_[BendingInput::eps_ud], &QLineEdit::textChanged, this, &frmNosivostNaSavijanje::recompute);

    const Columns result{120, 1800, 3120, 3720};
    QGroupBox* resistance =
        addFrame(this, "fraNosivost", "Nosivost na savijanje", twipsRect(4920, 3480, 4860, 2940), font);
    x_ = shownRow(resistance, result, 0, "x =", "txtX", "[cm]");
    xdp_ = shownRow(resistance, result, 1, "x / dp =", "txtXDp", "");
    epsP_ = shownRow(resistance, result, 2, "eps_p =", "txtEpsP", "");
    sigmaP_ = shownRow(resistance, result, 3, "sigma_p =", "txtSigmaP", "[MPa]");
    yielding_ = addLabel(resistance, "lblTecenje", "", twipsRect(result.end, rowTop(3), 1080, kRowHeight), font);
    z_ = shownRow(resistance, result, 4, "z = dp - z_c =", "txtZ", "[cm]");
    MRd_ = shownRow(resistance, result, 5, "MRd =", "txtMRd", "[kNm]");

    verdict_ = addLabel(this, "lblNosivostVerdikt", "", twipsRect(240, 4860, 4440, 420), uiFont(12, true));
    reason_ = addLabel(this, "lblNosivostNapomena", "", twipsRect(240, 5340, 4440, 1080), font,
                       Qt::AlignLeft | Qt::AlignTop);
    reason_->setWordWrap(true);
    QLabel* note = addLabel(this, "lblMekaArmatura",
                            "Meka armatura se ne uzima u obzir, kablovi ne primaju pritisak; dilatacija dekompresije "
                            "betona u visini kabla se zanemaruje.",
                            twipsRect(240, 6480, 6000, 660), font, Qt::AlignLeft | Qt::AlignTop);
    note->setWordWrap(true);

    auto* ok = addButton(this, "cmdURedu", "U redu", twipsRect(6900, 6600, 1380, 420), font);
    auto* cancel = addButton(this, "cmdOdustani", "Odustani", twipsRect(8400, 6600, 1380, 420), font);
    connect(ok, &QPushButton::clicked, this, &frmNosivostNaSavijanje::uRedu);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    const BendingInput order[] = {BendingInput::Cables, BendingInput::fck,     BendingInput::alpha_cc,
                                  BendingInput::gamma_c, BendingInput::fp01k,  BendingInput::fpk,
                                  BendingInput::gamma_s, BendingInput::Ep,     BendingInput::eps_ud};
    QWidget* previous = MEd_;
    for (BendingInput input : order) {
        setTabOrder(previous, typed_[input]);
        previous = typed_[input];
    }
    setTabOrder(previous, ok);
    setTabOrder(ok, cancel);
}

void frmNosivostNaSavijanje::fill(const core::BendingInputs& in, std::optional<double> cables) {
    MEd_->setText(text(core::numberToText(in.MEd ? *in.MEd : core::defaultMEd(v_.Mg, v_.Mp, v_.Ms))));
    typed_[BendingInput::Cables]->setText(given(cables));
    typed_[BendingInput::fck]->setText(given(in.fck));
    typed_[BendingInput::alpha_cc]->setText(given(in.alpha_cc));
    typed_[BendingInput::gamma_c]->setText(given(in.gamma_c));
    typed_[BendingInput::fp01k]->setText(given(in.fp01k));
    typed_[BendingInput::fpk]->setText(given(in.fpk));
    typed_[BendingInput::gamma_s]->setText(given(in.gamma_s));
    typed_[BendingInput::Ep]->setText(given(in.Ep));
    typed_[BendingInput::eps_ud]->setText(given(in.eps_ud));
    (in.branch == eurocode::UpperBranch::Inclined ? inclined_ : horizontal_)->setChecked(true);
}

core::BendingInputs frmNosivostNaSavijanje::inputs() const {
    auto value = [this](BendingInput input) { return core::numericValue(typed_.at(input)->text().toStdString()); };
    core::BendingInputs in;
    // MEd that reads as the combination of the design's moments stays the
    // combination, and follows the moments when they change.
    const double MEd = core::numericValue(MEd_->text().toStdString());
    if (core::numberToText(MEd) != core::numberToText(core::defaultMEd(v_.Mg, v_.Mp, v_.Ms))) in.MEd = MEd;
    in.fck = known(typed_.at(BendingInput::fck));
    in.alpha_cc = value(BendingInput::alpha_cc);
    in.gamma_c = value(BendingInput::gamma_c);
    in.fp01k = known(typed_.at(BendingInput::fp01k));
    in.fpk = known(typed_.at(BendingInput::fpk));
    in.gamma_s = value(BendingInput::gamma_s);
    in.Ep = value(BendingInput::Ep);
    in.branch = inclined_->isChecked() ? eurocode::UpperBranch::Inclined : eurocode::UpperBranch::Horizontal;
    in.eps_ud = value(BendingInput::eps_ud);
    return in;
}

double frmNosivostNaSavijanje::cables() const {
    return core::numericValue(typed_.at(BendingInput::Cables)->text().toStdString());
}

void frmNosivostNaSavijanje::recompute() {
    typed_[BendingInput::eps_ud]->setEnabled(inclined_->isChecked());
    const core::BendingInputs in = inputs();
    const auto refusal = core::bendingRefusal(cables(), v_.cable.Fk, in);
    showResults(in, refusal.has_value());
    if (refusal) reason_->setText(text(refusal->message));
}

void frmNosivostNaSavijanje::showResults(const core::BendingInputs& in, bool refused) {
    const core::BendingCheck c = core::checkBending(v_, cables(), refused ? core::BendingInputs{} : in);
    Ap_->setText(text(core::significantText(c.Ap)));
    dp_->setText(text(core::significantText(c.dp)));
    sigmaPmInf_->setText(text(core::significantText(c.sigma_pm_inf)));
    fcd_->setText(!refused && in.fck ? text(core::significantText(eurocode::fcd(*in.fck, in.alpha_cc, in.gamma_c))) : "");
    fpd_->setText(!refused && in.fp01k ? text(core::significantText(eurocode::fpd(*in.fp01k, in.gamma_s))) : "");

    const bool computed = !refused && c.resistance && c.resistance->status == eurocode::BendingStatus::Computed;
    const eurocode::BendingResistance r = computed ? *c.resistance : eurocode::BendingResistance{};
    auto shown = [computed](double value) { return computed ? text(core::significantText(value)) : QString(); };
    x_->setText(shown(r.x));
    xdp_->setText(shown(r.x_dp));
    epsP_->setText(shown(r.eps_p));
    sigmaP_->setText(shown(r.sigma_p));
    z_->setText(shown(r.z));
    MRd_->setText(shown(r.MRd));
    yielding_->setText(!computed ? "" : r.yields ? "tecenje" : "bez tecenja");
    verdict_->setText(!computed ? "" : *c.satisfied ? "zadovoljava" : "ne zadovoljava");
    setTextColour(verdict_, computed && *c.satisfied ? QColor(Qt::darkGreen) : QColor(Qt::red));
    reason_->setText(computed || refused ? "" : text(reports::noResistanceReason(in, c)));
}

void frmNosivostNaSavijanje::uRedu() {
    const auto refusal = core::bendingRefusal(cables(), v_.cable.Fk, inputs());
    if (!refusal) {
        accept();
        return;
    }
    refuseField(this, typed_[refusal->input], text(refusal->message));
}

}  // namespace ui
