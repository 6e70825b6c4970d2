#include "ui/DesignFile.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/DesignInput.h"
#include "catalogues/MaterialBasisCheck.h"
#include "core/BendingInputsCheck.h"
#include "core/FieldTexts.h"
#include "core/Losses.h"
#include "ui/MaterialBasisFile.h"

namespace ui {
namespace {

using core::Design;
using core::ProjectData;

const QString kFormatKey = QStringLiteral("format");
const QString kFormatTag = QStringLiteral("prednaprezanje");
const QString kVersionKey = QStringLiteral("formatVerzija");
const QString kInputsKey = QStringLiteral("ulaz");
const QString kProjectKey = QStringLiteral("projekat");
const QString kAdoptedCablesKey = QStringLiteral("usvojeniBrojKablova");
const QString kLossesKey = QStringLiteral("gubici");
const QString kBendingKey = QStringLiteral("nosivost");

const QString kNotADesign = QStringLiteral("Datoteka nije projekat prethodnog naprezanja.");

struct ProjectItem {
    const char* key;
    std::string ProjectData::*member;
    bool multiLine;
};
const ProjectItem kProjectItems[] = {
    {"Projekat", &ProjectData::projekat, false},
    {"Element", &ProjectData::element, false},
    {"Projektant", &ProjectData::projektant, false},
    {"Napomena", &ProjectData::napomena, true},
};

DesignFileReading refused(const QString& why) { return {std::nullopt, why, {}}; }

QString symbolOf(core::Field field) {
    const std::string_view s = core::symbol(field);
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

// Keys other than the known ones are refused rather than dropped: a file
// that says more than this program reads is not one it should rewrite.
// The key comes quoted, fit for a one-line message.
QString unknownKey(const QJsonObject& object, const QStringList& known) {
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!known.contains(it.key())) return QString::fromStdString(core::quoted(it.key().toStdString()));
    }
    return {};
}

QString readVersion(const QJsonObject& root) {
    const QJsonValue version = root.value(kVersionKey);
    const double v = version.toDouble(-1);
    if (!version.isDouble() || v < 1 || v != std::floor(v)) {
        return QStringLiteral("Verzija formata nije ispravno zapisana.");
    }
    if (v > kDesignFileVersion) {
        return QStringLiteral("Projekat je zapisan u formatu verzije %1, a program cita verzije do %2.")
            .arg(QString::number(v, 'g', 15))
            .arg(kDesignFileVersion);
    }
    return {};
}

QString readInputs(const QJsonObject& root, Design& design) {
    const QJsonValue inputs = root.value(kInputsKey);
    if (!inputs.isObject()) return QStringLiteral("Nedostaju ulazni podaci (\"%1\").").arg(kInputsKey);
    const QJsonObject object = inputs.toObject();
    QStringList known;
    for (int i = 0; i < core::kFieldCount; ++i) {
        const auto field = static_cast<core::Field>(i);
        const QString symbol = symbolOf(field);
        known << symbol;
        const QJsonValue value = object.value(symbol);
        if (value.isUndefined()) return QStringLiteral("Nedostaje polje %1.").arg(symbol);
        if (!value.isString()) return QStringLiteral("Polje %1 nije zapisano kao tekst pod navodnicima.").arg(symbol);
        const std::string text = value.toString().toStdString();
        if (const auto refusal = core::fieldTextRefusal(field, text)) return QString::fromStdString(*refusal);
        design.text(field) = text;
    }
    if (const QString key = unknownKey(object, known); !key.isEmpty()) {
        return QStringLiteral("Nepoznato polje %1.").arg(key);
    }
    return {};
}

// A basis whose window would not have written the file's field texts (a file
// edited by hand) is dropped with a warning: the document never prints a
// derivation that does not lead to the numbers in the fields.
QString readBases(const QJsonObject& root, Design& design, QStringList& warnings) {
    QString error;
    const QJsonValue stress = root.value(kStressBasisKey);
    if (!stress.isUndefined() && !readBasis(stress, design.stressBasis, error)) return error;
    const QJsonValue cable = root.value(kCableBasisKey);
    if (!cable.isUndefined() && !readBasis(cable, design.text(core::Field::Ek), design.cableBasis, error)) return error;
    const core::StoredFields fields(design);
    if (!catalogues::givesFieldTexts(design.stressBasis, catalogues::stressFieldTexts(fields))) {
        design.stressBasis = core::BasisNotGiven{};
        warnings << QStringLiteral("Dopusteni naponi u projektu ne slede iz zapisane osnove napona: osnova napona je "
                                   "\"nije navedeno\".");
    }
    if (!catalogues::givesFieldTexts(design.cableBasis, catalogues::cableFieldTexts(fields))) {
        design.cableBasis = core::BasisNotGiven{};
        warnings << QStringLiteral("Karakteristike kabla u projektu ne slede iz zapisane osnove kabla: osnova kabla je "
                                   "\"nije navedeno\".");
    }
    return {};
}

bool hasBasis(const Design& design) {
    return !std::holds_alternative<core::BasisNotGiven>(design.stressBasis) ||
           !std::holds_alternative<core::BasisNotGiven>(design.cableBasis);
}

void writeBases(const Design& design, QJsonObject& root) {
    if (!std::holds_alternative<core::BasisNotGiven>(design.stressBasis)) {
        root.insert(kStressBasisKey, basisObject(design.stressBasis));
    }
    if (!std::holds_alternative<core::BasisNotGiven>(design.cableBasis)) {
        root.insert(kCableBasisKey, basisObject(design.cableBasis));
    }
}

// The project data may be missing as a whole or in part: it is then empty.
QString readProject(const QJsonObject& root, ProjectData& project) {
    const QJsonValue value = root.value(kProjectKey);
    if (value.isUndefined()) return {};
    if (!value.isObject()) return QStringLiteral("Podaci o projektu nisu ispravno zapisani.");
    const QJsonObject object = value.toObject();
    QStringList known;
    for (const ProjectItem& item : kProjectItems) {
        const QString key = QString::fromLatin1(item.key);
        known << key;
        const QJsonValue text = object.value(key);
        if (text.isUndefined()) continue;
        if (!text.isString()) return QStringLiteral("Podatak %1 nije zapisan kao tekst pod navodnicima.").arg(key);
        const QString refusal = projectTextRefusal(key, text.toString(), item.multiLine);
        if (!refusal.isEmpty()) return refusal;
        project.*item.member = text.toString().toStdString();
    }
    if (const QString key = unknownKey(object, known); !key.isEmpty()) {
        return QStringLiteral("Nepoznat podatak o projektu %1.").arg(key);
    }
    return {};
}

// The engineer's number of cables; without it the design adopts the smallest admissible one.
QString readAdoptedCables(const QJsonObject& root, std::optional<int>& count) {
    const QJsonValue value = root.value(kAdoptedCablesKey);
    if (value.isUndefined()) return {};
    const double n = value.toDouble(0);
    if (!value.isDouble() || n < 1 || n > kAdoptedCablesMax || n != std::floor(n)) {
        return QStringLiteral("Usvojeni broj kablova nije ceo broj od 1 do %1.").arg(kAdoptedCablesMax);
    }
    count = static_cast<int>(n);
    return {};
}

void writeAdoptedCables(const std::optional<int>& count, QJsonObject& root) {
    if (count) root.insert(kAdoptedCablesKey, *count);
}

// "gubici": the inputs of the losses that gave m, as the losses window takes
// them; M_QP only where it was typed (otherwise it is Mg + Mp).
struct LossNumber {
    const char* key;
    double core::LossInputs::*member;
};
const LossNumber kLossNumbers[] = {{"RH", &core::LossInputs::RH}, {"t0", &core::LossInputs::t0},
                                   {"u", &core::LossInputs::u},   {"Ep", &core::LossInputs::Ep},
                                   {"fpk", &core::LossInputs::fpk}};
constexpr eurocode::CementClass kCements[] = {eurocode::CementClass::R, eurocode::CementClass::N,
                                              eurocode::CementClass::S};

QJsonObject lossesObject(const core::LossInputs& in) {
    QJsonObject object{{"klasaBetona", QString::fromStdString(in.concreteClass)},
                       {"cement", QString::fromLatin1(eurocode::cementName(in.cement).data())},
                       {"relaksacija", in.relaxation == eurocode::RelaxationClass::Class1 ? 1 : 2}};
    for (const LossNumber& n : kLossNumbers) object.insert(QString::fromLatin1(n.key), in.*n.member);
    if (in.M_QPTyped) object.insert("M_QP", in.M_QP);
    return object;
}

QString readLosses(const QJsonObject& root, std::optional<core::LossInputs>& losses) {
    const QJsonValue value = root.value(kLossesKey);
    if (value.isUndefined()) return {};
    const QString malformed = QStringLiteral("Podaci o gubicima sile (\"%1\") nisu ispravno zapisani.").arg(kLossesKey);
    if (!value.isObject()) return malformed;
    const QJsonObject object = value.toObject();
    QStringList known{"klasaBetona", "cement", "relaksacija", "M_QP"};
    core::LossInputs in;
    for (const LossNumber& n : kLossNumbers) {
        known << QString::fromLatin1(n.key);
        const QJsonValue number = object.value(QString::fromLatin1(n.key));
        if (!number.isDouble()) return malformed;
        in.*n.member = number.toDouble();
    }
    if (!unknownKey(object, known).isEmpty()) return malformed;
    in.concreteClass = object.value("klasaBetona").toString().toStdString();
    const QString cement = object.value("cement").toString();
    const auto* found = std::find_if(std::begin(kCements), std::end(kCements), [&](eurocode::CementClass c) {
        return cement == QString::fromLatin1(eurocode::cementName(c).data());
    });
    if (found == std::end(kCements)) return malformed;
    in.cement = *found;
    const QJsonValue relaxation = object.value("relaksacija");
    if (relaxation != QJsonValue(1) && relaxation != QJsonValue(2)) return malformed;
    in.relaxation = relaxation.toInt() == 1 ? eurocode::RelaxationClass::Class1 : eurocode::RelaxationClass::Class2;
    if (const QJsonValue M_QP = object.value("M_QP"); !M_QP.isUndefined()) {
        if (!M_QP.isDouble()) return malformed;
        in.M_QPTyped = true;
        in.M_QP = M_QP.toDouble();
    }
    // What the window would refuse, a class it does not know included.
    core::LossDesign oneCable;
    oneCable.n = 1;
    if (core::lossInputRefusal(in, oneCable)) return malformed;
    losses = in;
    return {};
}

const QString kHorizontalBranch = QStringLiteral("horizontalna");
const QString kInclinedBranch = QStringLiteral("kosa");

struct BendingNumber {
    const char* key;
    double core::BendingInputs::*member;
};
const BendingNumber kBendingNumbers[] = {
    {"alpha_cc", &core::BendingInputs::alpha_cc}, {"gamma_c", &core::BendingInputs::gamma_c},
    {"gamma_s", &core::BendingInputs::gamma_s},   {"Ep", &core::BendingInputs::Ep},
    {"eps_ud", &core::BendingInputs::eps_ud},
};
// Absent when not given: MEd is then the combination of the moments, a strength unknown.
struct BendingGiven {
    const char* key;
    std::optional<double> core::BendingInputs::*member;
};
const BendingGiven kBendingGiven[] = {
    {"MEd", &core::BendingInputs::MEd},
    {"fck", &core::BendingInputs::fck},
    {"fp0.1k", &core::BendingInputs::fp01k},
    {"fpk", &core::BendingInputs::fpk},
};

QJsonObject bendingObject(const core::BendingInputs& in) {
    QJsonObject object;
    for (const BendingNumber& n : kBendingNumbers) object.insert(QString::fromLatin1(n.key), in.*n.member);
    for (const BendingGiven& g : kBendingGiven) {
        if (in.*g.member) object.insert(QString::fromLatin1(g.key), *(in.*g.member));
    }
    object.insert(QStringLiteral("grana"),
                  in.branch == eurocode::UpperBranch::Inclined ? kInclinedBranch : kHorizontalBranch);
    return object;
}

// The inputs of the bending check, each in the range its window admits.
QString readBending(const QJsonObject& root, std::optional<core::BendingInputs>& bending) {
    const QJsonValue value = root.value(kBendingKey);
    if (value.isUndefined()) return {};
    if (!value.isObject()) return QStringLiteral("Podaci o nosivosti na savijanje nisu ispravno zapisani.");
    const QJsonObject object = value.toObject();
    core::BendingInputs in;
    QStringList known{QStringLiteral("grana")};
    auto number = [&](const char* key, double& to, bool required) -> QString {
        const QString name = QString::fromLatin1(key);
        known << name;
        const QJsonValue v = object.value(name);
        if (v.isUndefined() && !required) return {};
        if (!v.isDouble()) return QStringLiteral("Podatak o nosivosti %1 nije broj.").arg(name);
        to = v.toDouble();
        return {};
    };
    for (const BendingNumber& n : kBendingNumbers) {
        if (QString problem = number(n.key, in.*n.member, true); !problem.isEmpty()) return problem;
    }
    for (const BendingGiven& g : kBendingGiven) {
        double x = 0;
        if (QString problem = number(g.key, x, false); !problem.isEmpty()) return problem;
        if (object.contains(QString::fromLatin1(g.key))) in.*g.member = x;
    }
    if (in.MEd && *in.MEd < 0) return QStringLiteral("Podatak o nosivosti MEd ne moze biti negativan.");
    const QString branch = object.value(QStringLiteral("grana")).toString();
    if (branch != kHorizontalBranch && branch != kInclinedBranch) {
        return QStringLiteral("Podatak o nosivosti grana mora biti \"%1\" ili \"%2\".")
            .arg(kHorizontalBranch, kInclinedBranch);
    }
    in.branch = branch == kInclinedBranch ? eurocode::UpperBranch::Inclined : eurocode::UpperBranch::Horizontal;
    if (const QString key = unknownKey(object, known); !key.isEmpty()) {
        return QStringLiteral("Nepoznat podatak o nosivosti %1.").arg(key);
    }
    if (const auto refusal = core::bendingInputsRefusal(in)) return QString::fromStdString(refusal->message);
    bending = in;
    return {};
}

}  // namespace

QString projectTextRefusal(const QString& item, const QString& text, bool multiLine) {
    const int limit = multiLine ? kProjectNoteLimit : kProjectLineLimit;
    if (text.size() > limit) return QStringLiteral("Podatak %1 ima vise od %2 znakova.").arg(item).arg(limit);
    // The editing fields would change anything else: a line edit has no line
    // breaks, a text editor turns carriage returns into line feeds.
    for (QChar c : text) {
        const bool allowedBreak = multiLine && (c == '\n' || c == '\t');
        const auto category = c.category();
        const bool lineBreak = category == QChar::Separator_Line || category == QChar::Separator_Paragraph;
        if ((category == QChar::Other_Control && !allowedBreak) || lineBreak || c.isNonCharacter()) {
            return QStringLiteral("Podatak %1 sadrzi nedozvoljen znak (kod %2).").arg(item).arg(c.unicode());
        }
    }
    if (!text.isValidUtf16()) return QStringLiteral("Podatak %1 nije ispravan tekst.").arg(item);
    return {};
}

DesignFileReading parseDesignFile(const QByteArray& bytes) {
    if (bytes.size() > kDesignFileMaxSize) return refused(QStringLiteral("Datoteka je veca od 1 MiB."));
    QByteArray json = bytes;
    if (json.startsWith("\xEF\xBB\xBF")) json.remove(0, 3);  // a byte order mark some editors add
    if (!json.trimmed().startsWith('{')) return refused(kNotADesign);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        return refused(QStringLiteral("Zapis je neispravan ili nepotpun (greska kod bajta %1).").arg(error.offset));
    }
    const QJsonObject root = document.object();
    if (root.value(kFormatKey).toString() != kFormatTag) return refused(kNotADesign);
    Design design;
    QStringList warnings;
    for (const QString& problem : {readVersion(root), readInputs(root, design), readProject(root, design.project),
                                   readAdoptedCables(root, design.adoptedCables), readLosses(root, design.losses),
                                   readBending(root, design.bending), readBases(root, design, warnings)}) {
        if (!problem.isEmpty()) return refused(problem);
    }
    const QStringList keys{kFormatKey,        kVersionKey, kProjectKey,     kInputsKey,    kAdoptedCablesKey,
                           kLossesKey,        kBendingKey, kStressBasisKey, kCableBasisKey};
    if (const QString key = unknownKey(root, keys); !key.isEmpty()) {
        return refused(QStringLiteral("Nepoznat podatak %1.").arg(key));
    }
    return {design, {}, warnings};
}

DesignFileReading readDesignFile(const QString& path) {
    const QString name = QStringLiteral("Datoteku \"%1\" nije moguce otvoriti !\n").arg(QDir::toNativeSeparators(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return refused(name + QStringLiteral("Datoteka ne postoji ili se ne moze citati."));
    }
    // One byte more than allowed tells a file that is too large, even one
    // whose size the system does not know in advance.
    const QByteArray bytes = file.read(kDesignFileMaxSize + 1);
    if (file.error() != QFileDevice::NoError) return refused(name + QStringLiteral("Datoteka se ne moze procitati."));
    DesignFileReading reading = parseDesignFile(bytes);
    if (!reading.design) reading.error = name + reading.error;
    return reading;
}

QByteArray designFileBytes(const Design& design, QString* error) {
    QJsonObject inputs;
    for (int i = 0; i < core::kFieldCount; ++i) {
        const auto field = static_cast<core::Field>(i);
        inputs.insert(symbolOf(field), QString::fromStdString(design.text(field)));
    }
    QJsonObject project;
    for (const ProjectItem& item : kProjectItems) {
        project.insert(QString::fromLatin1(item.key), QString::fromStdString(design.project.*item.member));
    }
    // The object keeps its keys in sorted order, so the format tag and version come first.
    QJsonObject root{{kFormatKey, kFormatTag}, {kProjectKey, project}, {kInputsKey, inputs}};
    writeAdoptedCables(design.adoptedCables, root);
    if (design.losses) root.insert(kLossesKey, lossesObject(*design.losses));
    if (design.bending) root.insert(kBendingKey, bendingObject(*design.bending));
    writeBases(design, root);
    // A design with no part beyond the texts and the project reads as before.
    const bool newParts = design.adoptedCables || design.losses || design.bending || hasBasis(design);
    root.insert(kVersionKey, newParts ? kDesignFileVersion : kDesignFileFirstVersion);
    QByteArray bytes = QJsonDocument(root).toJson(QJsonDocument::Indented);
    const DesignFileReading back = parseDesignFile(bytes);
    if (back.design == design) return bytes;
    if (error) *error = back.error.isEmpty() ? QStringLiteral("Projekat se ne moze zapisati.") : back.error;
    return {};
}

}  // namespace ui
