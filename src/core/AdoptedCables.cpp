#include "core/AdoptedCables.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace core {
namespace {

// The required number rounded up, checked by the same verdict as a typed
// force so that the last bits of the quotient cannot leave it one cable short.
std::optional<double> smallestCount(const ForceBounds& b, double Zk0) {
    if (!(Zk0 > 0) || !std::isfinite(b.minNko)) return std::nullopt;
    double n = std::max(1.0, std::ceil(b.minNko / Zk0));
    if (!std::isfinite(n)) return std::nullopt;
    if (checkAdmissibleNk0(b, n * Zk0) == Nk0Check::BelowLowerLimit) n += 1;
    return n;
}

std::optional<CableRange> admissibleRange(const ForceBounds& b, double Zk0) {
    const std::optional<double> first = smallestCount(b, Zk0);
    if (!first || checkAdmissibleNk0(b, *first * Zk0) != Nk0Check::Admissible) return std::nullopt;
    if (!std::isfinite(b.maxNko)) return CableRange{*first, std::numeric_limits<double>::infinity()};
    double last = std::floor(b.maxNko / Zk0);
    if (checkAdmissibleNk0(b, last * Zk0) == Nk0Check::AboveUpperLimit) last -= 1;
    return CableRange{*first, std::max(last, *first)};
}

}  // namespace

WholeCableAdoption adoptWholeCables(const ForceBounds& bounds, double Zk0, std::optional<int> chosen) {
    WholeCableAdoption a;
    a.Zk0 = Zk0;
    a.count = chosen ? std::optional<double>(*chosen) : smallestCount(bounds, Zk0);
    if (a.count) {
        a.force = *a.count * Zk0;
        a.check = checkAdmissibleNk0(bounds, a.force);
    }
    a.admissible = admissibleRange(bounds, Zk0);
    return a;
}

}  // namespace core
