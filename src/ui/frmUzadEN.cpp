#include "ui/frmUzadEN.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "catalogues/CableCatalogue.h"
#include "catalogues/ConcreteEN.h"
#include "catalogues/MaterialBasisCheck.h"
#include "catalogues/StrandTendonEN.h"
#include "core/NumberText.h"
#include "core/SectionProperties.h"
#include "ui/ClickableLabel.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Messages.h"
#include "ui/Twips.h"
#include "ui/frmVrstaKablova.h"

namespace ui {
namespace {

using core::numberToText;

// Every value the windows work out is shown to four significant digits.
std::string fourDigits(double x) { return core::significantText(x, 4); }

constexpr int kWidth = 8700;
constexpr int kFrameWidth = kWidth - 240;
constexpr int kLineHeight = 300;
constexpr int kFieldHeight = 330;

constexpr int kStrandTop = 120, kStrandHeight = 1140;
constexpr int kStressTop = kStrandTop + kStrandHeight + 60, kStressHeight = 1530;
constexpr int kCableTop = kStressTop + kStressHeight + 60, kCableHeight = 720;
constexpr int kBottomTop = kCableTop + kCableHeight + 60, kBottomHeight = 720;
constexpr int kHeight = kBottomTop + kBottomHeight + 120;

// The lines of the stresses and the cable: a formula, then its value.
constexpr int kFormulaWidth = 6000;
constexpr int kValueLeft = 6900;

QFont textFont() { return uiFont(8.25); }
QFont captionFont() { return uiFont(8.25, true); }

QLabel* addText(QWidget* frame, const QString& caption, int left, int top, int width) {
    return addLabel(frame, nullptr, caption, twipsRect(left, top + 15, width, kLineHeight), textFont());
}

// A shown field and its unit.
void addShown(QWidget* frame, const char* name, const char* unit, int left, int top) {
    addShownField(frame, name, twipsRect(left, top, 840, kFieldHeight), textFont());
    addText(frame, unit, left + 870, top, 480);
}

TypedField* addFactor(QWidget* frame, const char* symbol, const char* name, int left, int top) {
    addText(frame, symbol, left, top, 390);
    return addTypedField(frame, name, NumberKind::Decimal, 5, twipsRect(left + 390, top, 540, kFieldHeight), textFont());
}

}  // namespace

frmUzadEN::frmUzadEN(core::MainFields& fields, QWidget* parent)
    : TableWindow(fields, parent, "frmUzadEN", "Kablovi od uzadi prema EN 10138", kWidth, kHeight) {
    buildStrand();
    buildStress();
    buildCable();
    buildEccentricity();
    buildButtons();
    setBasis(core::StrandTendonBasis{});
    connect(uze_, &QComboBox::currentIndexChanged, this, &frmUzadEN::showValues);
    for (TypedField* typed : {brojUzadi_, k7_, k8_}) connect(typed, &QLineEdit::textChanged, this, &frmUzadEN::showValues);
}

void frmUzadEN::buildStrand() {
    QGroupBox* frame =
        addFrame(this, "fraUze", "Uze (EN 10138-3)", twipsRect(120, kStrandTop, kFrameWidth, kStrandHeight), captionFont());
    QStringList names;
    for (const auto& s : eurocode::strands()) names << QString::fromLatin1(s.name.data(), s.name.size());
    addText(frame, "Uze", 120, 285, 600);
    uze_ = addComboBox(frame, "cboUze", names, twipsRect(720, 270, 1800, 360), textFont());
    addText(frame, "Broj uzadi u kablu n=", 2880, 285, 1740);
    brojUzadi_ = addTypedField(frame, "txtBrojUzadi", NumberKind::Whole, 2, twipsRect(4620, 285, 540, kFieldHeight),
                               textFont());
    const struct {
        const char* symbol;
        const char* name;
        const char* unit;
    } shown[] = {{"Ap=", "txtAp", "[mm2]"},
                 {"fpk=", "txtFpk", "[MPa]"},
                 {"Fp0.1k=", "txtSilaFp01k", "[kN]"},
                 {"fp0.1k=", "txtFp01k", "[MPa]"}};
    int left = 120;
    for (const auto& s : shown) {
        addText(frame, s.symbol, left, 720, 600)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        addShown(frame, s.name, s.unit, left + 660, 720);
        left += 2070;
    }
}

void frmUzadEN::buildStress() {
    QGroupBox* frame = addFrame(this, "fraNaponUUzadima", "Napon u uzadima",
                                twipsRect(120, kStressTop, kFrameWidth, kStressHeight), captionFont());
    k7_ = addFactor(frame, "k7=", "txtK7", 120, 300);
    k8_ = addFactor(frame, "k8=", "txtK8", 1200, 300);
    addText(frame, "Posle prenosa sigma_pm0 = min(k7 x fpk; k8 x fp0.1k)   (5.10.3(2))", 120, 690, kFormulaWidth);
    addShown(frame, "txtSigmaPm0", "[MPa]", kValueLeft, 690);
    const QString jack = "Na presi sigma_p,max = min(" + QString::fromStdString(numberToText(catalogues::kJackK1)) +
                         " x fpk; " + QString::fromStdString(numberToText(catalogues::kJackK2)) +
                         " x fp0.1k)   (5.10.2.1)";
    addText(frame, jack, 120, 1080, kFormulaWidth);
    addShown(frame, "txtSigmaPMax", "[MPa]", kValueLeft, 1080);
}

void frmUzadEN::buildCable() {
    QGroupBox* frame = addFrame(this, "fraKarakteristikeKabla", "Karakteristike kabla",
                                twipsRect(120, kCableTop, kFrameWidth, kCableHeight), captionFont());
    addText(frame, "Fk = n x Ap =", 120, 300, 1260);
    addShown(frame, "txtFk", "[cm2]", 1380, 300);
    addText(frame, "Gko = sigma_pm0 zaokruzeno nanize =", 3060, 300, 3060);
    addShown(frame, "txtGko", "[MPa]", kValueLeft, 300);
}

void frmUzadEN::buildEccentricity() {
    QGroupBox* frame =
        addFrame(this, "fraEkscentricitet", "Eksentricitet kablova", twipsRect(120, kBottomTop, 2340, kBottomHeight), captionFont());
    connect(addClickableLabel(frame, "Label1", "ek=", twipsRect(120, 315, 420, kLineHeight), textFont(),
                              "Klikni za detaljnije informacije"),
            &ClickableLabel::clicked, this, [this] { showEccentricityAdvice(this); });
    ekscentricitet_ = addTypedField(frame, "txtEkscentricitet", NumberKind::Decimal, 6,
                                    twipsRect(540, 300, 1020, kFieldHeight), textFont());
    addText(frame, "[cm]", 1620, 300, 480);
}

void frmUzadEN::buildButtons() {
    const int top = kBottomTop + 240, right = kWidth - 120;
    connect(addButton(this, "cmdURedu", "U redu", twipsRect(right - 2550, top, 1215, 375), textFont()),
            &QPushButton::clicked, this, &frmUzadEN::uRedu);
    QPushButton* odustani = addButton(this, "cmdOdustani", "Odustani", twipsRect(right - 1215, top, 1215, 375), textFont());
    connect(odustani, &QPushButton::clicked, this, &frmUzadEN::reject);
    setCancelButton(odustani);
}

core::StrandTendonBasis frmUzadEN::basis() const {
    core::StrandTendonBasis b;
    b.strand = uze_->currentText().toStdString();
    b.strands = static_cast<int>(core::numericValue(brojUzadi_->text().toStdString()));
    b.k7 = core::numericValue(k7_->text().toStdString());
    b.k8 = core::numericValue(k8_->text().toStdString());
    b.ek = ekscentricitet_->text().toStdString();
    return b;
}

void frmUzadEN::setBasis(const core::StrandTendonBasis& b) {
    uze_->setCurrentText(QString::fromStdString(b.strand));
    brojUzadi_->setText(QString::fromStdString(numberToText(b.strands)));
    k7_->setText(QString::fromStdString(numberToText(b.k7)));
    k8_->setText(QString::fromStdString(numberToText(b.k8)));
    ekscentricitet_->setText(QString::fromStdString(b.ek));
    showValues();
}

void frmUzadEN::setShown(const char* name, const std::string& text) {
    findChild<QLineEdit*>(name)->setText(QString::fromStdString(text));
}

// The values that rest on an input out of its range are left empty.
void frmUzadEN::showValues() {
    const core::StrandTendonBasis b = basis();
    const auto v = catalogues::strandTendonValues(b);
    setShown("txtAp", numberToText(v->strand.Ap));
    setShown("txtFpk", numberToText(v->strand.fpk));
    setShown("txtSilaFp01k", numberToText(v->strand.Fp01k));
    setShown("txtFp01k", fourDigits(v->fp01k));
    setShown("txtSigmaPMax", fourDigits(v->sigma_pmax));
    const bool factorsOk = !catalogues::factorRefusal("k7", b.k7) && !catalogues::factorRefusal("k8", b.k8);
    const bool countOk = !catalogues::strandCountRefusal(b.strands);
    const catalogues::TendonFieldTexts texts = catalogues::tendonFieldTexts(*v);
    setShown("txtSigmaPm0", factorsOk ? fourDigits(v->sigma_pm0) : std::string());
    setShown("txtGko", factorsOk ? texts.Gk0 : std::string());
    setShown("txtFk", countOk ? texts.Fk : std::string());
}

// Like the custom cable's, the eccentricity is the main window's on every showing.
void frmUzadEN::showEvent(QShowEvent* e) {
    ekscentricitet_->setText(QString::fromStdString(fields_.text(core::Field::Ek)));
    atOpening_ = basis();
    QDialog::showEvent(e);
}

void frmUzadEN::openOnDesignBasis(core::MainFields& fields, QWidget* owner) {
    if (const auto b = catalogues::heldCableBasis<core::StrandTendonBasis>(fields)) instance(fields, owner).setBasis(*b);
}

void frmUzadEN::reject() {
    setBasis(atOpening_);
    QDialog::reject();
}

void frmUzadEN::uRedu() {
    const core::StrandTendonBasis b = basis();
    const struct {
        std::optional<std::string> refusal;
        TypedField* field;
    } checks[] = {
        {catalogues::strandCountRefusal(b.strands), brojUzadi_},
        {catalogues::factorRefusal("k7", b.k7), k7_},
        {catalogues::factorRefusal("k8", b.k8), k8_},
    };
    for (const auto& c : checks) {
        if (!c.refusal) continue;
        refuseField(this, c.field, QString::fromStdString(*c.refusal));
        return;
    }
    if (core::eccentricityExceedsYb1(core::numericValue(b.ek), core::readDesignValues(fields_).section)) {
        ekscentricitet_->setText("0");
        refuseField(this, ekscentricitet_, QString::fromStdString(std::string(catalogues::kEccentricityRefused)));
        return;
    }
    const catalogues::TendonFieldTexts texts = catalogues::tendonFieldTexts(*catalogues::strandTendonValues(b));
    fields_.setText(core::Field::Fk, texts.Fk);
    fields_.setText(core::Field::Gk0, texts.Gk0);
    fields_.setText(core::Field::Ek, b.ek);
    fields_.setCableBasis(b);
    atOpening_ = b;
    accept();
}

}  // namespace ui
