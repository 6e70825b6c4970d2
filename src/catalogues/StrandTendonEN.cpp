#include "catalogues/StrandTendonEN.h"

#include <cmath>

#include "catalogues/ConcreteEN.h"
#include "core/NumberText.h"

namespace catalogues {

std::optional<StrandTendonValues> strandTendonValues(const core::StrandTendonBasis& in) {
    const auto strand = eurocode::strandNamed(in.strand);
    if (!strand) return std::nullopt;
    StrandTendonValues v{*strand};
    v.fp01k = eurocode::fp01k(*strand);
    v.Fk = in.strands * strand->Ap / 100;  // mm2 to cm2
    v.sigma_pm0 = eurocode::sigma_pm0(strand->fpk, v.fp01k, in.k7, in.k8);
    v.sigma_pmax = eurocode::sigma_pmax(strand->fpk, v.fp01k, kJackK1, kJackK2);
    v.Gk0 = core::RoundDown(v.sigma_pm0, 0);
    return v;
}

TendonFieldTexts tendonFieldTexts(const StrandTendonValues& v) {
    return {core::numberToText(v.Fk), core::numberToText(v.Gk0)};
}

std::optional<std::string> strandCountRefusal(double n) {
    if (std::floor(n) == n && n >= kMinStrands && n <= kMaxStrands) return std::nullopt;
    return "Polje -Broj uzadi- mora biti ceo broj od 1 do 55 !";
}

std::optional<std::string> strandTendonRefusal(const core::StrandTendonBasis& in) {
    if (auto r = strandCountRefusal(in.strands)) return r;
    if (auto r = factorRefusal("k7", in.k7)) return r;
    return factorRefusal("k8", in.k8);
}

}  // namespace catalogues
