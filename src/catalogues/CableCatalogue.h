#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "catalogues/Refusal.h"
#include "core/DesignInput.h"

// The cable types of the IMS prestressing system and the tensile strength of
// their wires, as the cable window shows them.

namespace catalogues {

struct WireStrength {
    std::string_view diameter;  // the column label, mm
    std::string_view key;       // of the names: lbl25, txt25
    std::string_view strength;  // Gm, MPa, as the cell shows it
};

inline constexpr int kWireColumnCount = 7;
const std::array<WireStrength, kWireColumnCount>& wireStrengths();

struct CableType {
    std::string_view key;           // of the names: optCCU, txtCCUPovrsinaZica
    std::string_view label;         // "C, CU"
    std::string_view nominalForce;  // kN, shown only
    std::string_view wires;         // number "fi" diameter, shown only
    std::string_view area;          // total wire area of one cable, mm2
    int wireColumn;                 // index into wireStrengths() that gives Gm
};

inline constexpr int kCableTypeCount = 11;
const std::array<CableType, kCableTypeCount>& cableTypes();

// The catalogue row whose area is 100 x Fk. The areas are compared with a
// relative tolerance: 100 x 3.079 is not exactly 307.9 in doubles, and an
// exact test would lose the CU8, HU and IU cables. No row for a custom Fk.
std::optional<int> cableTypeWithFk(double Fk);

// k bounds for G02 = k x Gm, both inclusive.
inline constexpr double kMinCoefficientG02 = 0.8;
inline constexpr double kMaxCoefficientG02 = 0.92;

// The characteristics of the adopted cable for a coefficient k.
struct AdoptedCable {
    double Fk = 0;   // cm2
    double Gm = 0;   // MPa, wire tensile strength
    double G02 = 0;  // MPa, k x Gm, unrounded
    double Gk0 = 0;  // MPa, the smaller of 0.85 G02 and 0.7 Gm
};

AdoptedCable basProracunKarakteristikaUsvojenogKabla(const CableType& type, double k);

// The texts the cable window shows: Fk and Gk0 as computed, G02 to one decimal.
struct AdoptedCableTexts {
    std::string Fk, G02, Gk0;
};
AdoptedCableTexts adoptedCableTexts(const AdoptedCable& cable);

// Middle of the bottom flange, or a tenth of the height above the bottom edge
// of a section without a bottom flange (cm).
double recommendedEccentricity(const core::SectionDimensions& s);

// Text of the message box shown on a click of the "ek=" labels (CR LF lines).
inline constexpr std::string_view kEccentricityAdviceTitle = "Preporuke za ekscentricitet kablova";
inline constexpr std::string_view kEccentricityAdvice =
    "Ekscentricitet kablova:\r\n"
    "-U slucaju pravougaonog ili T preseka preporucuje se (d2+b)/10.\r\n"
    "-U slucaju postojanja donje flanse Yb1-d1/2.";

inline constexpr std::string_view kEccentricityRefused = "Ekscentricitet kablova ne moze imati vecu vrednost od Yb1 !";

// Nothing when the coefficient k of G02 lies within its bounds, otherwise the warning.
std::optional<std::string_view> KontrolaKoeficijentaZaG02(std::string_view k);

// Nothing when the custom cable is usable: Fk and Gk0 must not be zero, ek may.
std::optional<Refusal> KontrolaProizvoljnogKabla(std::string_view Fk, std::string_view Gk0);

}  // namespace catalogues
