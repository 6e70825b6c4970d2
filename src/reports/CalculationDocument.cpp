#include "reports/CalculationDocument.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/CableCount.h"
#include "core/EdgeStresses.h"
#include "core/ForceBounds.h"
#include "core/NumberText.h"
#include "drawing/CrossSectionDrawing.h"
#include "drawing/MagnelDiagram.h"
#include "reports/Reports.h"

namespace reports {
namespace {

using core::Field;
using core::formatTwoDecimals;
using core::numberToText;
using core::roundedText;
using core::significantText;

std::string force(double N) { return roundedText(N, 2); }

// A whole number of cables counted as a double, so that no design overflows it.
std::string count(double n) { return numberToText(n); }

// Label, value and unit, as most tables are grouped.
constexpr Column kLabel{Align::Left, false};
constexpr Column kValue{Align::Right, false};
constexpr Column kUnit{Align::Left, true};
const std::vector<Column> kLabelValueUnit{kLabel, kValue, kUnit};

// Everything the sections write, worked out once.
struct Results {
    core::DesignValues v;
    core::ForceBounds bounds;
    bool rangeHolds = false;  // some force satisfies all four conditions
    core::WholeCableAdoption cables;
    core::EdgeStresses stresses;      // at the force of the adopted cables
    std::array<bool, 4> exceeded{};  // Gb1_0, Gb2_0, Gb1_bes, Gb2_bes
};

Results workOut(const core::MainFields& fields) {
    Results d;
    d.v = core::readDesignValues(fields);
    d.bounds = core::computeForceBounds(d.v);
    d.rangeHolds = core::hasAdmissibleForce(d.bounds);
    d.cables = core::adoptWholeCables(d.bounds, core::Zk0(d.v.cable.Fk, d.v.cable.Gk0));
    if (d.cables.count) {
        d.stresses = core::computeEdgeStresses(d.v, d.cables.force, core::MeanStress::OverSquareMetres);
        d.exceeded = core::exceededEdges(d.stresses, d.v.allowable);
    }
    return d;
}

Section inputSection(const core::Design& design) {
    auto cells = [&](const char* label, Field field, const char* unit) -> std::vector<std::string> {
        return {label, design.text(field), unit};
    };
    auto row = [](std::vector<std::string> a, std::vector<std::string> b, std::vector<std::string> c) {
        a.insert(a.end(), b.begin(), b.end());
        a.insert(a.end(), c.begin(), c.end());
        return a;
    };
    const std::vector<std::string> none{"", "", ""};
    Table t;
    t.rows = {
        row(cells("b=", Field::B, "[cm]"), cells("Mg=", Field::Mg, "[kNm]"), cells("Gbdo=", Field::Gbd0, "[MPa]")),
        row(cells("b1=", Field::B1, "[cm]"), cells("Mp=", Field::Mp, "[kNm]"), cells("Gbzo=", Field::Gbz0, "[MPa]")),
        row(cells("b2=", Field::B2, "[cm]"), cells("Ms=", Field::Ms, "[kNm]"),
            cells("Gbdbes=", Field::Gbdbes, "[MPa]")),
        row(cells("d1=", Field::D1, "[cm]"), cells("m=", Field::M, ""), cells("Gbzbes=", Field::Gbzbes, "[MPa]")),
        row(cells("d2=", Field::D2, "[cm]"), cells("Fk=", Field::Fk, "[cm2]"), cells("ek=", Field::Ek, "[cm]")),
        row(cells("d3=", Field::D3, "[cm]"), cells("Gko=", Field::Gk0, "[MPa]"), none),
    };
    t.columns = {kLabel, kValue, kUnit, kLabel, kValue, kUnit, kLabel, kValue, kUnit};
    return {"1. Ulazni podaci", {std::move(t)}};
}

// The values the cable report lists, written as it writes them.
Section sectionPropertiesSection(const Results& d) {
    const core::SectionProperties& p = d.bounds.section;
    const core::SectionInMetres& w = d.bounds.working;
    Table t;
    t.rows = {
        {"A=", formatTwoDecimals(p.A), "[cm2]"},         {"yb1=", formatTwoDecimals(p.yb1), "[cm]"},
        {"yb2=", formatTwoDecimals(p.yb2), "[cm]"},      {"Ib=", formatTwoDecimals(p.Ib), "[cm4]"},
        {"Wb1=", formatTwoDecimals(w.Wb1 * 1e6), "[cm3]"}, {"Wb2=", formatTwoDecimals(w.Wb2 * 1e6), "[cm3]"},
        {"kb1=", formatTwoDecimals(w.kb1 * 1e2), "[cm]"},  {"kb2=", formatTwoDecimals(w.kb2 * 1e2), "[cm]"},
    };
    t.columns = kLabelValueUnit;
    Figure figure{drawing::crossSectionDrawing(d.v), 5000, 5000, "Slika 1. Poprecni presek"};
    return {"2. Geometrijske karakteristike preseka", {TableBesideFigure{std::move(t), std::move(figure)}}};
}

// Each condition once more with the numbers put in, in the units of the
// computation (m, m3, kNm, MPa), its value and its force limit.
std::vector<std::string> substitutedConditions(const Results& d) {
    const core::SectionInMetres& w = d.bounds.working;
    const core::AllowableStresses& g = d.v.allowable;
    const core::ForceBounds& b = d.bounds;
    const std::string e = numberToText(w.e);
    const std::string kb1 = significantText(w.kb1);
    const std::string kb2 = significantText(w.kb2);
    const std::string Wb1 = significantText(w.Wb1);
    const std::string Wb2 = significantText(w.Wb2);
    const std::string Mmin = formatTwoDecimals(b.Mmin);
    const std::string Mmax = formatTwoDecimals(b.Mmax);
    const std::string m = numberToText(d.v.m);
    auto value = [](double q) { return "= " + roundedText(q, 12) + " [1/kN]"; };
    auto relation = [&](int condition) { return std::string(inverseRelation(b, condition)); };
    return {
        relation(1) + "(" + e + "+" + kb2 + ")/(" + Mmin + "+" + Wb1 + "*" + numberToText(g.Gbd0) + "*10^3)" +
            value(b.q1),
        relation(2) + "(" + e + "-" + kb1 + ")/(" + Mmin + "+" + Wb2 + "*" + numberToText(g.Gbz0) + "*10^3)" +
            value(b.q2),
        relation(3) + m + "*[(" + e + "+" + kb2 + ")/(" + Mmax + "-" + Wb1 + "*" + numberToText(g.Gbzbes) +
            "*10^3)]" + value(b.q3),
        relation(4) + m + "*[(" + e + "-" + kb1 + ")/(" + Mmax + "-" + Wb2 + "*" + numberToText(g.Gbdbes) +
            "*10^3)]" + value(b.q4),
    };
}

const char* limitKindText(core::LimitKind kind) {
    switch (kind) {
        case core::LimitKind::Upper: return "gornja granica sile";
        case core::LimitKind::Lower: return "donja granica sile";
        case core::LimitKind::None: return "uslov ne ogranicava silu";
        case core::LimitKind::Excludes: return "uslov ne zadovoljava nijedna sila";
    }
    return "";
}

// "N1=1/q1= 3013.04 [kN]: gornja granica sile"
std::string limitLine(const core::ForceBounds& b, size_t i) {
    const std::string n = std::to_string(i + 1);
    return "N" + n + "=1/q" + n + "= " + force(b.limits()[i]) + " [kN]: " + limitKindText(b.kinds[i]);
}

std::string admissibleRangeText(const Results& d) {
    if (!d.rangeHolds) return "Dopusteni opseg sile: prazan, nijedna sila ne zadovoljava sva cetiri uslova";
    const std::string lower = force(d.bounds.minNko) + " [kN] <= Nk0";
    if (!std::isfinite(d.bounds.maxNko)) return "Dopusteni opseg sile: " + lower + " (nema gornje granice)";
    return "Dopusteni opseg sile: " + lower + " <= " + force(d.bounds.maxNko) + " [kN]";
}

Section forceBoundsSection(const Results& d) {
    const core::SectionInMetres& w = d.bounds.working;
    Section s{"3. Granice sile prethodnog naprezanja", {}};
    s.blocks.push_back(Table{{{"Mmin=", formatTwoDecimals(d.bounds.Mmin), "[kNm]"},
                              {"Mmax=", formatTwoDecimals(d.bounds.Mmax), "[kNm]"}},
                             kLabelValueUnit});
    s.blocks.push_back(TextLine{"Vrednosti u uslovima: e= " + numberToText(w.e) + " [m], kb1= " +
                                significantText(w.kb1) + " [m], kb2= " + significantText(w.kb2) +
                                " [m], Wb1= " + significantText(w.Wb1) + " [m3], Wb2= " + significantText(w.Wb2) +
                                " [m3]"});
    const std::vector<std::string> rows = conditionRows(d.bounds);
    const std::vector<std::string> substituted = substitutedConditions(d);
    for (size_t i = 0; i < rows.size(); ++i) {
        s.blocks.push_back(TextLine{rows[i]});
        s.blocks.push_back(TextLine{substituted[i]});
        s.blocks.push_back(TextLine{limitLine(d.bounds, i)});
    }
    s.blocks.push_back(TextLine{admissibleRangeText(d), true});
    // As the menu command refuses the diagram window for such a design.
    if (!d.rangeHolds || core::allowableStressesExceeded(d.v, d.bounds)) {
        s.blocks.push_back(TextLine{"Magnel-ov dijagram se ne crta: dopusteni naponi su prekoraceni."});
    } else {
        s.blocks.push_back(Figure{drawing::magnelDiagram(d.v), 7000, 7000, "Slika 2. Magnel-ov dijagram"});
    }
    return s;
}

std::string cableRangeText(const Results& d) {
    if (!d.cables.admissible) return "nema";
    const core::CableRange& r = *d.cables.admissible;
    if (!std::isfinite(r.last)) return count(r.first) + " i vise";
    if (r.first == r.last) return count(r.first);
    return count(r.first) + " do " + count(r.last);
}

std::string cableForceVerdict(const Results& d) {
    if (!d.rangeHolds) return "Sila usvojenih kablova nije dopustena: nijedna sila nije dopustena.";
    switch (d.cables.check) {
        case core::Nk0Check::Admissible:
            return "Sila usvojenih kablova je u dopustenom opsegu.";
        case core::Nk0Check::BelowLowerLimit:
            return "Sila usvojenih kablova nije dopustena: manja je od donje granice.";
        case core::Nk0Check::AboveUpperLimit:
            return "Sila usvojenih kablova nije dopustena: veca je od gornje granice.";
    }
    return {};
}

Section cablesSection(const Results& d) {
    const std::string undefined(core::kUndefinedText);
    Table t;
    t.rows = {
        {"Pocetna sila u jednom kablu Zko=", roundedText(d.cables.Zk0, 2), "[kN]"},
        {"Predlozena sila Nko=", core::startingForceText(d.bounds), "[kN]"},
        {"Potreban broj kablova m=Nk0/Z01=", numberToText(core::cableCount(d.bounds.minNko, d.cables.Zk0)), ""},
        {"Usvojeni broj kablova n=", d.cables.count ? count(*d.cables.count) : undefined, "[komada]"},
        {"Sila usvojenih kablova Nk0=n*Zko=", d.cables.count ? force(d.cables.force) : undefined, "[kN]"},
        {"Dopusteni broj kablova:", cableRangeText(d), ""},
    };
    t.columns = {kLabel, {Align::NumbersRight, false}, kUnit};  // "6", but "6 do 8"
    Section s{"4. Kablovi", {std::move(t)}};
    if (d.cables.count) s.blocks.push_back(TextLine{cableForceVerdict(d)});
    return s;
}

Section stressSection(const core::MainFields& fields, const Results& d) {
    Section s{"5. Kontrola napona", {}};
    if (!d.cables.count) {
        s.blocks.push_back(TextLine{"Naponi se ne mogu proveriti: broj kablova nije odredjen."});
        return s;
    }
    s.blocks.push_back(TextLine{"Pri sili usvojenih kablova Nk0= " + force(d.cables.force) +
                                " [kN], Nkbes=m*Nk0= " + force(d.stresses.Nkbes) + " [kN]:"});
    Table t;
    const std::vector<StressRow> rows = stressRows(fields, d.stresses);
    for (size_t i = 0; i < rows.size(); ++i) {
        t.rows.push_back({rows[i].stress, rows[i].allowable, d.exceeded[i] ? "ne zadovoljava" : "zadovoljava"});
    }
    s.blocks.push_back(std::move(t));
    return s;
}

// A condition whose eccentricity term is zero has no limit: say what it does instead.
std::string undefinedLimits(const core::ForceBounds& b) {
    std::string text;
    for (size_t i = 0; i < b.kinds.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        if (b.kinds[i] == core::LimitKind::None) {
            text += "Granica N" + n + " je nedefinisana: uslov " + n + " ne ogranicava silu. ";
        } else if (b.kinds[i] == core::LimitKind::Excludes) {
            text += "Granica N" + n + " je nedefinisana: uslov " + n + " ne zadovoljava nijedna sila. ";
        }
    }
    return text;
}

std::string verdict(const Results& d) {
    if (!d.rangeHolds) {
        return "Dopusteni opseg sile prethodnog naprezanja je prazan: nijedna sila ne zadovoljava sva cetiri "
               "uslova, pa se kablovi ne mogu usvojiti. Presek ne zadovoljava.";
    }
    if (!d.cables.count) return "Broj kablova se ne moze odrediti: sila u jednom kablu nije veca od nule.";
    const std::string adopted = "Usvojeni broj kablova: " + count(*d.cables.count) + ", sila Nk0= " +
                                force(d.cables.force) + " [kN].";
    if (!d.cables.admissible) {
        return adopted + " Ova sila je van dopustenog opsega i nijedan ceo broj kablova ove vrste ne daje "
                         "dopustenu silu. Presek ne zadovoljava.";
    }
    if (std::find(d.exceeded.begin(), d.exceeded.end(), true) != d.exceeded.end()) {
        return adopted + " Dopusteni naponi su prekoraceni. Presek ne zadovoljava.";
    }
    return adopted + " Presek zadovoljava sve uslove.";
}

std::string conclusion(const Results& d) { return undefinedLimits(d.bounds) + verdict(d); }

}  // namespace

CalculationDocument calculationDocument(const core::Design& design, DocumentHeader header) {
    const core::StoredFields fields(design);  // as the windows' rows read them
    const Results d = workOut(fields);
    CalculationDocument doc;
    doc.header = std::move(header);
    doc.title = "Proracun prethodno napregnutog preseka";
    doc.sections.push_back(inputSection(design));
    doc.sections.push_back(sectionPropertiesSection(d));
    doc.sections.push_back(forceBoundsSection(d));
    doc.sections.push_back(cablesSection(d));
    doc.sections.push_back(stressSection(fields, d));
    doc.sections.push_back({"6. Zakljucak", {Paragraph{conclusion(d)}}});
    return doc;
}

}  // namespace reports
