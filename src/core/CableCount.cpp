#include "core/CableCount.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/NumberText.h"

namespace core {
namespace {

// The required number rounded up, checked by the same verdict as a typed
// force so that the last bits of the quotient cannot leave it one cable short.
std::optional<double> adoptedCount(const ForceBounds& b, double Zk0) {
    if (!(Zk0 > 0) || !std::isfinite(b.minNko)) return std::nullopt;
    double n = std::max(1.0, std::ceil(b.minNko / Zk0));
    if (!std::isfinite(n)) return std::nullopt;
    if (checkAdmissibleNk0(b, n * Zk0) == Nk0Check::BelowLowerLimit) n += 1;
    return n;
}

std::optional<CableRange> admissibleRange(const ForceBounds& b, double Zk0) {
    const std::optional<double> first = adoptedCount(b, Zk0);
    if (!first || checkAdmissibleNk0(b, *first * Zk0) != Nk0Check::Admissible) return std::nullopt;
    if (!std::isfinite(b.maxNko)) return CableRange{*first, std::numeric_limits<double>::infinity()};
    double last = std::floor(b.maxNko / Zk0);
    if (checkAdmissibleNk0(b, last * Zk0) == Nk0Check::AboveUpperLimit) last -= 1;
    return CableRange{*first, std::max(last, *first)};
}

}  // namespace

double Zk0(double Fk, double Gk0) { return 1e3 * (Gk0 * (1e-4 * Fk)); }

double cableCount(double Nk0, double Zk0) { return Round(Nk0 / Zk0, 1); }

CableForceAdoption adoptCableForce(const DesignValues& v, std::string_view forceText) {
    const ForceBounds bounds = computeForceBounds(v);
    CableForceAdoption a;
    a.Zk0 = Zk0(v.cable.Fk, v.cable.Gk0);
    a.Nk0 = numericValue(forceText);
    a.check = checkAdmissibleNk0(bounds, a.Nk0);
    if (a.check == Nk0Check::Admissible) {
        a.count = cableCount(a.Nk0, a.Zk0);
    } else {
        a.resetText = resetForceText(bounds);
    }
    return a;
}

WholeCableAdoption adoptWholeCables(const ForceBounds& bounds, double Zk0, std::optional<int> chosen) {
    WholeCableAdoption a;
    a.Zk0 = Zk0;
    a.count = chosen ? std::optional<double>(*chosen) : adoptedCount(bounds, Zk0);
    if (a.count) {
        a.force = *a.count * Zk0;
        a.check = checkAdmissibleNk0(bounds, a.force);
    }
    a.admissible = admissibleRange(bounds, Zk0);
    return a;
}

}  // namespace core
