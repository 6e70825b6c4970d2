#include "reports/MaterialsText.h"

#include <algorithm>
#include <cmath>

#include "catalogues/CableCatalogue.h"
#include "catalogues/ConcreteEN.h"
#include "catalogues/MaterialBasisCheck.h"
#include "catalogues/StrandTendonEN.h"
#include "core/NumberText.h"
#include "core/SectionProperties.h"

namespace reports {
namespace {

// Intermediate values to four significant digits, enough to follow the arithmetic by hand.
std::string fourDigits(double x) { return core::significantText(x, 4); }

using core::numberToText;
using core::roundedText;

constexpr const char* kStressesNotGiven = "Dopusteni naponi u betonu: nije navedeno";
constexpr const char* kCableNotGiven = "Kabl: nije navedeno";
constexpr double kHighStrengthFrom = 50;  // MPa: Table 3.1 writes fctm otherwise above C50/60

std::string fctmFormula(double fck, const char* strength) {
    const std::string s = strength;
    if (fck <= kHighStrengthFrom) return "0.30 x " + s + "^(2/3)";
    return "2.12 x ln(1 + (" + s + " + 8)/10)";
}

// "uze", "uzeta", "uzadi" as the number asks.
std::string strandsWord(int n) {
    if (n % 10 == 1 && n % 100 != 11) return "uze";
    if (n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 12 || n % 100 > 14)) return "uzeta";
    return "uzadi";
}

std::vector<std::string> lines(const core::BasisNotGiven&) { return {kStressesNotGiven}; }

std::vector<std::string> lines(const core::CustomStressBasis&) {
    return {"Dopusteni naponi u betonu: proizvoljne vrednosti"};
}

std::vector<std::string> lines(const core::MbTableBasis& b) {
    const char* compression = b.compression == core::ServiceCompressionRow::Row111 ? "1.11" : "1.12";
    const char* tension = b.tension == core::ServiceTensionRow::Row211 ? "2.11" : "2.12";
    return {"Beton MB" + std::to_string(b.mb) + ", dopusteni naponi iz tablice (redovi " + compression + ", 1.13, " +
            tension + ", 2.2)"};
}

std::string strengthAtTransfer(const core::ConcreteENBasis& b, const catalogues::ConcreteENValues& v) {
    if (b.fckT) {
        return "fck(t) = " + numberToText(*b.fckT) + " MPa (zadato, iz ispitivanja), fctm(t) = " +
               fctmFormula(v.fck_t, "fck(t)") + " = " + fourDigits(v.fctm_t) + " MPa (Tablica 3.1)";
    }
    if (b.transferAge >= 28) {
        return "starost od 28 dana i vise: fck(t) = fck = " + fourDigits(v.fck) + " MPa, fctm(t) = fctm = " +
               fourDigits(v.fctm) + " MPa (3.1.2)";
    }
    const std::string beta = fourDigits(*v.beta_cc);
    return "beta_cc(t) = exp(" + numberToText(eurocode::s(b.cement)) + " x (1 - sqrt(28/" +
           std::to_string(b.transferAge) + "))) = " + beta + ", fcm(t) = " + beta + " x " + fourDigits(v.fcm) +
           " = " + fourDigits(v.fcm_t) + " MPa, fck(t) = fcm(t) - 8 = " + fourDigits(v.fck_t) + " MPa, fctm(t) = " +
           beta + " x " + fourDigits(v.fctm) + " = " + fourDigits(v.fctm_t) + " MPa (3.1.2)";
}

std::vector<std::string> lines(const core::ConcreteENBasis& b) {
    const auto v = catalogues::concreteENValues(b);
    if (!v) return {kStressesNotGiven};
    const catalogues::StressFieldTexts limits = catalogues::stressFieldTexts(*v);
    const std::string k6 = numberToText(b.k6), k1 = numberToText(b.k1);
    const std::string fckT = b.fckT ? numberToText(*b.fckT) : fourDigits(v->fck_t);  // a typed value as typed
    // Up to 0.45 fck in service creep stays linear (7.2(3)); above, 7.2(2) bounds it.
    const char* serviceClause = b.k1 <= 0.45 ? "7.2(3)" : "7.2(2)";
    return {
        "Beton " + b.concreteClass + " (SRPS EN 1992-1-1), prenos u starosti " + std::to_string(b.transferAge) +
            " dana, cement klase " + std::string(eurocode::cementName(b.cement)),
        "fck = " + fourDigits(v->fck) + " MPa, fcm = fck + 8 = " + fourDigits(v->fcm) + " MPa, fctm = " +
            fctmFormula(v->fck, "fck") + " = " + fourDigits(v->fctm) + " MPa, Ecm = 22 x (fcm/10)^0.3 = " +
            fourDigits(v->Ecm) + " GPa (Tablica 3.1)",
        strengthAtTransfer(b, *v),
        "Gbdo = " + k6 + " x fck(t) = " + k6 + " x " + fckT + " = " + limits.Gbd0 +
            " MPa (5.10.2.2(5))",
        b.noTensionAtTransfer ? "Gbzo = 0 MPa, bez zatezanja pri prenosu"
                              : "Gbzo = fctm(t) = " + limits.Gbz0 + " MPa (7.1(2))",
        "Gbdbes = " + k1 + " x fck = " + k1 + " x " + fourDigits(v->fck) + " = " + limits.Gbdbes + " MPa (" +
            serviceClause + ")",
        b.noTensionInService ? "Gbzbes = 0 MPa, dekompresija (7.3.2(4), Tablica 7.1N)"
                             : "Gbzbes = fctm = " + limits.Gbzbes + " MPa (7.1(2), 7.3.2(4))",
        "Granicni naponi su zaokruzeni nanize na dve decimale.",
    };
}

std::string typedEccentricity(std::string_view ek) { return "ek = " + std::string(ek) + " cm (zadato)"; }

std::vector<std::string> lines(const core::BasisNotGiven&, const core::SectionDimensions&, std::string_view) {
    return {kCableNotGiven};
}

std::vector<std::string> lines(const core::CustomCableBasis&, const core::SectionDimensions&, std::string_view) {
    return {"Kabl: proizvoljne vrednosti"};
}

std::string catalogueEccentricity(const core::SectionDimensions& s, std::string_view ek) {
    if (ek != numberToText(catalogues::recommendedEccentricity(s))) return typedEccentricity(ek);
    if (s.d1 != 0) {
        return "ek = Yb1 - d1/2 = " + numberToText(core::centroidHeight(s)) + " - " + numberToText(s.d1) +
               "/2 = " + std::string(ek) + " cm";
    }
    return "ek = (d2 + b)/10 = (" + numberToText(s.d2) + " + " + numberToText(s.b) + ")/10 = " + std::string(ek) +
           " cm";
}

std::vector<std::string> lines(const core::ImsCableBasis& b, const core::SectionDimensions& s, std::string_view ek) {
    const auto type = catalogues::imsCableType(b);
    if (!type) return {kCableNotGiven};
    const catalogues::AdoptedCable cable = catalogues::basProracunKarakteristikaUsvojenogKabla(*type, b.k);
    const catalogues::AdoptedCableTexts texts = catalogues::adoptedCableTexts(cable);
    const auto& wire = catalogues::wireStrengths()[static_cast<std::size_t>(type->wireColumn)];
    return {
        "Kabl: IMS tip " + std::string(type->label) + ", " + std::string(type->wires) + ", Fk = " +
            std::string(type->area) + " mm2 = " + texts.Fk + " cm2",
        "Gm = " + std::string(wire.strength) + " MPa (cvrstoca zice fi " + std::string(wire.diameter) +
            "), G02 = " + numberToText(b.k) + " x Gm = " + texts.G02 +
            " MPa, Gko = min(0.85 x G02; 0.7 x Gm) = min(" + numberToText(0.85 * cable.G02) + "; " +
            numberToText(0.7 * cable.Gm) + ") = " + texts.Gk0 + " MPa",
        catalogueEccentricity(s, ek),
    };
}

std::vector<std::string> lines(const core::StrandTendonBasis& b, const core::SectionDimensions&, std::string_view) {
    const auto v = catalogues::strandTendonValues(b);
    if (!v) return {kCableNotGiven};
    const catalogues::TendonFieldTexts texts = catalogues::tendonFieldTexts(*v);
    const std::string fpk = numberToText(v->strand.fpk), fp01k = roundedText(v->fp01k, 2);
    return {
        "Kabl: " + std::to_string(b.strands) + " " + strandsWord(b.strands) + " " + std::string(v->strand.name) +
            " (EN 10138-3), Fk = " + texts.Fk + " cm2, Gko = min(" + numberToText(b.k7) + " x " + fpk + "; " +
            numberToText(b.k8) + " x " + fp01k + ") = " + texts.Gk0 + " MPa (5.10.3(2))",
        "Uze: Ap = " + numberToText(v->strand.Ap) + " mm2, fpk = " + fpk + " MPa, fp0.1k = Fp0.1k/Ap = " +
            numberToText(v->strand.Fp01k) + " kN / " + numberToText(v->strand.Ap) + " mm2 = " + fp01k +
            " MPa; na presi sigma_p,max = min(" + numberToText(catalogues::kJackK1) + " x " + fpk + "; " +
            numberToText(catalogues::kJackK2) + " x " + fp01k + ") = " + roundedText(v->sigma_pmax, 2) +
            " MPa (5.10.2.1)",
        typedEccentricity(b.ek),
    };
}

}  // namespace

std::vector<std::string> concreteMaterialLines(const core::StressBasis& basis) {
    return std::visit([](const auto& b) { return lines(b); }, basis);
}

std::vector<std::string> cableMaterialLines(const core::CableBasis& basis, const core::SectionDimensions& section,
                                            std::string_view ek) {
    return std::visit([&](const auto& b) { return lines(b, section, ek); }, basis);
}

}  // namespace reports
