#include "ui/MaterialBasisFile.h"

#include <QJsonValue>
#include <QStringList>

#include <algorithm>
#include <climits>
#include <cmath>

#include "catalogues/AllowableStressTable.h"
#include "catalogues/MaterialBasisCheck.h"
#include "core/FieldTexts.h"
#include "eurocode/Concrete.h"
#include "eurocode/Strand.h"

namespace ui {
namespace {

using eurocode::CementClass;

const QString kKind = QStringLiteral("vrsta");
const QString kMbTable = QStringLiteral("tablica MB");
const QString kCustom = QStringLiteral("proizvoljno");
const QString kConcreteEN = QStringLiteral("SRPS EN 1992-1-1");
const QString kIms = QStringLiteral("IMS");
const QString kStrandEN = QStringLiteral("EN 10138-3");

QString quotedKey(const QString& key) { return QString::fromStdString(core::quoted(key.toStdString())); }

// The members of one basis object, each read once; the first fault found is kept.
class Members {
public:
    explicit Members(const QJsonObject& object) : object_(object) {}

    QString text(const char* key) {
        const QJsonValue v = take(key);
        if (!v.isString()) fail(v.isUndefined() ? missing(key) : QStringLiteral("%1 nije tekst").arg(quotedKey(key)));
        return v.toString();
    }
    double number(const char* key) {
        const QJsonValue v = take(key);
        if (!v.isDouble()) fail(v.isUndefined() ? missing(key) : QStringLiteral("%1 nije broj").arg(quotedKey(key)));
        return v.toDouble();
    }
    // A whole number that an int holds; its range is the window's to judge.
    int whole(const char* key) {
        const double v = number(key);
        if (std::floor(v) != v || std::fabs(v) > INT_MAX) fail(QStringLiteral("%1 nije ceo broj").arg(quotedKey(key)));
        return error_.isEmpty() ? static_cast<int>(v) : 0;
    }
    bool flag(const char* key) {
        const QJsonValue v = take(key);
        if (!v.isBool()) fail(v.isUndefined() ? missing(key) : QStringLiteral("%1 nije true ili false").arg(quotedKey(key)));
        return v.toBool();
    }
    bool has(const char* key) const { return object_.contains(QLatin1String(key)); }
    void fail(const QString& why) {
        if (error_.isEmpty()) error_ = why;
    }

    // The first fault, or a key that no member of this kind has.
    QString fault() {
        if (!error_.isEmpty()) return error_;
        for (auto it = object_.begin(); it != object_.end(); ++it) {
            if (!read_.contains(it.key())) return QStringLiteral("nepoznat podatak %1").arg(quotedKey(it.key()));
        }
        return {};
    }

private:
    QJsonValue take(const char* key) {
        read_ << QString::fromLatin1(key);
        return object_.value(QLatin1String(key));
    }
    static QString missing(const char* key) { return QStringLiteral("nedostaje %1").arg(quotedKey(key)); }

    QJsonObject object_;
    QStringList read_{kKind};
    QString error_;
};

QString latin(std::string_view s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

const char* rowName(core::ServiceCompressionRow r) { return r == core::ServiceCompressionRow::Row111 ? "1.11" : "1.12"; }
const char* rowName(core::ServiceTensionRow r) { return r == core::ServiceTensionRow::Row211 ? "2.11" : "2.12"; }

QJsonObject object(const core::BasisNotGiven&) { return {}; }
QJsonObject object(const core::CustomStressBasis&) { return {{kKind, kCustom}}; }
QJsonObject object(const core::CustomCableBasis&) { return {{kKind, kCustom}}; }

QJsonObject object(const core::MbTableBasis& b) {
    return {{kKind, kMbTable}, {"marka", b.mb}, {"pritisak", rowName(b.compression)}, {"zatezanje", rowName(b.tension)}};
}

QJsonObject object(const core::ConcreteENBasis& b) {
    QJsonObject o{{kKind, kConcreteEN},
                  {"klasa", QString::fromStdString(b.concreteClass)},
                  {"starostPriPrenosu", b.transferAge},
                  {"cement", latin(eurocode::cementName(b.cement))},
                  {"k6", b.k6},
                  {"k1", b.k1},
                  {"GbzoNula", b.noTensionAtTransfer},
                  {"GbzbesNula", b.noTensionInService}};
    if (b.fckT) o.insert("fckt", *b.fckT);
    return o;
}

QJsonObject object(const core::ImsCableBasis& b) {
    return {{kKind, kIms}, {"tip", QString::fromStdString(b.typeKey)}, {"k", b.k}};
}

QJsonObject object(const core::StrandTendonBasis& b) {
    return {{kKind, kStrandEN},
            {"uze", QString::fromStdString(b.strand)},
            {"brojUzadi", b.strands},
            {"k7", b.k7},
            {"k8", b.k8}};
}

core::MbTableBasis mbTable(Members& m) {
    core::MbTableBasis b;
    b.mb = m.whole("marka");
    const auto& classes = catalogues::kConcreteClasses;
    if (std::find(classes.begin(), classes.end(), b.mb) == classes.end()) m.fail(QStringLiteral("nepoznata marka betona"));
    const QString compression = m.text("pritisak"), tension = m.text("zatezanje");
    if (compression != "1.11" && compression != "1.12") m.fail(QStringLiteral("nepoznat red pritiska"));
    if (tension != "2.11" && tension != "2.12") m.fail(QStringLiteral("nepoznat red zatezanja"));
    b.compression = compression == "1.12" ? core::ServiceCompressionRow::Row112 : core::ServiceCompressionRow::Row111;
    b.tension = tension == "2.12" ? core::ServiceTensionRow::Row212 : core::ServiceTensionRow::Row211;
    return b;
}

core::ConcreteENBasis concreteEN(Members& m) {
    core::ConcreteENBasis b;
    b.concreteClass = m.text("klasa").toStdString();
    if (!eurocode::concreteClassNamed(b.concreteClass)) m.fail(QStringLiteral("nepoznata klasa betona"));
    b.transferAge = m.whole("starostPriPrenosu");
    const QString cement = m.text("cement");
    const CementClass cements[] = {CementClass::R, CementClass::N, CementClass::S};
    const auto found = std::find_if(std::begin(cements), std::end(cements),
                                    [&](CementClass c) { return cement == latin(eurocode::cementName(c)); });
    if (found == std::end(cements)) {
        m.fail(QStringLiteral("nepoznata klasa cementa"));
    } else {
        b.cement = *found;
    }
    if (m.has("fckt")) b.fckT = m.number("fckt");
    b.k6 = m.number("k6");
    b.k1 = m.number("k1");
    b.noTensionAtTransfer = m.flag("GbzoNula");
    b.noTensionInService = m.flag("GbzbesNula");
    return b;
}

core::ImsCableBasis imsCable(Members& m) {
    core::ImsCableBasis b;
    b.typeKey = m.text("tip").toStdString();
    if (!catalogues::imsCableType(b)) m.fail(QStringLiteral("nepoznat tip kabla"));
    b.k = m.number("k");
    return b;
}

core::StrandTendonBasis strandTendon(Members& m, const std::string& ek) {
    core::StrandTendonBasis b;
    b.strand = m.text("uze").toStdString();
    if (!eurocode::strandNamed(b.strand)) m.fail(QStringLiteral("nepoznato uze"));
    b.strands = m.whole("brojUzadi");
    b.k7 = m.number("k7");
    b.k8 = m.number("k8");
    b.ek = ek;
    return b;
}

// The kind and its members, or the reason in `error`.
template <class Basis, class ReadKind>
bool readObject(const QJsonValue& value, const char* name, Basis& basis, QString& error, ReadKind readKind) {
    const QString prefix = QStringLiteral("Osnova %1 nije ispravno zapisana: ").arg(QLatin1String(name));
    if (!value.isObject()) {
        error = prefix + QStringLiteral("nije objekat.");
        return false;
    }
    Members m(value.toObject());
    const QString kind = m.text("vrsta");
    Basis read = readKind(kind, m);
    if (const QString fault = m.fault(); !fault.isEmpty()) {
        error = prefix + fault + ".";
        return false;
    }
    basis = read;
    return true;
}

}  // namespace

QJsonObject basisObject(const core::StressBasis& basis) {
    return std::visit([](const auto& b) { return object(b); }, basis);
}

QJsonObject basisObject(const core::CableBasis& basis) {
    return std::visit([](const auto& b) { return object(b); }, basis);
}

bool readBasis(const QJsonValue& value, core::StressBasis& basis, QString& error) {
    return readObject(value, "napona", basis, error, [](const QString& kind, Members& m) -> core::StressBasis {
        if (kind == kMbTable) return mbTable(m);
        if (kind == kConcreteEN) return concreteEN(m);
        if (kind != kCustom) m.fail(QStringLiteral("nepoznata vrsta %1").arg(quotedKey(kind)));
        return core::CustomStressBasis{};
    });
}

bool readBasis(const QJsonValue& value, const std::string& ek, core::CableBasis& basis, QString& error) {
    return readObject(value, "kabla", basis, error, [&ek](const QString& kind, Members& m) -> core::CableBasis {
        if (kind == kIms) return imsCable(m);
        if (kind == kStrandEN) return strandTendon(m, ek);
        if (kind != kCustom) m.fail(QStringLiteral("nepoznata vrsta %1").arg(quotedKey(kind)));
        return core::CustomCableBasis{};
    });
}

}  // namespace ui
