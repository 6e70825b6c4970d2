#pragma once

#include <array>
#include <optional>
#include <string_view>

// Seven-wire prestressing strands of EN 10138-3 and the stresses SRPS EN
// 1992-1-1 allows in them (3.3, 5.10). mm2, kN, MPa.

namespace eurocode {

struct Strand {
    std::string_view name;  // "Y1860S7 15.7"
    double Ap;              // cross-section area, mm2
    double Fpk;             // characteristic breaking force, kN
    double Fp01k;           // characteristic 0.1 % proof force, kN
    double fpk;             // the grade: tensile strength, MPa
};

const std::array<Strand, 6>& strands();

std::optional<Strand> strandNamed(std::string_view name);

double fp01k(const Strand& strand);  // Fp0.1k / Ap, MPa

inline constexpr double kEpStrand = 195;  // GPa (3.3.6(3))
inline constexpr double kEpWire = 205;    // GPa, wires and bars (3.3.6(3))

double sigma_pmax(double fpk, double fp01k, double k1, double k2);  // min(k1 fpk, k2 fp0.1k) (5.10.2.1)
double sigma_pm0(double fpk, double fp01k, double k7, double k8);   // min(k7 fpk, k8 fp0.1k) (5.10.3(2))

}  // namespace eurocode
