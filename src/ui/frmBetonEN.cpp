#include "ui/frmBetonEN.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "catalogues/ConcreteEN.h"
#include "catalogues/MaterialBasisCheck.h"
#include "core/NumberText.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Messages.h"
#include "ui/Twips.h"

namespace ui {
namespace {

using core::numberToText;

// Every value the windows work out is shown to four significant digits.
std::string fourDigits(double x) { return core::significantText(x, 4); }

constexpr int kWidth = 8640;
constexpr int kFrameWidth = kWidth - 240;
constexpr int kLineHeight = 300;
constexpr int kFieldHeight = 330;

// A shown value: its symbol, field and unit, four to a line.
struct Shown {
    const char* symbol;
    const char* name;
    const char* unit;
};
constexpr int kShownPitch = 2040;

// The limits' columns: formula, factor or option, the value, the text written.
constexpr int kFormulaWidth = 3540;
constexpr int kFactorLeft = 3720;
constexpr int kValueLeft = 5640;
constexpr int kWrittenLeft = 6960;
constexpr int kValueWidth = 960;

struct Limit {
    const char* formula;
    const char* value;    // the field of the unrounded limit
    const char* written;  // the field of the text "U redu" writes
};
constexpr Limit kLimits[] = {
    {"Gbdo = k6 x fck(t)   (5.10.2.2(5))", "txtGbd0Izracunato", "txtGbd0Usvojeno"},
    {"Gbzo = fctm(t)   (7.1(2))", "txtGbz0Izracunato", "txtGbz0Usvojeno"},
    {"Gbdbes = k1 x fck   (7.2(2), 7.2(3))", "txtGbdBesIzracunato", "txtGbdBesUsvojeno"},
    {"Gbzbes = fctm   (7.1(2), 7.3.2(4))", "txtGbzBesIzracunato", "txtGbzBesUsvojeno"},
};

constexpr int kConcreteTop = 120, kConcreteHeight = 1140;
constexpr int kTransferTop = kConcreteTop + kConcreteHeight + 60, kTransferHeight = 1620;
constexpr int kLimitsTop = kTransferTop + kTransferHeight + 60, kLimitsHeight = 2100;
constexpr int kButtonsTop = kLimitsTop + kLimitsHeight + 120;
constexpr int kHeight = kButtonsTop + 375 + 120;

QFont textFont() { return uiFont(8.25); }
QFont captionFont() { return uiFont(8.25, true); }

QRect shownFieldRect(int column, int top) { return twipsRect(120 + column * kShownPitch + 870, top, 690, kFieldHeight); }

// A line without a name leaves its field to the caller.
void addShownLine(QWidget* frame, int top, std::initializer_list<Shown> line) {
    int column = 0;
    for (const Shown& s : line) {
        const int left = 120 + column * kShownPitch;
        addLabel(frame, nullptr, s.symbol, twipsRect(left - 90, top + 15, 900, kLineHeight), textFont(),
                 Qt::AlignRight | Qt::AlignVCenter);
        if (s.name) addShownField(frame, s.name, shownFieldRect(column, top), textFont());
        addLabel(frame, nullptr, s.unit, twipsRect(left + 1590, top + 15, 450, kLineHeight), textFont());
        ++column;
    }
}

QRect zeroRect(int top) { return twipsRect(kFactorLeft, top + 15, 1860, kLineHeight); }

TypedField* addFactor(QWidget* frame, const char* symbol, const char* name, int top) {
    addLabel(frame, nullptr, symbol, twipsRect(kFactorLeft, top + 15, 420, kLineHeight), textFont());
    return addTypedField(frame, name, NumberKind::Decimal, 5, twipsRect(kFactorLeft + 420, top, 600, kFieldHeight),
                         textFont());
}

QCheckBox* addCaptionedCheckBox(QWidget* frame, const char* name, const char* caption, QRect geometry) {
    QCheckBox* box = addCheckBox(frame, name, geometry);
    box->setText(caption);
    box->setFont(textFont());
    return box;
}

}  // namespace

frmBetonEN::frmBetonEN(core::MainFields& fields, QWidget* parent)
    : TableWindow(fields, parent, "frmBetonEN", "Beton prema SRPS EN 1992-1-1", kWidth, kHeight) {
    buildConcrete();
    buildTransfer();
    buildLimits();
    buildButtons();
    setBasis(core::ConcreteENBasis{});
    connect(klasa_, &QComboBox::currentIndexChanged, this, &frmBetonEN::showValues);
    for (TypedField* typed : {starost_, fckT_, k6_, k1_}) connect(typed, &QLineEdit::textChanged, this, &frmBetonEN::showValues);
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{cement_[0], cement_[1], cement_[2], gbz0Nula_,
                                                                       gbzBesNula_}) {
        connect(b, &QAbstractButton::toggled, this, &frmBetonEN::showValues);
    }
    connect(fckTZadato_, &QCheckBox::toggled, this, [this](bool typed) {
        fckT_->setEnabled(typed);
        fckT_->setFocusPolicy(typed ? Qt::StrongFocus : Qt::NoFocus);
        showValues();
    });
    // The user who asks to type fck(t) types it next.
    connect(fckTZadato_, &QCheckBox::clicked, this, [this](bool typed) {
        if (!typed) return;
        fckT_->setFocus(Qt::OtherFocusReason);
        fckT_->selectAll();
    });
}

void frmBetonEN::buildConcrete() {
    QGroupBox* frame = addFrame(this, "fraKlasaBetona", "Klasa betona (Tablica 3.1)",
                                twipsRect(120, kConcreteTop, kFrameWidth, kConcreteHeight), captionFont());
    QStringList classes;
    for (const auto& c : eurocode::concreteClasses()) classes << QString::fromLatin1(c.name.data(), c.name.size());
    addLabel(frame, nullptr, "Klasa betona", twipsRect(120, 315, 1200, kLineHeight), textFont());
    klasa_ = addComboBox(frame, "cboKlasaBetona", classes, twipsRect(1320, 270, 1200, 360), textFont());
    addShownLine(frame, 720,
                 {{"fck=", "txtFck", "[MPa]"}, {"fcm=", "txtFcm", "[MPa]"}, {"fctm=", "txtFctm", "[MPa]"},
                  {"Ecm=", "txtEcm", "[GPa]"}});
}

void frmBetonEN::buildTransfer() {
    QGroupBox* frame = addFrame(this, "fraPrenos", "Cvrstoca pri prenosu prednaprezanja (3.1.2)",
                                twipsRect(120, kTransferTop, kFrameWidth, kTransferHeight), captionFont());
    addLabel(frame, nullptr, "Starost pri prenosu t=", twipsRect(120, 315, 1800, kLineHeight), textFont());
    starost_ = addTypedField(frame, "txtStarostPriPrenosu", NumberKind::Whole, 4,
                             twipsRect(1920, 300, 600, kFieldHeight), textFont());
    addLabel(frame, nullptr, "[dana]", twipsRect(2550, 315, 540, kLineHeight), textFont());
    addLabel(frame, nullptr, "Cement klase", twipsRect(3420, 315, 1080, kLineHeight), textFont());
    auto* group = new QButtonGroup(this);
    const char* const cements[] = {"R", "N", "S"};
    for (int i = 0; i < 3; ++i) {
        cement_[i] = addOption(frame, QString("optCement") + cements[i], twipsRect(4500 + i * 660, 315, 600, kLineHeight),
                               group);
        cement_[i]->setText(cements[i]);
        cement_[i]->setFont(textFont());
    }
    fckTZadato_ = addCaptionedCheckBox(frame, "chkFckTZadato", "fck(t) zadato", twipsRect(120, 735, 1800, kLineHeight));
    addLabel(frame, nullptr, "(za starost od 3 dana i manje fck(t) se odredjuje ispitivanjem)",
             twipsRect(1980, 735, 6000, kLineHeight), textFont());
    addShownLine(frame, 1140,
                 {{"beta_cc(t)=", "txtBetaCc", ""}, {"fcm(t)=", "txtFcmT", "[MPa]"}, {"fck(t)=", nullptr, "[MPa]"},
                  {"fctm(t)=", "txtFctmT", "[MPa]"}});
    // fck(t) is worked out from the age, or typed from tests: one field shows either.
    fckT_ = addTypedField(frame, "txtFckT", NumberKind::Decimal, 6, shownFieldRect(2, 1140), textFont());
    makeShownOnly(fckT_);
}

void frmBetonEN::buildLimits() {
    QGroupBox* frame = addFrame(this, "fraDopusteniNaponi", "Dopusteni naponi u betonu",
                                twipsRect(120, kLimitsTop, kFrameWidth, kLimitsHeight), captionFont());
    const QFont bold = uiFont(8.25, true);
    addLabel(frame, nullptr, "Granicni napon", twipsRect(120, 270, kFormulaWidth, kLineHeight), bold);
    addLabel(frame, nullptr, "Vrednost [MPa]", twipsRect(kValueLeft - 240, 270, kValueWidth + 480, kLineHeight), bold,
             Qt::AlignCenter);
    addLabel(frame, nullptr, "Upisuje se [MPa]", twipsRect(kWrittenLeft - 120, 270, kValueWidth + 480, kLineHeight),
             bold, Qt::AlignCenter);
    int top = 600;
    for (const Limit& l : kLimits) {
        addLabel(frame, nullptr, l.formula, twipsRect(120, top + 15, kFormulaWidth, kLineHeight), textFont());
        addShownField(frame, l.value, twipsRect(kValueLeft, top, kValueWidth, kFieldHeight), textFont());
        addShownField(frame, l.written, twipsRect(kWrittenLeft, top, kValueWidth, kFieldHeight), textFont());
        top += 360;
    }
    k6_ = addFactor(frame, "k6=", "txtK6", 600);
    gbz0Nula_ = addCaptionedCheckBox(frame, "chkGbz0Nula", "0 (bez zatezanja)", zeroRect(960));
    k1_ = addFactor(frame, "k1=", "txtK1", 1320);
    gbzBesNula_ = addCaptionedCheckBox(frame, "chkGbzBesNula", "0 (dekompresija)", zeroRect(1680));
}

void frmBetonEN::buildButtons() {
    addLabel(this, nullptr, "U glavni prozor se upisuju granicni naponi zaokruzeni nanize na dve decimale.",
             twipsRect(120, kButtonsTop + 45, 5760, kLineHeight), textFont());
    const int right = kWidth - 120;
    connect(addButton(this, "cmdURedu", "U redu", twipsRect(right - 2550, kButtonsTop, 1215, 375), textFont()),
            &QPushButton::clicked, this, &frmBetonEN::uRedu);
    QPushButton* odustani =
        addButton(this, "cmdOdustani", "Odustani", twipsRect(right - 1215, kButtonsTop, 1215, 375), textFont());
    connect(odustani, &QPushButton::clicked, this, &frmBetonEN::reject);
    setCancelButton(odustani);
}

core::ConcreteENBasis frmBetonEN::basis() const {
    core::ConcreteENBasis b;
    b.concreteClass = klasa_->currentText().toStdString();
    b.transferAge = static_cast<int>(core::numericValue(starost_->text().toStdString()));
    for (int i = 0; i < 3; ++i) {
        if (cement_[i]->isChecked()) b.cement = static_cast<eurocode::CementClass>(i);
    }
    if (fckTZadato_->isChecked()) b.fckT = core::numericValue(fckT_->text().toStdString());
    b.k6 = core::numericValue(k6_->text().toStdString());
    b.k1 = core::numericValue(k1_->text().toStdString());
    b.noTensionAtTransfer = gbz0Nula_->isChecked();
    b.noTensionInService = gbzBesNula_->isChecked();
    return b;
}

void frmBetonEN::setBasis(const core::ConcreteENBasis& b) {
    klasa_->setCurrentText(QString::fromStdString(b.concreteClass));
    starost_->setText(QString::fromStdString(numberToText(b.transferAge)));
    cement_[static_cast<int>(b.cement)]->setChecked(true);
    if (b.fckT) fckT_->setText(QString::fromStdString(numberToText(*b.fckT)));
    fckTZadato_->setChecked(b.fckT.has_value());
    k6_->setText(QString::fromStdString(numberToText(b.k6)));
    k1_->setText(QString::fromStdString(numberToText(b.k1)));
    gbz0Nula_->setChecked(b.noTensionAtTransfer);
    gbzBesNula_->setChecked(b.noTensionInService);
    showValues();
}

void frmBetonEN::setShown(const char* name, const std::string& text) {
    findChild<QLineEdit*>(name)->setText(QString::fromStdString(text));
}

// A value that rests on an input out of its range is left empty, so the
// window never shows a limit that "U redu" would refuse.
void frmBetonEN::showValues() {
    const core::ConcreteENBasis b = basis();
    const auto v = catalogues::concreteENValues(b);
    setShown("txtFck", fourDigits(v->fck));
    setShown("txtFcm", fourDigits(v->fcm));
    setShown("txtFctm", fourDigits(v->fctm));
    setShown("txtEcm", fourDigits(v->Ecm));

    const bool transferOk = !catalogues::transferAgeRefusal(b.transferAge, b.fckT.has_value()) &&
                            !(b.fckT && catalogues::fckTRefusal(*b.fckT, v->fck));
    auto shown = [](bool ok, double x) { return ok ? fourDigits(x) : std::string(); };
    setShown("txtBetaCc", v->beta_cc ? shown(transferOk, *v->beta_cc) : std::string());
    setShown("txtFcmT", shown(transferOk, v->fcm_t));
    if (!b.fckT) fckT_->setText(QString::fromStdString(shown(transferOk, v->fck_t)));
    setShown("txtFctmT", shown(transferOk, v->fctm_t));

    const struct {
        bool ok;
        double limit;
    } limits[] = {
        {transferOk && !catalogues::factorRefusal("k6", b.k6), v->Gbd0},
        {transferOk || b.noTensionAtTransfer, v->Gbz0},
        {!catalogues::factorRefusal("k1", b.k1), v->Gbdbes},
        {true, v->Gbzbes},
    };
    for (std::size_t i = 0; i < std::size(kLimits); ++i) {
        setShown(kLimits[i].value, shown(limits[i].ok, limits[i].limit));
        setShown(kLimits[i].written, limits[i].ok ? catalogues::limitText(limits[i].limit) : std::string());
    }
}

void frmBetonEN::showEvent(QShowEvent* e) {
    atOpening_ = basis();
    QDialog::showEvent(e);
}

void frmBetonEN::openOnDesignBasis(core::MainFields& fields, QWidget* owner) {
    if (const auto b = catalogues::heldStressBasis<core::ConcreteENBasis>(fields)) instance(fields, owner).setBasis(*b);
}

void frmBetonEN::reject() {
    setBasis(atOpening_);
    QDialog::reject();
}

void frmBetonEN::uRedu() {
    const core::ConcreteENBasis b = basis();
    const double fck = eurocode::concreteClassNamed(b.concreteClass)->fck;
    const struct {
        std::optional<std::string> refusal;
        TypedField* field;
    } checks[] = {
        {catalogues::transferAgeRefusal(b.transferAge, b.fckT.has_value()), starost_},
        {b.fckT ? catalogues::fckTRefusal(*b.fckT, fck) : std::nullopt, fckT_},
        {catalogues::factorRefusal("k6", b.k6), k6_},
        {catalogues::factorRefusal("k1", b.k1), k1_},
    };
    for (const auto& c : checks) {
        if (!c.refusal) continue;
        refuseField(this, c.field, QString::fromStdString(*c.refusal));
        return;
    }
    const catalogues::StressFieldTexts texts = catalogues::stressFieldTexts(*catalogues::concreteENValues(b));
    fields_.setText(core::Field::Gbd0, texts.Gbd0);
    fields_.setText(core::Field::Gbz0, texts.Gbz0);
    fields_.setText(core::Field::Gbdbes, texts.Gbdbes);
    fields_.setText(core::Field::Gbzbes, texts.Gbzbes);
    fields_.setStressBasis(b);
    atOpening_ = b;
    accept();
}

}  // namespace ui
