#include "reports/StressCheckText.h"

#include "core/NumberText.h"

namespace reports {
namespace {

using core::formatTwoDecimals;
using core::numberToText;
using core::roundedText;
using core::significantText;

struct Values {
    std::string A, ek, kb1, kb2, Wb1, Wb2, Mmin, Mmax;
};

Values valuesOf(const core::DesignValues& v, const core::ForceBounds& b) {
    const core::SectionInMetres& w = b.working;
    return {significantText(b.section.A * 1e-4),
            numberToText(v.cable.ek),
            significantText(w.kb1 * 1e2),
            significantText(w.kb2 * 1e2),
            significantText(w.Wb1),
            significantText(w.Wb2),
            formatTwoDecimals(b.Mmin),
            formatTwoDecimals(b.Mmax)};
}

}  // namespace

std::array<StressFormula, 4> stressFormulas(const core::DesignValues& v, const core::ForceBounds& bounds,
                                            const core::EdgeStresses& s) {
    const Values x = valuesOf(v, bounds);
    const std::string N0 = roundedText(s.Nk0, 2);
    const std::string Nbes = roundedText(s.Nkbes, 2);
    // The bottom edge loses what the moment puts on it, the top edge gains it.
    auto bottom = [](const std::string& N, const std::string& A, const std::string& ek, const std::string& kb2,
                     const std::string& M, const std::string& W) {
        return "(" + N + "/" + A + "*(1+" + ek + "/" + kb2 + ")-" + M + "/" + W + ")*10^-3";
    };
    auto top = [](const std::string& N, const std::string& A, const std::string& ek, const std::string& kb1,
                  const std::string& M, const std::string& W) {
        return "(" + M + "/" + W + "+" + N + "/" + A + "*(1-" + ek + "/" + kb1 + "))*10^-3";
    };
    auto result = [](double G) { return "= " + roundedText(G, 2) + " [MPa]"; };
    return {{
        {"Gb1,0=" + bottom("Nk0", "A", "ek", "kb2", "Mmin", "Wb1"),
         "Gb1,0=" + bottom(N0, x.A, x.ek, x.kb2, x.Mmin, x.Wb1) + result(s.Gb1_0)},
        {"Gb2,0=" + top("Nk0", "A", "ek", "kb1", "Mmin", "Wb2"),
         "Gb2,0=" + top(N0, x.A, x.ek, x.kb1, x.Mmin, x.Wb2) + result(s.Gb2_0)},
        {"Gb1,bes=" + bottom("Nkbes", "A", "ek", "kb2", "Mmax", "Wb1"),
         "Gb1,bes=" + bottom(Nbes, x.A, x.ek, x.kb2, x.Mmax, x.Wb1) + result(s.Gb1_bes)},
        {"Gb2,bes=" + top("Nkbes", "A", "ek", "kb1", "Mmax", "Wb2"),
         "Gb2,bes=" + top(Nbes, x.A, x.ek, x.kb1, x.Mmax, x.Wb2) + result(s.Gb2_bes)},
    }};
}

std::string stressValuesLine(const core::DesignValues& v, const core::ForceBounds& bounds) {
    const Values x = valuesOf(v, bounds);
    return "Vrednosti u naponima: A= " + x.A + " [m2], ek= " + x.ek + " [cm], kb1= " + x.kb1 + " [cm], kb2= " +
           x.kb2 + " [cm], Wb1= " + x.Wb1 + " [m3], Wb2= " + x.Wb2 + " [m3]";
}

}  // namespace reports
