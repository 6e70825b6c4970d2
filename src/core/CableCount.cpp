#include "core/CableCount.h"

#include "core/NumberText.h"

namespace core {

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

}  // namespace core
