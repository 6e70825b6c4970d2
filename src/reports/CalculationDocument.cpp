#include "reports/CalculationDocument.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

#include "core/BendingInputsCheck.h"
#include "core/BendingStart.h"
#include "core/CableCount.h"
#include "core/EdgeStresses.h"
#include "core/ForceBounds.h"
#include "core/NumberText.h"
#include "drawing/CrossSectionDrawing.h"
#include "drawing/MagnelDiagram.h"
#include "catalogues/MaterialBasisCheck.h"
#include "reports/MaterialsText.h"
#include "reports/LossesText.h"
#include "reports/BendingText.h"
#include "reports/CablesText.h"
#include "reports/Reports.h"
#include "reports/StressCheckText.h"

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
    bool adoptedByEngineer = false;
    core::WholeCableAdoption cables;
    core::EdgeStresses stresses;      // at the force of the adopted cables
    std::array<bool, 4> exceeded{};  // Gb1_0, Gb2_0, Gb1_bes, Gb2_bes
};

Results workOut(const core::MainFields& fields, std::optional<int> adopted) {
    Results d;
    d.v = core::readDesignValues(fields);
    d.bounds = core::computeForceBounds(d.v);
    d.rangeHolds = core::hasAdmissibleForce(d.bounds);
    d.adoptedByEngineer = adopted.has_value();
    d.cables = core::adoptWholeCables(d.bounds, core::Zk0(d.v.cable.Fk, d.v.cable.Gk0), adopted);
    // With no admissible force the document adopts no count of its own; the engineer's is still checked.
    if (!d.rangeHolds && !adopted) d.cables.count.reset();
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

// Where m comes from: the losses it was worked out from, or typed.
void addEfficiency(Section& s, const core::Design& design) {
    s.blocks.push_back(TextLine{std::string(kLossesTitle), true});
    for (std::string& line : efficiencyLines(design)) s.blocks.push_back(TextLine{std::move(line)});
}

// Where the allowable stresses and the cable come from. A basis is printed
// only while the fields hold what it gives, so every derivation ends at the
// numbers of the table above.
void addMaterials(Section& s, const core::Design& design, const core::MainFields& fields,
                  const core::SectionDimensions& section) {
    using catalogues::givesFieldTexts;
    const core::StressBasis stress = givesFieldTexts(design.stressBasis, catalogues::stressFieldTexts(fields))
                                         ? design.stressBasis
                                         : core::BasisNotGiven{};
    const core::CableBasis cable = givesFieldTexts(design.cableBasis, catalogues::cableFieldTexts(fields))
                                       ? design.cableBasis
                                       : core::BasisNotGiven{};
    s.blocks.push_back(TextLine{"Materijali", true});
    for (const std::string& line : concreteMaterialLines(stress)) s.blocks.push_back(TextLine{line});
    for (const std::string& line : cableMaterialLines(cable, section, design.text(Field::Ek))) {
        s.blocks.push_back(TextLine{line});
    }
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

// What a limit does to a positive force: a lower limit at or below zero
// restricts nothing, an upper one at or below zero admits none.
const char* limitMeaning(core::LimitKind kind, double N) {
    switch (kind) {
        case core::LimitKind::Upper: return N > 0 ? "gornja granica sile" : "iskljucuje svaku silu";
        case core::LimitKind::Lower: return N > 0 ? "donja granica sile" : "ne ogranicava silu";
        case core::LimitKind::None: return "ne ogranicava silu";
        case core::LimitKind::Excludes: return "iskljucuje svaku silu";
    }
    return "";
}

// "N1=1/q1= 3013.04 [kN]: gornja granica sile"
std::string limitLine(const core::ForceBounds& b, size_t i) {
    const std::string n = std::to_string(i + 1);
    return "N" + n + "=1/q" + n + "= " + force(b.limits()[i]) + " [kN]: " + limitMeaning(b.kinds[i], b.limits()[i]);
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

// The required count as the cable window shows it, with the quotient to two
// decimals where one decimal hides it: "3 (3.04)".
std::string requiredCount(const Results& d) {
    const double quotient = d.bounds.minNko / d.cables.Zk0;
    const double shown = core::cableCount(d.bounds.minNko, d.cables.Zk0);
    const std::string text = numberToText(shown);
    if (!std::isfinite(quotient) || core::Round(quotient, 2) == shown) return text;
    return text + " (" + roundedText(quotient, 2) + ")";
}

Section cablesSection(const Results& d) {
    if (!d.rangeHolds) {
        return {"4. Kablovi", {TextLine{"Nijedna sila prethodnog naprezanja nije dopustena: dopusteni opseg sile je "
                                        "prazan."}}};
    }
    const std::string undefined(core::kUndefinedText);
    Table t;
    t.rows = {
        {"Pocetna sila u jednom kablu Zko=", roundedText(d.cables.Zk0, 2), "[kN]"},
        {"Predlozena sila Nko=", core::startingForceText(d.bounds), "[kN]"},
        {"Potreban broj kablova n=Nk0/Zko=", requiredCount(d), ""},
        {"Usvojeni broj kablova n=", d.cables.count ? count(*d.cables.count) : undefined, "[komada]"},
        {"Sila usvojenih kablova Nk0=n*Zko=", d.cables.count ? force(d.cables.force) : undefined, "[kN]"},
        {"Dopusteni broj kablova:", cableRangeText(d.cables.admissible), ""},
    };
    t.columns = {kLabel, {Align::NumbersRight, false}, kUnit};  // "6", but "6 do 8"
    Section s{"4. Kablovi", {std::move(t)}};
    if (d.cables.count) {
        s.blocks.push_back(TextLine{d.adoptedByEngineer ? "Broj kablova usvojio je projektant."
                                                        : "Usvojen je najmanji dopusteni broj kablova."});
        s.blocks.push_back(TextLine{cableForceVerdict(d.bounds, d.cables)});
    }
    return s;
}

const char* const kEdgeNames[] = {"Gb1,0", "Gb2,0", "Gb1,bes", "Gb2,bes"};

// Which edges fail, in one line.
std::string failingEdges(const std::array<bool, 4>& exceeded) {
    std::string names;
    for (size_t i = 0; i < exceeded.size(); ++i) {
        if (exceeded[i]) names += (names.empty() ? "" : ", ") + std::string(kEdgeNames[i]);
    }
    if (names.empty()) return "Svi naponi su u dopustenim granicama.";
    return "Dopusteni naponi su prekoraceni: " + names + ".";
}

// Each edge stress with symbols, with the numbers put in, then its limit and verdict.
Section stressSection(const core::MainFields& fields, const Results& d) {
    Section s{"5. Kontrola napona", {}};
    if (!d.cables.count) {
        s.blocks.push_back(TextLine{d.rangeHolds ? "Naponi se ne mogu proveriti: broj kablova nije odredjen."
                                                 : "Naponi se ne proveravaju: nijedna sila nije dopustena, a broj "
                                                   "kablova nije usvojen."});
        return s;
    }
    s.blocks.push_back(TextLine{"Pri sili usvojenih kablova n= " + count(*d.cables.count) + ", Nk0=n*Zko= " +
                                force(d.cables.force) + " [kN], Nkbes=m*Nk0= " + force(d.stresses.Nkbes) + " [kN]:"});
    s.blocks.push_back(TextLine{stressValuesLine(d.v, d.bounds)});
    const std::vector<StressRow> rows = stressRows(fields, d.stresses);
    const std::array<StressFormula, 4> formulas = stressFormulas(d.v, d.bounds, d.stresses);
    for (size_t i = 0; i < rows.size(); ++i) {
        s.blocks.push_back(TextLine{formulas[i].symbols});
        s.blocks.push_back(TextLine{formulas[i].numbers});
        s.blocks.push_back(TextLine{rows[i].stress + " " + rows[i].allowable + ": " +
                                    (d.exceeded[i] ? "ne zadovoljava" : "zadovoljava")});
    }
    s.blocks.push_back(TextLine{failingEdges(d.exceeded), true});
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
            text += "Granica N" + n + " je nedefinisana: uslov " + n + " iskljucuje svaku silu. ";
        }
    }
    return text;
}

std::string verdict(const Results& d) {
    if (!d.rangeHolds) {
        return "Dopusteni opseg sile prethodnog naprezanja je prazan: nijedna sila ne zadovoljava sva cetiri "
               "uslova. Presek ne zadovoljava.";
    }
    if (!d.cables.count) return "Broj kablova se ne moze odrediti: sila u jednom kablu nije veca od nule.";
    const std::string adopted = "Usvojeni broj kablova: " + count(*d.cables.count) + ", sila Nk0= " +
                                force(d.cables.force) + " [kN].";
    if (d.cables.check != core::Nk0Check::Admissible) {
        const std::string range = d.cables.admissible
                                      ? "; dopusteni broj kablova: " + cableRangeText(d.cables.admissible)
                                      : " i nijedan ceo broj kablova ove vrste ne daje dopustenu silu";
        return adopted + " Ova sila je van dopustenog opsega" + range + ". Presek ne zadovoljava.";
    }
    if (std::find(d.exceeded.begin(), d.exceeded.end(), true) != d.exceeded.end()) {
        return adopted + " Dopusteni naponi su prekoraceni. Presek ne zadovoljava.";
    }
    return adopted + " Presek zadovoljava sve uslove.";
}

std::string conclusion(const Results& d) { return undefinedLimits(d.bounds) + verdict(d); }

// The ultimate limit state in bending with the engineer's cables, or the
// smallest admissible whole number of them; none when there is no count or
// the count gives no steel.
struct Bending {
    double n = 0;
    core::BendingInputs inputs;
};
std::optional<Bending> bending(const core::Design& design, const Results& d) {
    const std::optional<double> n = design.adoptedCables ? std::optional<double>(*design.adoptedCables)
                                                         : d.cables.count;
    if (!n || core::bendingRefusal(*n, d.v.cable.Fk, {})) return std::nullopt;
    return Bending{*n, core::bendingInputsFor(design.bending, design.stressBasis, design.cableBasis)};
}

Section bendingSection(const std::optional<Bending>& b, const Results& d) {
    Section s{std::string(kBendingSectionTitle), {}};
    if (!b) {
        s.blocks.push_back(TextLine{"Broj kablova se ne moze odrediti, pa se MRd ne racuna."});
        return s;
    }
    for (std::string& line : bendingLines(d.v, b->n, b->inputs)) s.blocks.push_back(TextLine{std::move(line)});
    return s;
}

// The project data in full, each item that is given on its own line, the
// note with its line breaks.
std::vector<Block> projectBlocks(const core::ProjectData& p) {
    std::vector<Block> blocks;
    const std::pair<const char*, const std::string&> lines[] = {
        {"Projekat: ", p.projekat}, {"Element: ", p.element}, {"Projektant: ", p.projektant}};
    for (const auto& [label, value] : lines) {
        if (!value.empty()) blocks.push_back(TextLine{label + value});
    }
    if (!p.napomena.empty()) blocks.push_back(Paragraph{"Napomena: " + p.napomena});
    return blocks;
}

}  // namespace

CalculationDocument calculationDocument(const core::Design& design, DocumentHeader header) {
    const core::StoredFields fields(design);  // as the windows' rows read them
    const Results d = workOut(fields, design.adoptedCables);
    CalculationDocument doc;
    doc.header = std::move(header);
    doc.title = "Proracun prethodno napregnutog preseka";
    doc.project = projectBlocks(design.project);
    doc.sections.push_back(inputSection(design));
    addMaterials(doc.sections.back(), design, fields, d.v.section);
    addEfficiency(doc.sections.back(), design);
    doc.sections.push_back(sectionPropertiesSection(d));
    doc.sections.push_back(forceBoundsSection(d));
    doc.sections.push_back(cablesSection(d));
    doc.sections.push_back(stressSection(fields, d));
    if (!design.bending) {
        doc.sections.push_back({"6. Zakljucak", {Paragraph{conclusion(d)}}});
        return doc;
    }
    const std::optional<Bending> b = bending(design, d);
    const std::string bendingVerdict =
        b ? bendingConclusion(d.v, b->n, b->inputs)
          : "Granicno stanje nosivosti - savijanje (poglavlje 7): nosivost nije dokazana.";
    doc.sections.push_back({"6. Zakljucak", {Paragraph{conclusion(d) + " " + bendingVerdict}}});
    doc.sections.push_back(bendingSection(b, d));
    return doc;
}

}  // namespace reports
