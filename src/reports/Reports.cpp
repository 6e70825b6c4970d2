#include "reports/Reports.h"

#include <iterator>
#include <limits>
#include <type_traits>

#include "core/CableCount.h"
#include "core/ForceBounds.h"
#include "core/NumberText.h"
#include "core/SectionProperties.h"

namespace reports {
namespace {

using core::Field;
using core::formatTwoDecimals;
using core::numberToText;
using core::roundedText;

// A literal's length is known without counting.
template <size_t N>
std::string_view piece(const char (&literal)[N]) {
    return {literal, N - 1};
}
std::string_view piece(std::string_view text) { return text; }

// One row from its pieces, built in a single allocation.
template <class... Pieces>
std::string row(const Pieces&... pieces) {
    const std::string_view views[] = {piece(pieces)...};
    size_t size = 0;
    for (std::string_view v : views) size += v.size();
    std::string text;
    text.reserve(size);
    for (std::string_view v : views) text += v;
    return text;
}

// The side from which a condition bounds the force. Conditions 1 and 2 bound it
// from above and 3 and 4 from below until an eccentricity term turns negative
// and turns the condition round; a condition that bounds it from neither side
// keeps its usual relation.
bool boundsFromAbove(const core::ForceBounds& f, int condition) {
    const core::LimitKind kind = f.kinds[static_cast<size_t>(condition - 1)];
    if (kind == core::LimitKind::Upper) return true;
    if (kind == core::LimitKind::Lower) return false;
    return condition <= 2;
}

const char* relation(const core::ForceBounds& f, int condition) {
    return boundsFromAbove(f, condition) ? "Nk0<= " : "Nk0>= ";
}

std::string conditionRow(const char* condition, const core::ForceBounds& f, int number, double q) {
    return row(inverseRelation(f, number), condition, roundedText(q, 12), "  ", relation(f, number),
               roundedText(1 / q, 2), " [kN]");
}

// The window proposes no force when no lower limit is finite; then there is no
// count either, where a lone point typed counts as zero like any other text.
double forceValue(const std::string& forceText) {
    if (forceText == core::kUndefinedText) return std::numeric_limits<double>::quiet_NaN();
    return core::numericValue(forceText);
}

}  // namespace

std::vector<std::string> cableRows(const core::MainFields& fields, const core::DesignValues& v,
                                   const core::ForceBounds& f, std::string_view forceText) {
    const core::SectionProperties& p = f.section;
    const core::SectionInMetres& w = f.working;
    const double Zk0 = core::Zk0(v.cable.Fk, v.cable.Gk0);
    const std::string force(forceText);
    std::vector<std::string> conditions = conditionRows(f);

    std::string rows[] = {
        "Staticki uticaji",
        row("Mmin= ", formatTwoDecimals(f.Mmin), " [kNm]"),
        row("Mmax= ", formatTwoDecimals(f.Mmax), " [kNm]"),
        "",
        "Granice pocetne sile prethodnog naprezanja",
        std::move(conditions[0]),
        std::move(conditions[1]),
        std::move(conditions[2]),
        std::move(conditions[3]),
        "",
        "Koeficijent efikasnosti prethodnog naprezanja",
        row("m= ", fields.text(Field::M)),
        "",
        "Ekscentricitet kablova",
        row("ek= ", fields.text(Field::Ek), " [cm]"),
        "",
        "Karakteristike jednog kabla",
        row("Fk= ", fields.text(Field::Fk), " [cm2]"),
        row("Gko= ", fields.text(Field::Gk0), " [MPa]"),
        row("Zko= ", roundedText(Zk0, 2), " [kN]"),
        "",
        "Pocetna sila prethodnog naprezanja",
        row("Nko= ", force, " [kN]"),
        "",
        "Broj kablova",
        row("n= ", numberToText(core::cableCount(forceValue(force), Zk0)), " [komada]"),
        "",
        "Geometrijske karakteristike poprecnog preseka",
        row("A= ", formatTwoDecimals(p.A), " [cm2]"),
        row("Yb1= ", formatTwoDecimals(p.yb1), " [cm]"),
        row("Yb2= ", formatTwoDecimals(p.yb2), " [cm]"),
        row("Ib= ", formatTwoDecimals(p.Ib), " [cm4]"),
        row("Wb1= ", formatTwoDecimals(w.Wb1 * 1e6), " [cm3]"),
        row("Wb2= ", formatTwoDecimals(w.Wb2 * 1e6), " [cm3]"),
        row("Kb1= ", formatTwoDecimals(w.kb1 * 1e2), " [cm]"),
        row("Kb2= ", formatTwoDecimals(w.kb2 * 1e2), " [cm]"),
    };
    static_assert(std::extent_v<decltype(rows)> == kCableRowCount);
    // Moved, not copied, into the list.
    return {std::make_move_iterator(std::begin(rows)), std::make_move_iterator(std::end(rows))};
}

std::string_view inverseRelation(const core::ForceBounds& f, int condition) {
    // 1/Nk0 >= q for conditions 1 and 2, 1/Nk0 <= q for 3 and 4, while the term is positive.
    const bool atLeast = (condition <= 2) != (f.momentTerms[static_cast<size_t>(condition - 1)] < 0);
    return atLeast ? "1/Nk0>=" : "1/Nk0<=";
}

std::vector<std::string> conditionRows(const core::ForceBounds& f) {
    return {
        conditionRow("(ek+kb2)/(minM+Wb1*Gbd0)= ", f, 1, f.q1),
        conditionRow("(ek-kb1)/(minM+Wb2*Gbz0)= ", f, 2, f.q2),
        conditionRow("m*[(ek+kb2)/(maxM-Wb1*Gbzbes)]= ", f, 3, f.q3),
        conditionRow("m*[(ek-kb1)/(maxM-Wb2*Gbdbes)]= ", f, 4, f.q4),
    };
}

std::vector<StressRow> stressRows(const core::MainFields& fields, const core::EdgeStresses& s) {
    auto stress = [](const char* name, double value) { return row(name, roundedText(value, 2), " [MPa]"); };
    auto negated = [&](Field f) { return numberToText(-core::numericValue(fields.text(f))); };
    StressRow rows[] = {
        {stress("Gb1,0=", s.Gb1_0), row("<= ", fields.text(Field::Gbd0), " [MPa] = Gbd,o")},
        {stress("Gb2,0=", s.Gb2_0), row(">= ", negated(Field::Gbz0), " [MPa] = -Gbz,o")},
        {stress("Gb1,bes=", s.Gb1_bes), row(">= ", negated(Field::Gbzbes), " [MPa] = -Gbz,bes")},
        {stress("Gb2,bes=", s.Gb2_bes), row("<= ", fields.text(Field::Gbdbes), " [MPa] = Gbd,bes")},
    };
    static_assert(std::extent_v<decltype(rows)> == kStressRowCount);
    return {std::make_move_iterator(std::begin(rows)), std::make_move_iterator(std::end(rows))};
}

std::string forceLimitsMessage(const core::ForceBounds& f) {
    auto limit = [&](int condition, double N) {
        return row(std::to_string(condition), ") ", relation(f, condition), roundedText(N, 2), " [kN]");
    };
    return row("Granice sile prethodnog naprezanja:\r\n", limit(1, f.N1), "\r\n", limit(2, f.N2), "\r\n",
               limit(3, f.N3), "\r\n", limit(4, f.N4));
}

std::string textFile(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        for (size_t i = 0; i < line.size(); ++i) {
            const auto byte = static_cast<unsigned char>(line[i]);
            if (byte < 0x20 || byte == 0x7F) {
                text += '?';  // a line break or another control character would break the one-row-a-line rule
            } else if (byte < 0x80) {
                text += line[i];
            } else if ((byte & 0xC0) != 0x80) {
                text += '?';  // one mark for the whole UTF-8 sequence; its continuation bytes are dropped
            }
        }
        text += "\r\n";
    }
    return text;
}

std::vector<std::string> stressFileLines(const std::vector<StressRow>& rows) {
    std::vector<std::string> lines;
    for (const StressRow& row : rows) lines.push_back(row.stress + " " + row.allowable);
    return lines;
}

}  // namespace reports
