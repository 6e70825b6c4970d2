#include "eurocode/Strand.h"

#include <algorithm>

namespace eurocode {

const std::array<Strand, 6>& strands() {
    static constexpr std::array<Strand, 6> table{{
        {"Y1860S7 12.5", 93, 173, 152, 1860},
        {"Y1860S7 12.9", 100, 186, 164, 1860},
        {"Y1860S7 15.2", 139, 259, 228, 1860},
        {"Y1860S7 15.3", 140, 260, 229, 1860},
        {"Y1860S7 15.7", 150, 279, 246, 1860},
        {"Y1770S7 15.7", 150, 266, 234, 1770},
    }};
    return table;
}

std::optional<Strand> strandNamed(std::string_view name) {
    const auto& table = strands();
    auto found = std::find_if(table.begin(), table.end(), [&](const Strand& s) { return s.name == name; });
    if (found == table.end()) return std::nullopt;
    return *found;
}

double fp01k(const Strand& strand) { return strand.Fp01k * 1000 / strand.Ap; }

double sigma_pmax(double fpk, double fp01k, double k1, double k2) { return std::min(k1 * fpk, k2 * fp01k); }

double sigma_pm0(double fpk, double fp01k, double k7, double k8) { return std::min(k7 * fpk, k8 * fp01k); }

}  // namespace eurocode
