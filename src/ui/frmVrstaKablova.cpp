#include "ui/frmVrstaKablova.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "core/FieldTexts.h"
#include "core/NumberText.h"
#include "core/SectionProperties.h"
#include "ui/ClickableLabel.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Messages.h"
#include "ui/Twips.h"
#include "ui/TypedField.h"

namespace ui {
namespace {

constexpr int kWidth = 6720;
constexpr int kFrameWidth = kWidth - 240;
constexpr int kRowHeight = 300;
constexpr int kCellHeight = 285;

// The catalogue's columns: left edge and width in twips.
constexpr int kTypeLeft = 120, kTypeWidth = 1020;
constexpr int kForceLeft = 1200, kForceWidth = 1500;
constexpr int kWiresLeft = 2760, kWiresWidth = 1620;
constexpr int kAreaLeft = 4440, kAreaWidth = 1500;
constexpr int kOptionLeft = 6060;

constexpr int kCatalogueTop = 120;
constexpr int kCatalogueHeight = 660 + catalogues::kCableTypeCount * kRowHeight + 120;
constexpr int kWiresTop = kCatalogueTop + kCatalogueHeight + 60;
constexpr int kWiresHeight = 960;
constexpr int kCharacteristicsTop = kWiresTop + kWiresHeight + 60;
constexpr int kCharacteristicsHeight = 1020;
constexpr int kBottomTop = kCharacteristicsTop + kCharacteristicsHeight + 60;
constexpr int kHeight = kBottomTop + 780;

QString latin(std::string_view s) { return QString::fromLatin1(s.data(), qsizetype(s.size())); }

QFont plainFont() { return uiFont(8.25); }
QFont boldFont() { return uiFont(8.25, true); }

QLineEdit* shownField(QWidget* parent, const char* name, QRect geometry) {
    QLineEdit* f = addCell(parent, name, QString(), geometry, plainFont());
    f->setAlignment(Qt::AlignRight);
    return f;
}

void mark(QLabel* label, bool marked) {
    QFont font = label->font();
    font.setBold(marked);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText,
                     marked ? QColor(Qt::red) : label->parentWidget()->palette().color(QPalette::WindowText));
    label->setPalette(palette);
}

}  // namespace

frmVrstaKablova::frmVrstaKablova(core::MainFields& fields, QWidget* parent)
    : TableWindow(fields, parent, "frmVrstaKablova", "Vrste kablova", kWidth, kHeight) {
    buildCatalogue();
    buildWireTable();
    buildCharacteristics();
    buildEccentricity();
    buildButtons();
    // A click that takes the focus from a refused coefficient is refused too.
    for (QWidget* w : findChildren<QWidget*>()) {
        if (w != koeficijent_) w->installEventFilter(this);
    }
    koeficijent_->installEventFilter(this);
    load();
}

void showEccentricityAdvice(QWidget* parent) {
    QMessageBox box(QMessageBox::Information, latin(catalogues::kEccentricityAdviceTitle),
                    latin(catalogues::kEccentricityAdvice), QMessageBox::Ok, parent);
    box.exec();
}

void frmVrstaKablova::refresh(core::MainFields& fields, QWidget* owner) {
    instance(fields, owner).showAdoptedCable();
}

void frmVrstaKablova::buildCatalogue() {
    QGroupBox* frame = addFrame(this, nullptr, "IMS kablovi",
                                twipsRect(120, kCatalogueTop, kFrameWidth, kCatalogueHeight), boldFont());
    const struct {
        const char* caption;
        int left, width;
    } headers[] = {{"Tip kotve", kTypeLeft, kTypeWidth},
                   {"Nominalna sila u kN", kForceLeft, kForceWidth},
                   {"Broj i precnik zica u mm", kWiresLeft, kWiresWidth},
                   {"Povrsina zica u mm2", kAreaLeft, kAreaWidth}};
    for (const auto& h : headers) {
        QLabel* l = addLabel(frame, nullptr, h.caption, twipsRect(h.left, 240, h.width, 420), plainFont());
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignCenter);
    }
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < catalogues::kCableTypeCount; ++i) {
        const auto& t = catalogues::cableTypes()[static_cast<size_t>(i)];
        const QString key = latin(t.key);
        const int top = 660 + i * kRowHeight;
        addLabel(frame, nullptr, latin(t.label), twipsRect(kTypeLeft, top, kTypeWidth, kCellHeight), plainFont())
            ->setAlignment(Qt::AlignCenter);
        addCell(frame, "txt" + key + "NominalnaSila", latin(t.nominalForce),
                twipsRect(kForceLeft, top, kForceWidth, kCellHeight), plainFont());
        addCell(frame, "txt" + key + "BrojIPrecnikZica", latin(t.wires),
                twipsRect(kWiresLeft, top, kWiresWidth, kCellHeight), plainFont());
        addCell(frame, "txt" + key + "PovrsinaZica", latin(t.area), twipsRect(kAreaLeft, top, kAreaWidth, kCellHeight),
                plainFont());
        QRadioButton* o = addOption(frame, "opt" + key, twipsRect(kOptionLeft, top, 255, kCellHeight), group);
        connect(o, &QRadioButton::clicked, this, [this, i] { optionClicked(i); });
        options_[i] = o;
    }
}

void frmVrstaKablova::buildWireTable() {
    QGroupBox* frame = addFrame(this, nullptr, "Cvrstoca na zatezanje zice",
                                twipsRect(120, kWiresTop, kFrameWidth, kWiresHeight), boldFont());
    addLabel(frame, nullptr, "Nominalni precnik zice u mm", twipsRect(120, 270, 2700, kCellHeight), plainFont());
    addLabel(frame, nullptr, "Cvrstoca na zatezanje Gm u MPa", twipsRect(120, 600, 2700, kCellHeight), plainFont());
    for (int c = 0; c < catalogues::kWireColumnCount; ++c) {
        const auto& w = catalogues::wireStrengths()[static_cast<size_t>(c)];
        const int left = 2880 + c * 510;
        const QString key = latin(w.key);
        wireLabels_[c] = addLabel(frame, ("lbl" + key).toLatin1().constData(), latin(w.diameter),
                                  twipsRect(left, 270, 480, kCellHeight), plainFont());
        wireLabels_[c]->setAlignment(Qt::AlignCenter);
        addCell(frame, "txt" + key, latin(w.strength), twipsRect(left, 570, 480, kCellHeight), plainFont());
    }
}

void frmVrstaKablova::buildCharacteristics() {
    QGroupBox* frame = addFrame(this, nullptr, "Karakteristike usvojenog kabla",
                                twipsRect(120, kCharacteristicsTop, kFrameWidth, kCharacteristicsHeight), boldFont());
    addLabel(frame, nullptr, "0.8Gm =< G02 =< 0.92 Gm", twipsRect(120, 285, 2130, kCellHeight), plainFont());
    addLabel(frame, nullptr, "G02 =", twipsRect(2280, 285, 480, kCellHeight), plainFont());
    koeficijent_ = addTypedField(frame, "txtKoeficijentZaG02", NumberKind::Decimal, 4, twipsRect(2760, 240, 540, 330),
                                 plainFont());
    koeficijent_->setText("0.8");
    addLabel(frame, nullptr, "*Gm=", twipsRect(3330, 285, 420, kCellHeight), plainFont());
    G02_ = shownField(frame, "txtG02", twipsRect(3750, 240, 720, 330));
    addLabel(frame, nullptr, "Gko =< min od 0.85 G02 ili min 0.7 Gm ", twipsRect(120, 660, 3600, kCellHeight),
             plainFont());

    addLabel(frame, nullptr, "Fk=", twipsRect(4560, 285, 420, kCellHeight), plainFont());
    Fk_ = shownField(frame, "txtFk", twipsRect(4980, 240, 780, 330));
    addLabel(frame, nullptr, "[cm2]", twipsRect(5790, 285, 600, kCellHeight), plainFont());
    addLabel(frame, nullptr, "Gko=", twipsRect(4560, 660, 420, kCellHeight), plainFont());
    Gko_ = shownField(frame, "txtGko", twipsRect(4980, 615, 780, 330));
    addLabel(frame, nullptr, "[MPa]", twipsRect(5790, 660, 600, kCellHeight), plainFont());
}

void frmVrstaKablova::buildEccentricity() {
    QGroupBox* frame =
        addFrame(this, nullptr, "Eksentricitet kablova", twipsRect(120, kBottomTop, 2340, 660), boldFont());
    connect(addClickableLabel(frame, "Label19", "ek=", twipsRect(120, 285, 420, kCellHeight), plainFont(),
                              "Preporuka za ek"),
            &ClickableLabel::clicked, this, [this] { showEccentricityAdvice(this); });
    // Typed as the design field it is written into.
    const core::FieldTyping typing = core::fieldTyping(core::Field::Ek);
    ekscentricitet_ = addTypedField(frame, "txtEkscentricitetKablova", typing.kind, typing.limit,
                                    twipsRect(540, 240, 1020, 330), plainFont());
    addLabel(frame, nullptr, "[cm]", twipsRect(1620, 285, 480, kCellHeight), plainFont());
}

void frmVrstaKablova::buildButtons() {
    const int top = kBottomTop + 240;
    const int right = kWidth - 120;
    connect(addButton(this, "cmdProizvoljanKabel", "Proizvoljan kabel", twipsRect(right - 4020, top, 1500, 375),
                      plainFont()),
            &QPushButton::clicked, this, [this] { done(CustomValues); });
    connect(addButton(this, "cmdURedu", "U redu", twipsRect(right - 2460, top, 1170, 375), plainFont()),
            &QPushButton::clicked, this, &frmVrstaKablova::uRedu);
    connect(addButton(this, "cmdOdustani", "Odustani", twipsRect(right - 1230, top, 1230, 375), plainFont()),
            &QPushButton::clicked, this, &frmVrstaKablova::odustani);
}

// Nothing is read from the main window's cable fields: the window starts
// from type A and proposes the eccentricity for the section as it is now.
void frmVrstaKablova::load() {
    selectOption(options_[0]);
    ekscentricitet_->setText(
        QString::fromStdString(core::numberToText(catalogues::recommendedEccentricity(section()))));
    savedCoefficient_ = core::numericValue(koeficijent_->text().toStdString());
}

void frmVrstaKablova::showEvent(QShowEvent* e) {
    savedCoefficient_ = core::numericValue(koeficijent_->text().toStdString());
    QDialog::showEvent(e);
}

core::SectionDimensions frmVrstaKablova::section() const { return core::readDesignValues(fields_).section; }

int frmVrstaKablova::selectedType() const {
    for (int i = 0; i < catalogues::kCableTypeCount; ++i) {
        if (options_[i]->isChecked()) return i;
    }
    return 0;
}

void frmVrstaKablova::showAdoptedCable() {
    const auto& type = catalogues::cableTypes()[static_cast<size_t>(selectedType())];
    const double k = core::numericValue(koeficijent_->text().toStdString());
    const auto texts = catalogues::adoptedCableTexts(catalogues::basProracunKarakteristikaUsvojenogKabla(type, k));
    Fk_->setText(QString::fromStdString(texts.Fk));
    G02_->setText(QString::fromStdString(texts.G02));
    Gko_->setText(QString::fromStdString(texts.Gk0));
}

void frmVrstaKablova::optionClicked(int type) {
    showAdoptedCable();
    const int column = catalogues::cableTypes()[static_cast<size_t>(type)].wireColumn;
    // Only the 5, 7 and 9 mm columns are ever used by a catalogue type.
    for (int c = 4; c < catalogues::kWireColumnCount; ++c) mark(wireLabels_[c], c == column);
}

bool frmVrstaKablova::acceptCoefficient() {
    const auto refusal = catalogues::KontrolaKoeficijentaZaG02(koeficijent_->text().toStdString());
    if (!refusal) {
        showAdoptedCable();
        return true;
    }
    showWarning(this, latin(*refusal));
    koeficijent_->setText("0.8");
    auto focusCoefficient = [this] {
        koeficijent_->setFocus(Qt::OtherFocusReason);
        koeficijent_->selectAll();
    };
    focusCoefficient();
    // Leaving by Tab hands the focus on after this returns: take it back then.
    QTimer::singleShot(0, koeficijent_, focusCoefficient);
    return false;
}

bool frmVrstaKablova::eventFilter(QObject* watched, QEvent* event) {
    if (watched == koeficijent_ && event->type() == QEvent::FocusOut && !koeficijent_->text().isEmpty()) {
        // An empty field keeps the focus by itself, without a message; another
        // window coming up (a message box) or this one hiding is no leaving.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && !acceptCoefficient()) {
            // The press that moved the focus comes next: it must not also
            // press the button or select the option under the mouse.
            refusePress_ = reason == Qt::MouseFocusReason;
        }
    } else if (refusePress_ && event->type() == QEvent::MouseButtonPress) {
        refusePress_ = false;
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmVrstaKablova::uRedu() {
    const double ek = core::numericValue(ekscentricitet_->text().toStdString());
    const core::SectionDimensions s = section();
    if (!core::eccentricityExceedsYb1(ek, s)) {
        fields_.setText(core::Field::Fk, Fk_->text().toStdString());
        fields_.setText(core::Field::Gk0, Gko_->text().toStdString());
        fields_.setText(core::Field::Ek, ekscentricitet_->text().toStdString());
        accept();
        return;
    }
    showWarning(this, latin(catalogues::kEccentricityRefused));
    ekscentricitet_->setText(QString::fromStdString(core::numberToText(catalogues::recommendedEccentricity(s))));
    ekscentricitet_->setFocus(Qt::OtherFocusReason);
}

void frmVrstaKablova::odustani() {
    const double Fk = core::numericValue(fields_.text(core::Field::Fk));
    if (const auto row = catalogues::cableTypeWithFk(Fk)) selectOption(options_[*row]);
    koeficijent_->setText(QString::fromStdString(core::numberToText(savedCoefficient_)));
    // G02 and Gko follow the coefficient put back, so the window never shows
    // one coefficient beside the values of another, nor writes those later.
    showAdoptedCable();
    ekscentricitet_->setText(QString::fromStdString(fields_.text(core::Field::Ek)));
    reject();
}

}  // namespace ui
