#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/MaterialBasis.h"

// What frmBetonEN works out from its inputs: the concrete of Table 3.1, its
// strength at transfer and the four allowable stresses, and the texts it
// writes into the main window.

namespace catalogues {

struct ConcreteENValues {
    double fck = 0, fcm = 0, fctm = 0;  // MPa (Table 3.1)
    double Ecm = 0;                     // GPa
    std::optional<double> beta_cc;      // at the transfer age; none when fck(t) is typed
    double fcm_t = 0, fck_t = 0, fctm_t = 0;  // MPa, at transfer
    double Gbd0 = 0, Gbz0 = 0, Gbdbes = 0, Gbzbes = 0;  // MPa, unrounded
};

// None for a class that Table 3.1 does not have.
std::optional<ConcreteENValues> concreteENValues(const core::ConcreteENBasis& inputs);

// The four texts for txtGbd0, txtGbz0, txtGbdBes, txtGbzBes.
struct StressFieldTexts {
    std::string Gbd0, Gbz0, Gbdbes, Gbzbes;
    bool operator==(const StressFieldTexts&) const = default;
};

// A limit rounded down to two decimals, toward the safe side: "17.62", "24".
std::string limitText(double limit);

StressFieldTexts stressFieldTexts(const ConcreteENValues& values);

// The refusals of the window's inputs: nothing when the input is in its range,
// otherwise the message that names the field and the range.
std::optional<std::string> transferAgeRefusal(double days, bool fckTTyped);
std::optional<std::string> factorRefusal(std::string_view factor, double k);  // factor: "k6"
std::optional<std::string> fckTRefusal(double fckT, double fck);

// The first refusal of any input, or nothing.
std::optional<std::string> concreteENRefusal(const core::ConcreteENBasis& inputs);

}  // namespace catalogues
