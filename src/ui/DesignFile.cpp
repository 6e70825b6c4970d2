#include "ui/DesignFile.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <cmath>

#include "core/DesignInput.h"
#include "core/FieldTexts.h"

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

DesignFileReading refused(const QString& why) { return {std::nullopt, why}; }

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
        return QStringLiteral("Projekat je zapisan u formatu verzije %1, a program cita samo verzije 1 do %2.")
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
    for (const QString& problem : {readVersion(root), readInputs(root, design), readProject(root, design.project),
                                   readAdoptedCables(root, design.adoptedCables)}) {
        if (!problem.isEmpty()) return refused(problem);
    }
    if (const QString key = unknownKey(root, {kFormatKey, kVersionKey, kProjectKey, kInputsKey, kAdoptedCablesKey});
        !key.isEmpty()) {
        return refused(QStringLiteral("Nepoznat podatak %1.").arg(key));
    }
    return {design, {}};
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
    const qsizetype version1Keys = root.size();
    writeAdoptedCables(design.adoptedCables, root);
    // Only a part beyond the texts and the project data makes it version 2.
    root.insert(kVersionKey, root.size() > version1Keys ? 2 : 1);
    QByteArray bytes = QJsonDocument(root).toJson(QJsonDocument::Indented);
    const DesignFileReading back = parseDesignFile(bytes);
    if (back.design == design) return bytes;
    if (error) *error = back.error.isEmpty() ? QStringLiteral("Projekat se ne moze zapisati.") : back.error;
    return {};
}

}  // namespace ui
