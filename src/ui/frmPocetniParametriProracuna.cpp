#include "ui/frmPocetniParametriProracuna.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>

#include "catalogues/LossStart.h"
#include "core/BendingStart.h"
#include "core/CableCount.h"
#include "core/FieldTexts.h"
#include "core/basKontrola.h"
#include "ui/Controls.h"
#include "ui/DocumentCommands.h"
#include "ui/Fonts.h"
#include "ui/MainWindowSketch.h"
#include "ui/Messages.h"
#include "ui/ReportFile.h"
#include "ui/Twips.h"
#include "ui/TypedField.h"
#include "ui/frmAbout.h"
#include "ui/frmKablovi.h"
#include "ui/frmKontrolaNapona.h"
#include "ui/frmMagnelovDijagram.h"
#include "ui/frmNosivostNaSavijanje.h"
#include "ui/frmBetonEN.h"
#include "ui/frmDopusteniNaponUBetonu.h"
#include "ui/frmGubici.h"
#include "ui/frmProizvoljanDopusteniNapon.h"
#include "ui/frmProizvoljanKabel.h"
#include "ui/frmUzadEN.h"
#include "ui/frmVrstaKablova.h"
#include "ui/frmPodaciOProjektu.h"
#include "ui/frmPomoc.h"
#include "ui/frmPoprecniPresek.h"
#include "ui/frmUsvojeniKablovi.h"

namespace ui {
namespace {

using core::Field;

constexpr int kClientWidth = 10050;
constexpr int kClientHeight = 4785;

const QString kCaption = QStringLiteral("Parametri proracuna");
const QString kDesignFilter = QStringLiteral("Projekti prethodnog naprezanja (*.prednap);;Sve datoteke (*)");

std::string nameOf(Field field) { return std::string(core::objectName(field)); }

// What each field holds, with its unit, in the order of core::Field.
constexpr const char* kToolTips[] = {
    "b1 - sirina donje flanse [cm]",
    "b2 - sirina gornje flanse [cm]",
    "d3 - debljina (sirina) rebra [cm]",
    "d1 - debljina donje flanse [cm]",
    "d2 - debljina gornje flanse [cm]",
    "b - visina rebra izmedju flansi [cm]",
    "Mg - moment od sopstvene tezine [kNm]",
    "Mp - moment od opterecenja p, deo najveceg momenta Mmax = Mg + Mp + Ms [kNm]",
    "Ms - moment od opterecenja s, deo najveceg momenta Mmax = Mg + Mp + Ms [kNm]",
    "m - koeficijent efikasnosti prethodnog naprezanja, sila u eksploataciji = m x Nko [-]",
    "ek - ekscentricitet kablova, ispod tezista preseka [cm]",
    "Gbdo - dopusteni napon pritiska pri prednaprezanju [MPa]",
    "Gbzo - dopusteni napon zatezanja pri prednaprezanju [MPa]",
    "Gbdbes - dopusteni napon pritiska u eksploataciji [MPa]",
    "Gbzbes - dopusteni napon zatezanja u eksploataciji [MPa]",
    "Fk - povrsina celika jednog kabla [cm2]",
    "Gko - pocetni napon u celiku kabla [MPa]",
};
static_assert(std::size(kToolTips) == core::kFieldCount, "a tooltip for every field");

template <class FieldWidget>
FieldWidget* withToolTip(FieldWidget* widget, Field field) {
    widget->setToolTip(kToolTips[static_cast<int>(field)]);
    return widget;
}

QLabel* label(QWidget* parent, const char* caption, QRect geometry, const QFont& font) {
    return addLabel(parent, nullptr, caption, geometry, font);
}

QLabel* unitLabel(QWidget* parent, const char* caption, QRect geometry, const QFont& font) {
    return addLabel(parent, nullptr, caption, geometry, font, Qt::AlignCenter);
}

// Typed as the design file's rules say the field is typed, so the two never differ.
TypedField* typedField(QWidget* parent, Field field, QRect geometry) {
    const core::FieldTyping typing = core::fieldTyping(field);
    return withToolTip(addTypedField(parent, nameOf(field).c_str(), typing.kind, typing.limit, geometry, uiFont(12)),
                       field);
}

QLineEdit* shownField(QWidget* parent, Field field, QRect geometry) {
    return withToolTip(addShownField(parent, nameOf(field).c_str(), geometry, uiFont(12)), field);
}

QGroupBox* frame(QWidget* parent, const char* name, const char* caption, QRect geometry) {
    return addFrame(parent, name, caption, geometry, uiFont(9.75));
}

}  // namespace

frmPocetniParametriProracuna::frmPocetniParametriProracuna(QWidget* parent)
    : QMainWindow(parent),
      fields_(this, rest_),
      documentCommands_(new DocumentCommands(this, fields_, rest_)) {
    setObjectName("frmPocetniParametriProracuna");
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);

    auto* client = new QWidget(this);
    client->setFixedSize(px(kClientWidth), px(kClientHeight));
    setCentralWidget(client);
    buildFrames(client);
    buildMenus();
    showDesign(core::startupDesign(), QString());
    for (int i = 0; i < core::kFieldCount; ++i) {
        connect(fields_.lineEdit(static_cast<Field>(i)), &QLineEdit::textChanged, this,
                &frmPocetniParametriProracuna::updateCaption);
    }
    // An m the user types replaces the one the losses gave.
    connect(fields_.lineEdit(Field::M), &QLineEdit::textEdited, this, [this] {
        rest_.losses.reset();
        updateCaption();
    });
    setFixedSize(sizeHint());
}

void frmPocetniParametriProracuna::buildFrames(QWidget* client) {
    const QFont bold975 = uiFont(9.75, true);
    const QFont bold825 = uiFont(8.25, true);

    QGroupBox* dimensions =
        frame(client, "fraPoprecniPresek", "Dimenzije poprecnog preseka", twipsRect(45, 45, 5565, 4680));
    auto* sketch = new MainWindowSketch(dimensions);
    sketch->setGeometry(twipsRect(0, 0, 3990, 4680));
    const struct {
        const char* caption;
        Field field;
        int labelTop;
        int fieldTop;
    } dimensionRows[] = {
        {"b1=", Field::B1, 540, 450},   {"b2=", Field::B2, 1215, 1125}, {"d3=", Field::D3, 1935, 1845},
        {"d1=", Field::D1, 2610, 2520}, {"d2=", Field::D2, 3330, 3240}, {"  b=", Field::B, 4050, 3960},
    };
    for (const auto& row : dimensionRows) {
        label(dimensions, row.caption, twipsRect(4005, row.labelTop, 420, 285), bold975);
        typedField(dimensions, row.field, twipsRect(4410, row.fieldTop, 555, 420));
        unitLabel(dimensions, "[cm]", twipsRect(4995, row.labelTop, 495, 285), bold975);
    }

    QGroupBox* moments = frame(client, "fraStatickiUticaji", "Staticki uticaji", twipsRect(5655, 45, 2280, 2085));
    const struct {
        const char* caption;
        Field field;
        int top;
    } momentRows[] = {{"Mg=", Field::Mg, 450}, {"Mp=", Field::Mp, 990}, {"Ms=", Field::Ms, 1530}};
    for (const auto& row : momentRows) {
        label(moments, row.caption, twipsRect(75, row.top + 60, 420, 300), bold825);
        typedField(moments, row.field, twipsRect(480, row.top, 1155, 420));
        unitLabel(moments, "[kNm]", twipsRect(1695, row.top + 60, 525, 300), bold825);
    }

    QGroupBox* eccentricity = frame(client, "Frame1", "Ekscen. kablova", twipsRect(8010, 45, 1995, 1005));
    label(eccentricity, "ek =", twipsRect(90, 450, 480, 315), bold975);
    shownField(eccentricity, Field::Ek, twipsRect(585, 405, 915, 420));
    unitLabel(eccentricity, "[cm]", twipsRect(1515, 495, 420, 285), bold825);

    QGroupBox* efficiency =
        frame(client, "fraGubitakSilePrethodnogNaprezanja", "Efikasnost PN", twipsRect(8010, 1125, 1995, 1005));
    setTextColour(label(efficiency, "m =", twipsRect(90, 450, 495, 345), uiFont(12, true)), Qt::red);
    setTextColour(typedField(efficiency, Field::M, twipsRect(600, 405, 915, 420)), Qt::red);

    QGroupBox* concrete = frame(client, "fraBeton", "Dopusteni naponi u betonu", twipsRect(5655, 2205, 4350, 1590));
    const struct {
        const char* caption;
        Field field;
        int labelLeft;
        int fieldLeft;
        int unitLeft;
        int top;
    } stressRows[] = {
        {"Gbdo=", Field::Gbd0, 60, 630, 1530, 450},        {"Gbzo=", Field::Gbz0, 60, 630, 1530, 1035},
        {"Gbdbes=", Field::Gbdbes, 2235, 2925, 3780, 450}, {"Gbzbes=", Field::Gbzbes, 2235, 2925, 3780, 1035},
    };
    for (const auto& row : stressRows) {
        label(concrete, row.caption, twipsRect(row.labelLeft, row.top + 60, row.fieldLeft - row.labelLeft, 300),
              bold825);
        shownField(concrete, row.field, twipsRect(row.fieldLeft, row.top, 855, 420));
        unitLabel(concrete, "[MPa]", twipsRect(row.unitLeft, row.top + 60, 540, 300), bold825);
    }

    QGroupBox* steel = frame(client, "fraKvalitetCelika", "Karakteristike celika", twipsRect(5655, 3900, 4350, 825));
    label(steel, "Fk=", twipsRect(150, 330, 480, 300), bold975);
    shownField(steel, Field::Fk, twipsRect(630, 270, 855, 420));
    unitLabel(steel, "[cm2]", twipsRect(1530, 330, 540, 300), bold825);
    label(steel, "Gko=", twipsRect(2280, 330, 630, 300), bold975);
    shownField(steel, Field::Gk0, twipsRect(2910, 270, 855, 420));
    unitLabel(steel, "[MPa]", twipsRect(3780, 330, 540, 300), bold825);

    const Field tabOrder[] = {Field::B1, Field::B2, Field::D3, Field::D1, Field::D2,
                              Field::B,  Field::Mg, Field::Mp, Field::Ms, Field::M};
    for (size_t i = 1; i < std::size(tabOrder); ++i) {
        setTabOrder(fields_.lineEdit(tabOrder[i - 1]), fields_.lineEdit(tabOrder[i]));
    }
}

void frmPocetniParametriProracuna::buildMenus() {
    struct Item {
        const char* name;
        const char* caption;
        void (frmPocetniParametriProracuna::*command)();
        QKeySequence shortcut = {};
    };
    auto addMenu = [this](const char* name, const char* caption, std::initializer_list<Item> items) {
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(caption));
        menu->setObjectName(name);
        QList<QAction*> actions;
        for (const Item& item : items) {
            QAction* action = menu->addAction(QString::fromLatin1(item.caption));
            action->setObjectName(item.name);
            action->setShortcut(item.shortcut);
            connect(action, &QAction::triggered, this, item.command);
            actions << action;
        }
        return actions;
    };
    using W = frmPocetniParametriProracuna;
    const QList<QAction*> file = addMenu(
        "mnuDatoteka", "&Datoteka",
        {{"mnuDatotekaNovi", "Novi", &W::newDesign, QKeySequence(Qt::CTRL | Qt::Key_N)},
         {"mnuDatotekaOtvori", "Otvori...", &W::openDesign, QKeySequence(Qt::CTRL | Qt::Key_O)},
         {"mnuDatotekaSnimi", "Snimi", &W::saveDesign, QKeySequence(Qt::CTRL | Qt::Key_S)},
         {"mnuDatotekaSnimiKao", "Snimi kao...", &W::saveDesignAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
         {"mnuDatotekaPodaciOProjektu", "Podaci o projektu...", &W::editProjectData},
         {"mnuDatotekaKraj", "Kraj", &W::askToQuit, QKeySequence(Qt::CTRL | Qt::Key_X)}});
    QMenu* fileMenu = menuBar()->findChild<QMenu*>("mnuDatoteka");
    fileMenu->insertSeparator(file[4]);
    fileMenu->insertSeparator(file.last());
    documentCommands_->addTo(fileMenu, file.last());
    const QList<QAction*> definitions = addMenu(
        "mnuDefinisi", "&Definisi",
        {{"mnuDefinisiDopusteniNaponiUBetonu", "Dopusteni naponi u betonu", &W::openDopusteniNaponiUBetonu},
         {"mnuDefinisiVrstaKablova", "Vrsta kablova", &W::openVrstaKablova},
         {"mnuDefinisiBetonEN", "Beton prema SRPS EN 1992-1-1...", &W::openBetonEN},
         {"mnuDefinisiUzadEN", "Kablovi od uzadi prema EN 10138...", &W::openUzadEN},
         {"mnuDefinisiGubici", "Gubici sile i koeficijent m...", &W::openGubici}});
    menuBar()->findChild<QMenu*>("mnuDefinisi")->insertSeparator(definitions[2]);
    addMenu("mnuProracun", "&Proracun",
            {{"mnuProracunPoprecniPresek", "Poprecni presek", &frmPocetniParametriProracuna::openPoprecniPresek},
             {"mnuProracunKablovi", "Kablovi", &frmPocetniParametriProracuna::openKablovi},
             {"mnuProracunUsvojeniKablovi", "Usvojeni broj kablova...",
              &frmPocetniParametriProracuna::openUsvojeniKablovi},
             {"mnuProracunKontrolaNapona", "Kontrola napona", &frmPocetniParametriProracuna::openKontrolaNapona},
             {"mnuProracunManjelovDijagram", "Magnel-ov dijagram",
              &frmPocetniParametriProracuna::openMagnelovDijagram},
             {"mnuProracunNosivostNaSavijanje", "Nosivost na savijanje",
              &frmPocetniParametriProracuna::openNosivostNaSavijanje}});
    addMenu("mnuPomoc", "&Pomoc", {{"mnuPomocPomoc", "Pomoc", &frmPocetniParametriProracuna::openPomoc}});
    addMenu("mnuOProgramu", "&O programu",
            {{"mnuOProgramuOProgramu", "O programu", &frmPocetniParametriProracuna::openOProgramu}});
}

// The table windows are kept hidden between showings so their choices stay;
// asking for custom values discards the table window.
void frmPocetniParametriProracuna::openDopusteniNaponiUBetonu() {
    if (!frmDopusteniNaponUBetonu::showKept(fields_, this)) return;
    frmProizvoljanDopusteniNapon custom(fields_, this);
    custom.exec();
}

void frmPocetniParametriProracuna::openVrstaKablova() {
    if (!core::mayOpenVrstaKablova(fields_)) return;
    if (!frmVrstaKablova::showKept(fields_, this)) return;
    frmProizvoljanKabel custom(fields_, this);
    custom.exec();
}

void frmPocetniParametriProracuna::openBetonEN() { frmBetonEN::showKept(fields_, this); }

// The eccentricity is checked against Yb1, which needs a section, as in "Vrsta kablova".
void frmPocetniParametriProracuna::openUzadEN() {
    if (!core::KontrolaDimenzija(fields_)) return;
    frmUzadEN::showKept(fields_, this);
}

// The losses need everything the cable calculation needs. Their inputs stay
// with the design as the basis of m, and the count they were worked out with
// becomes the design's adopted one: the smallest admissible count moves with m.
void frmPocetniParametriProracuna::openGubici() {
    if (!core::mayOpenKablovi(fields_)) return;
    const core::Design design = currentDesign();
    frmGubici window(fields_, catalogues::lossInputsOf(design), catalogues::lossCablesOf(design), this);
    if (window.exec() != QDialog::Accepted) return;
    rest_.losses = window.inputs();
    rest_.adoptedCables = window.cables();
    updateCaption();
}

void frmPocetniParametriProracuna::openPoprecniPresek() {
    if (!core::mayOpenPoprecniPresek(fields_)) return;
    frmPoprecniPresek window(fields_, this);
    window.exec();
}

void frmPocetniParametriProracuna::openKablovi() {
    if (!core::mayOpenKablovi(fields_)) return;
    frmKablovi window(fields_, this);
    window.exec();
}

void frmPocetniParametriProracuna::openUsvojeniKablovi() {
    if (!core::mayOpenKablovi(fields_)) return;
    frmUsvojeniKablovi window(fields_, rest_.adoptedCables, this);
    if (window.exec() == QDialog::Accepted) setAdoptedCables(window.adopted());
}

void frmPocetniParametriProracuna::setAdoptedCables(std::optional<int> count) {
    rest_.adoptedCables = count;
    updateCaption();
}

void frmPocetniParametriProracuna::openKontrolaNapona() {
    if (!core::mayOpenKontrolaNapona(fields_)) return;
    frmKontrolaNapona window(fields_, this);
    window.exec();
}

void frmPocetniParametriProracuna::openMagnelovDijagram() {
    if (!core::mayOpenMagnelovDijagram(fields_)) return;
    frmMagnelovDijagram window(fields_, this);
    window.exec();
}

// The window starts from the inputs kept with the design and its adopted
// cables; "Odustani" keeps them as they were. A count equal to the smallest
// admissible one is kept as that rule, so it follows the design's changes.
void frmPocetniParametriProracuna::openNosivostNaSavijanje() {
    if (!core::mayOpenKablovi(fields_)) return;
    const core::DesignValues v = core::readDesignValues(fields_);
    const std::optional<double> smallest =
        core::adoptWholeCables(core::computeForceBounds(v), core::Zk0(v.cable.Fk, v.cable.Gk0)).count;
    const std::optional<double> adopted = rest_.adoptedCables ? std::optional<double>(*rest_.adoptedCables) : smallest;
    frmNosivostNaSavijanje window(v, core::bendingInputsFor(rest_.bending, rest_.stressBasis, rest_.cableBasis),
                                  adopted, this);
    if (window.exec() != QDialog::Accepted) return;
    rest_.bending = window.inputs();
    const double n = window.cables();
    rest_.adoptedCables = smallest == n ? std::nullopt : std::optional<int>(static_cast<int>(n));
    updateCaption();
}

void frmPocetniParametriProracuna::openPomoc() {
    frmPomoc window(this);
    window.exec();
}

void frmPocetniParametriProracuna::openOProgramu() {
    frmAbout window(this);
    window.exec();
}

void frmPocetniParametriProracuna::askToQuit() {
    if (!maySetChangesAside()) return;
    if (!askYesNo(this, "Izlaz ?", "Dali zelite da prekinete rad programa ?")) return;
    leaving_ = true;
    close();
    leaving_ = false;
}

core::Design frmPocetniParametriProracuna::currentDesign() const { return core::designOf(fields_, rest_); }

void frmPocetniParametriProracuna::showDesign(const core::Design& design, const QString& path) {
    rest_ = design;
    path_ = path;
    savedDesign_ = design;
    core::show(design, fields_);
    updateCaption();
}

bool frmPocetniParametriProracuna::isModified() const { return currentDesign() != savedDesign_; }

void frmPocetniParametriProracuna::updateCaption() {
    if (path_.isEmpty()) {
        setWindowTitle(kCaption);
        return;
    }
    setWindowTitle(kCaption + " - " + QFileInfo(path_).fileName() + (isModified() ? "*" : ""));
}

// Typed work never goes without a question; a design nobody changed goes without one.
bool frmPocetniParametriProracuna::maySetChangesAside() {
    if (!isModified()) return true;
    const QString question = path_.isEmpty()
                                 ? QStringLiteral("Sacuvati izmene u projektu ?")
                                 : QStringLiteral("Sacuvati izmene u projektu %1 ?").arg(QFileInfo(path_).fileName());
    switch (askYesNoCancel(this, QStringLiteral("Snimanje projekta"), question)) {
    case Answer::Yes:
        return save();
    case Answer::No:
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}

void frmPocetniParametriProracuna::newDesign() {
    if (maySetChangesAside()) showDesign(core::startupDesign(), QString());
}

void frmPocetniParametriProracuna::openDesign() {
    if (!maySetChangesAside()) return;
    QFileDialog dialog(this, QStringLiteral("Otvaranje projekta"));
    dialog.setObjectName("CommonDialog1");
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(kDesignFilter);
    if (!path_.isEmpty()) dialog.setDirectory(QFileInfo(path_).absolutePath());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    openDesignFile(dialog.selectedFiles().first());
}

bool frmPocetniParametriProracuna::openDesignFile(const QString& path) {
    const DesignFileReading reading = readDesignFile(path);
    if (!reading.design) {
        showWarning(this, reading.error);
        return false;
    }
    showDesign(*reading.design, QFileInfo(path).absoluteFilePath());
    // The table windows open on the choices that gave the design's fields.
    frmDopusteniNaponUBetonu::openOnDesignBasis(fields_, this);
    frmBetonEN::openOnDesignBasis(fields_, this);
    frmVrstaKablova::openOnDesignBasis(fields_, this);
    frmUzadEN::openOnDesignBasis(fields_, this);
    for (const QString& warning : reading.warnings) showWarning(this, warning);
    return true;
}

void frmPocetniParametriProracuna::saveDesign() { save(); }

void frmPocetniParametriProracuna::saveDesignAs() { saveAs(); }

bool frmPocetniParametriProracuna::save() { return path_.isEmpty() ? saveAs() : writeDesign(path_); }

bool frmPocetniParametriProracuna::saveAs() {
    SaveDialog dialog(QStringLiteral("Snimanje projekta"), path_.isEmpty() ? QStringLiteral("Projekat") : path_,
                      kDesignFilter, QString::fromLatin1(kDesignFileSuffix));
    const QString path = dialog.ask(this);
    return !path.isEmpty() && writeDesign(path);
}

bool frmPocetniParametriProracuna::writeDesign(const QString& path) {
    const core::Design design = currentDesign();
    QString problem;
    const QByteArray bytes = designFileBytes(design, &problem);
    if (bytes.isEmpty()) {
        showWarning(this, QStringLiteral("Datoteku \"%1\" nije moguce snimiti !\n%2")
                              .arg(QDir::toNativeSeparators(path), problem));
        return false;
    }
    if (!writeFileSafely(this, path, bytes)) return false;
    path_ = QFileInfo(path).absoluteFilePath();
    savedDesign_ = design;
    updateCaption();
    return true;
}

void frmPocetniParametriProracuna::editProjectData() {
    frmPodaciOProjektu window(rest_.project, this);
    if (window.exec() != QDialog::Accepted) return;
    rest_.project = window.data();
    updateCaption();
}

bool frmPocetniParametriProracuna::event(QEvent* event) {
    // When the window opened from the menu closes, the keyboard comes back
    // here, to the field that had it, even without a window manager.
    if (event->type() == QEvent::WindowUnblocked) activateWindow();
    return QMainWindow::event(event);
}

void frmPocetniParametriProracuna::closeEvent(QCloseEvent* event) {
    if (!leaving_ && !maySetChangesAside()) {
        event->ignore();
        return;
    }
    event->accept();
    QApplication::quit();  // every other window, hidden ones included, goes with it
}

}  // namespace ui
