#include "catalogues/ConcreteEN.h"

#include <cmath>

#include "core/NumberText.h"

namespace catalogues {
namespace {

using core::numberToText;

bool isWhole(double x) { return std::floor(x) == x; }

}  // namespace

std::optional<ConcreteENValues> concreteENValues(const core::ConcreteENBasis& in) {
    const auto concrete = eurocode::concreteClassNamed(in.concreteClass);
    if (!concrete) return std::nullopt;
    ConcreteENValues v;
    v.fck = concrete->fck;
    v.fcm = eurocode::fcm(v.fck);
    v.fctm = eurocode::fctm(v.fck);
    v.Ecm = eurocode::Ecm(v.fck);
    if (in.fckT) {
        // A strength from tests stands for the class at that age: fcm and fctm follow by Table 3.1.
        v.fck_t = *in.fckT;
        v.fcm_t = eurocode::fcm(v.fck_t);
        v.fctm_t = eurocode::fctm(v.fck_t);
    } else {
        const double t = in.transferAge;
        v.beta_cc = eurocode::beta_cc(t, in.cement);
        v.fcm_t = eurocode::fcm_t(v.fck, t, in.cement);
        v.fck_t = eurocode::fck_t(v.fck, t, in.cement);
        v.fctm_t = eurocode::fctm_t(v.fck, t, in.cement);
    }
    v.Gbd0 = in.k6 * v.fck_t;
    v.Gbz0 = in.noTensionAtTransfer ? 0 : v.fctm_t;
    v.Gbdbes = in.k1 * v.fck;
    v.Gbzbes = in.noTensionInService ? 0 : v.fctm;
    return v;
}

std::string limitText(double limit) { return numberToText(core::RoundDown(limit, 2)); }

StressFieldTexts stressFieldTexts(const ConcreteENValues& v) {
    return {limitText(v.Gbd0), limitText(v.Gbz0), limitText(v.Gbdbes), limitText(v.Gbzbes)};
}

std::optional<std::string> transferAgeRefusal(double days, bool fckTTyped) {
    if (fckTTyped) {
        if (isWhole(days) && days >= 1) return std::nullopt;
        return "Polje -Starost pri prenosu- mora biti ceo broj dana, najmanje 1 !";
    }
    if (isWhole(days) && days > eurocode::kLowestAgeForFckT) return std::nullopt;
    return "Polje -Starost pri prenosu- mora biti ceo broj dana, najmanje 4 "
           "(za 3 dana i manje fck(t) se odredjuje ispitivanjem i zadaje) !";
}

std::optional<std::string> factorRefusal(std::string_view factor, double k) {
    if (k > 0 && k <= 1) return std::nullopt;
    return "Polje -" + std::string(factor) + "- mora imati vrednost vecu od 0, najvise 1 !";
}

std::optional<std::string> fckTRefusal(double fckT, double fck) {
    if (fckT > 0 && fckT <= fck) return std::nullopt;
    return "Polje -fck(t)- mora imati vrednost vecu od 0, najvise fck = " + numberToText(fck) + " MPa !";
}

std::optional<std::string> concreteENRefusal(const core::ConcreteENBasis& in) {
    if (auto r = transferAgeRefusal(in.transferAge, in.fckT.has_value())) return r;
    if (in.fckT) {
        const auto concrete = eurocode::concreteClassNamed(in.concreteClass);
        if (auto r = fckTRefusal(*in.fckT, concrete ? concrete->fck : 0)) return r;
    }
    if (auto r = factorRefusal("k6", in.k6)) return r;
    return factorRefusal("k1", in.k1);
}

}  // namespace catalogues
