#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "catalogues/Refusal.h"
#include "core/DesignInput.h"

// The code table of allowable concrete stresses (MPa) by concrete class, and
// how the table window turns a choice into the main window's four fields.

namespace catalogues {

inline constexpr int kConcreteClassCount = 7;
inline constexpr std::array<int, kConcreteClassCount> kConcreteClasses = {30, 35, 40, 45, 50, 55, 60};

enum class StressTableRow {
    Pritisak111,           // service edge compression
    Pritisak112,           // service edge compression, mainly dynamic loads
    Pritisak113,           // edge compression at transfer
    CentricniPritisak121,  // centric compression, shown only
    CentricniPritisak122,  // centric compression, shown only
    Zatezanje211,          // service edge tension
    Zatezanje212,          // service edge tension, mainly dynamic loads
    Zatezanje22,           // edge tension at transfer
};

inline constexpr int kStressTableRowCount = 8;

struct StressTableRowData {
    StressTableRow row;
    std::string_view suffix;   // of the cell names: txtMB45Pritisak112
    std::string_view caption;  // the row caption shown left of the cells
    std::array<std::string_view, kConcreteClassCount> cells;  // MB30 .. MB60
};

const std::array<StressTableRowData, kStressTableRowCount>& stressTableRows();
const StressTableRowData& stressTableRow(StressTableRow row);

// "txtMB" + class number + row suffix.
std::string cellName(StressTableRow row, int classIndex);

// The three independent choices of the table window.
struct StressChoice {
    int classIndex = 0;  // 0 = MB30 .. 6 = MB60
    StressTableRow serviceCompression = StressTableRow::Pritisak111;  // 1.11 or 1.12
    StressTableRow serviceTension = StressTableRow::Zatezanje211;     // 2.11 or 2.12
};

// Copies the chosen cells' texts unchanged: the service value of each kind,
// then its transfer value (rows 1.13 and 2.2 always supply those).
void writeChosenStresses(const StressChoice& choice, core::MainFields& main);

// The choice that would have produced the main window's service stresses.
// The rows 1.11, 1.12, 2.11, 2.12 are searched in that order, each from MB30
// up for the first equal value; every hit overrides the class of an earlier
// one, and a search without a hit changes nothing.
StressChoice choiceMatching(StressChoice current, const core::MainFields& main);

// Nothing when the custom stresses are usable: the compression ones must not
// be zero, the tension ones may.
std::optional<Refusal> KontrolaProizvoljnogNapona(std::string_view Gbd0, std::string_view Gbdbes);

}  // namespace catalogues
