#include "ui/frmGubici.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/Losses.h"
#include "core/NumberText.h"
#include "eurocode/Concrete.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Messages.h"
#include "ui/Twips.h"
#include "ui/TypedField.h"

namespace ui {
namespace {

using core::LossResult;
using eurocode::CementClass;
using eurocode::RelaxationClass;

// Three columns of frames, one row of label, field and unit after another.
constexpr int kColumnLeft[] = {120, 4440, 8760};
constexpr int kFrameWidth = 4200;
constexpr int kFirstRowTop = 300, kRowPitch = 390, kRowHeight = 330;
constexpr int kLabelLeft = 90, kLabelWidth = 2250;
constexpr int kFieldLeft = 2370, kFieldWidth = 1200;
constexpr int kUnitLeft = 3600, kUnitWidth = 540;
constexpr int kFrameGap = 60;
constexpr int kWidth = 13080, kHeight = 6150;
constexpr int kButtonsTop = 5580;

QFont font() { return uiFont(8.25); }

// A frame whose rows are placed one under another from the top.
class Rows {
public:
    Rows(QWidget* window, const char* caption, int column, int top, int rowCount)
        : frame_(addFrame(window, nullptr, caption,
                          twipsRect(kColumnLeft[column], top, kFrameWidth, height(rowCount)), uiFont(8.25, true))),
          bottom_(top + height(rowCount)) {}

    // The frame under this one in the same column starts here.
    int next() const { return bottom_ + kFrameGap; }

    // The label and unit of the next row; the geometry of its field.
    QRect row(const char* caption, const char* unit = "") {
        const int top = kFirstRowTop + row_++ * kRowPitch;
        addLabel(frame_, nullptr, caption, twipsRect(kLabelLeft, top, kLabelWidth, kRowHeight), font());
        addLabel(frame_, nullptr, unit, twipsRect(kUnitLeft, top, kUnitWidth, kRowHeight), font(), Qt::AlignCenter);
        return twipsRect(kFieldLeft, top, kFieldWidth, kRowHeight);
    }

    // Options with a caption each, side by side in the next row.
    void options(const char* caption, QButtonGroup* group,
                 std::initializer_list<std::pair<const char*, const char*>> named) {
        const int top = kFirstRowTop + row_++ * kRowPitch;
        addLabel(frame_, nullptr, caption, twipsRect(kLabelLeft, top, kLabelWidth, kRowHeight), font());
        int left = kFieldLeft, id = 0;
        for (const auto& [name, optionCaption] : named) {
            QRadioButton* option = addOption(frame_, name, twipsRect(left, top, 255, kRowHeight), group);
            group->setId(option, id++);
            addLabel(frame_, nullptr, optionCaption, twipsRect(left + 255, top, 300, kRowHeight), font());
            left += 510;
        }
    }

    TypedField* typed(const char* name, const char* caption, const char* unit, NumberKind kind, int limit) {
        return addTypedField(frame_, name, kind, limit, row(caption, unit), font());
    }

    QLineEdit* shown(const char* name, const char* caption, const char* unit) {
        return addShownField(frame_, name, row(caption, unit), font());
    }

    QGroupBox* frame() const { return frame_; }

private:
    static int height(int rowCount) { return kFirstRowTop + rowCount * kRowPitch + 90; }

    QGroupBox* frame_;
    int bottom_;
    int row_ = 0;
};

QStringList classNames() {
    QStringList names;
    for (const eurocode::ConcreteClass& c : eurocode::concreteClasses()) names << QString::fromLatin1(c.name);
    return names;
}

QString textOf(double value) { return QString::fromStdString(core::numberToText(value)); }

QString shownText(double value) { return QString::fromStdString(core::shownValueText(value)); }

}  // namespace

frmGubici::frmGubici(core::MainFields& fields, const core::LossInputs& start, int cables, QWidget* parent)
    : FixedDialog(parent, "frmGubici", "Gubici sile prethodnog naprezanja", kWidth, kHeight),
      fields_(fields),
      design_(core::readDesignValues(fields)),
      inputs_(start),
      cables_(cables) {
    build();
    showInputs(start, cables);
    for (TypedField* field : findChildren<TypedField*>()) {
        connect(field, &QLineEdit::textChanged, this, &frmGubici::recompute);
    }
    connect(concreteClass_, &QComboBox::currentIndexChanged, this, &frmGubici::recompute);
    connect(cement_, &QButtonGroup::idToggled, this, &frmGubici::recompute);
    connect(relaxation_, &QButtonGroup::idToggled, this, &frmGubici::recompute);
    recompute();
}

void frmGubici::build() {
    const auto decimal = NumberKind::Decimal;
    cement_ = new QButtonGroup(this);
    relaxation_ = new QButtonGroup(this);

    Rows concrete(this, "Beton (SRPS EN 1992-1-1)", 0, 60, 7);
    concreteClass_ =
        addComboBox(concrete.frame(), "cboKlasaBetona", classNames(), concrete.row("Klasa betona"), font());
    concrete.options("Klasa cementa", cement_, {{"optCementR", "R"}, {"optCementN", "N"}, {"optCementS", "S"}});
    concrete.typed("txtVlaznost", "Relativna vlaznost RH=", "[%]", decimal, 5);
    concrete.typed("txtStarostPriOpterecenju", "Starost pri opterecenju t0=", "[dana]", decimal, 5);
    shown_.push_back({concrete.shown("txtFck", "fck=", "[MPa]"), &LossResult::fck});
    shown_.push_back({concrete.shown("txtFcm", "fcm=fck+8=", "[MPa]"), &LossResult::fcm});
    shown_.push_back({concrete.shown("txtEcm", "Ecm=", "[GPa]"), &LossResult::Ecm});

    Rows steel(this, "Celik", 0, concrete.next(), 3);
    steel.typed("txtEp", "Modul elasticnosti Ep=", "[GPa]", decimal, 5);
    steel.typed("txtFpk", "Cvrstoca fpk=", "[MPa]", decimal, 6);
    steel.options("Klasa relaksacije", relaxation_, {{"optRelaksacija1", "1"}, {"optRelaksacija2", "2"}});

    Rows relaxation(this, "Relaksacija (3.3.2), t = 500000 h", 0, steel.next(), 2);
    shown_.push_back({relaxation.shown("txtMi", "mu=Gko/fpk=", ""), &LossResult::mu});
    shown_.push_back({relaxation.shown("txtDeltaSigmaPr", "Delta sigma_pr=", "[MPa]"), &LossResult::dsigma_pr});

    Rows section(this, "Presek i kablovi", 1, 60, 6);
    section.typed("txtObimSusenja", "Obim izlozen susenju u=", "[cm]", decimal, 7);
    shown_.push_back({section.shown("txtH0", "h0=2Ac/u=", "[mm]"), &LossResult::h0});
    section.typed("txtMqp", "Moment M_QP=", "[kNm]", decimal, 8);
    section.typed("txtBrojKablovaGubici", "Broj kablova n=", "", NumberKind::Whole, 3);
    shown_.push_back({section.shown("txtAp", "Ap=n x Fk=", "[cm2]"), &LossResult::Ap});
    shown_.push_back({section.shown("txtP0", "P0=n x Zko=", "[kN]"), &LossResult::P0});

    Rows loss(this, "Gubici sile, t = beskonacno (5.46)", 1, section.next(), 5);
    shown_.push_back({loss.shown("txtSigmaCQP", "sigma_c,QP=", "[MPa]"), &LossResult::sigma_c_QP});
    shown_.push_back({loss.shown("txtDeltaSigmaP", "Delta sigma_p,c+s+r=", "[MPa]"), &LossResult::dsigma_p});
    shown_.push_back({loss.shown("txtDeltaP", "Delta P=", "[kN]"), &LossResult::dP});
    QLineEdit* m = loss.shown("txtM", "m=1-Delta sigma_p/Gko=", "");
    setTextColour(m, Qt::red);
    shown_.push_back({m, &LossResult::m});
    mWritten_ = loss.shown("txtMUpisano", "m upisano (nanize)=", "");
    setTextColour(mWritten_, Qt::red);

    Rows creep(this, "Tecenje (Dodatak B), t = beskonacno", 2, 60, 5);
    shown_.push_back({creep.shown("txtFiRH", "phi_RH=", ""), &LossResult::phi_RH});
    shown_.push_back({creep.shown("txtBetaFcm", "beta(fcm)=", ""), &LossResult::beta_fcm});
    shown_.push_back({creep.shown("txtT0Cement", "t0 prema cementu=", "[dana]"), &LossResult::t0});
    shown_.push_back({creep.shown("txtBetaT0", "beta(t0)=", ""), &LossResult::beta_t0});
    shown_.push_back({creep.shown("txtFi", "phi(inf,t0)=", ""), &LossResult::phi});

    Rows shrinkage(this, "Skupljanje (3.1.4), t = beskonacno", 2, creep.next(), 6);
    shown_.push_back({shrinkage.shown("txtBetaRH", "beta_RH=", ""), &LossResult::beta_RH});
    shown_.push_back({shrinkage.shown("txtEpsCd0", "eps_cd,0=", ""), &LossResult::eps_cd0});
    shown_.push_back({shrinkage.shown("txtKh", "kh=", ""), &LossResult::kh});
    shown_.push_back({shrinkage.shown("txtEpsCdInf", "eps_cd,inf=", ""), &LossResult::eps_cd_inf});
    shown_.push_back({shrinkage.shown("txtEpsCaInf", "eps_ca,inf=", ""), &LossResult::eps_ca_inf});
    shown_.push_back({shrinkage.shown("txtEpsCs", "eps_cs=", ""), &LossResult::eps_cs});

    connect(addButton(this, "cmdURedu", "U redu", twipsRect(9000, kButtonsTop, 1800, 375), font()),
            &QPushButton::clicked, this, &frmGubici::uRedu);
    connect(addButton(this, "cmdOdustani", "Odustani", twipsRect(11040, kButtonsTop, 1800, 375), font()),
            &QPushButton::clicked, this, &QDialog::reject);
}

void frmGubici::showInputs(const core::LossInputs& in, int cables) {
    concreteClass_->setCurrentText(QString::fromStdString(in.concreteClass));
    cement_->button(static_cast<int>(in.cement))->setChecked(true);
    relaxation_->button(static_cast<int>(in.relaxation))->setChecked(true);
    auto set = [this](const char* name, double value) { findChild<TypedField*>(name)->setText(textOf(value)); };
    set("txtVlaznost", in.RH);
    set("txtStarostPriOpterecenju", in.t0);
    set("txtObimSusenja", in.u);
    set("txtMqp", core::quasiPermanentMoment(in, core::lossDesign(design_, cables)));
    set("txtBrojKablovaGubici", cables);
    set("txtEp", in.Ep);
    set("txtFpk", in.fpk);
}

std::optional<core::LossInputs> frmGubici::typedInputs() const {
    for (const TypedField* field : findChildren<TypedField*>()) {
        if (field->text().isEmpty()) return std::nullopt;
    }
    auto value = [this](const char* name) {
        return core::numericValue(findChild<TypedField*>(name)->text().toStdString());
    };
    core::LossInputs in;
    in.concreteClass = concreteClass_->currentText().toStdString();
    in.cement = static_cast<CementClass>(cement_->checkedId());
    in.RH = value("txtVlaznost");
    in.t0 = value("txtStarostPriOpterecenju");
    in.u = value("txtObimSusenja");
    // M_QP is Mg + Mp until the user types another value.
    const std::string M_QP = findChild<TypedField*>("txtMqp")->text().toStdString();
    in.M_QPTyped = M_QP != core::numberToText(design_.Mg + design_.Mp);
    if (in.M_QPTyped) in.M_QP = core::numericValue(M_QP);
    in.Ep = value("txtEp");
    in.fpk = value("txtFpk");
    in.relaxation = static_cast<RelaxationClass>(relaxation_->checkedId());
    return in;
}

double frmGubici::typedCables() const {
    return core::numericValue(findChild<TypedField*>("txtBrojKablovaGubici")->text().toStdString());
}

std::optional<core::LossResult> frmGubici::computed(const core::LossInputs& in) const {
    const core::LossDesign d = core::lossDesign(design_, typedCables());
    if (core::lossInputRefusal(in, d)) return std::nullopt;
    return core::computeLosses(in, d);
}

void frmGubici::recompute() {
    const std::optional<core::LossInputs> in = typedInputs();
    const std::optional<LossResult> r = in ? computed(*in) : std::nullopt;
    for (const auto& [field, value] : shown_) field->setText(r ? shownText((*r).*value) : QString());
    mWritten_->setText(r ? QString::fromStdString(r->mText) : QString());
}

void frmGubici::uRedu() {
    const std::optional<core::LossInputs> in = typedInputs();
    if (!in) {
        showWarning(this, "Sva polja moraju biti popunjena !");
        return;
    }
    const core::LossDesign d = core::lossDesign(design_, typedCables());
    if (const auto refusal = core::lossInputRefusal(*in, d)) {
        showWarning(this, QString::fromStdString(*refusal));
        return;
    }
    const LossResult r = core::computeLosses(*in, d);
    if (const auto refusal = core::lossResultRefusal(r)) {
        showWarning(this, QString::fromStdString(*refusal));
        return;
    }
    fields_.setText(core::Field::M, r.mText);
    inputs_ = *in;
    cables_ = static_cast<int>(d.n);
    accept();
}

}  // namespace ui
