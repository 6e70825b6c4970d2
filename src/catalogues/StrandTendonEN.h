#pragma once

#include <optional>
#include <string>

#include "core/MaterialBasis.h"
#include "eurocode/Strand.h"

// What frmUzadEN works out for a tendon of n seven-wire strands, and the
// texts it writes into the main window.

namespace catalogues {

inline constexpr int kMinStrands = 1;
inline constexpr int kMaxStrands = 55;

// At the jack (5.10.2.1), shown beside the stress after transfer.
inline constexpr double kJackK1 = 0.8;
inline constexpr double kJackK2 = 0.9;

struct StrandTendonValues {
    eurocode::Strand strand;
    double fp01k = 0;       // MPa
    double Fk = 0;          // cm2, n x Ap
    double sigma_pm0 = 0;   // MPa, after transfer, unrounded
    double sigma_pmax = 0;  // MPa, at the jack
    double Gk0 = 0;         // MPa, sigma_pm0 rounded down to a whole MPa
};

// None for a strand that the table does not have.
std::optional<StrandTendonValues> strandTendonValues(const core::StrandTendonBasis& inputs);

// The texts for txtFk and txtGk0; ek is written as typed.
struct TendonFieldTexts {
    std::string Fk, Gk0;
};
TendonFieldTexts tendonFieldTexts(const StrandTendonValues& values);

// Nothing when n lies in 1 to 55, otherwise the message.
std::optional<std::string> strandCountRefusal(double n);

// The first refusal of the strand count or a factor, or nothing.
std::optional<std::string> strandTendonRefusal(const core::StrandTendonBasis& inputs);

}  // namespace catalogues
