#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/DesignInput.h"
#include "core/EdgeStresses.h"

// The result lists of the cable calculation and the stress check, as the
// windows show them and the text files hold them.

namespace reports {

inline constexpr int kCableRowCount = 36;
inline constexpr int kStressRowCount = 4;

// The 36 rows of "Proracun kablova" for the force text of the window's
// force field; the m, ek, Fk and Gko rows copy the main window's texts, the
// values are those read from the same texts and the bounds those worked out for them.
std::vector<std::string> cableRows(const core::MainFields& fields, const core::DesignValues& values,
                                   const core::ForceBounds& bounds, std::string_view forceText);

// "1/Nk0>=" or "1/Nk0<=", the relation on 1/Nk0 that condition 1 to 4 states.
// Dividing k x Nk0 <= r by Nk0 x r turns it round where the moment-and-stress
// term r is negative; a zero term keeps the relation it has for a positive one.
std::string_view inverseRelation(const core::ForceBounds& bounds, int condition);

// Rows 6 to 9 of the cable report: the four conditions with their values
// and force limits.
std::vector<std::string> conditionRows(const core::ForceBounds& bounds);

struct StressRow {
    std::string stress;     // "Gb1,0=15.28 [MPa]"
    std::string allowable;  // "<= 19.5 [MPa] = Gbd,o"
};

// The four rows of "Kontrola napona" for stresses computed from the fields.
std::vector<StressRow> stressRows(const core::MainFields& fields, const core::EdgeStresses& stresses);

// The limits N1 to N4 as the stress window's force label reports them.
std::string forceLimitsMessage(const core::ForceBounds& bounds);

// A saved report: every line followed by CR LF, the last one included. The
// file is plain printable ASCII with one line break a row: a character beyond
// it, or a control character, in a field that a row copies is written as "?".
std::string textFile(const std::vector<std::string>& lines);
std::vector<std::string> stressFileLines(const std::vector<StressRow>& rows);

}  // namespace reports
