#include "catalogues/MaterialBasisCheck.h"

#include <algorithm>

#include "catalogues/AllowableStressTable.h"
#include "catalogues/CableCatalogue.h"
#include "catalogues/StrandTendonEN.h"

namespace catalogues {
namespace {

bool givesTexts(const core::BasisNotGiven&, const StressFieldTexts&) { return true; }

bool givesTexts(const core::CustomStressBasis&, const StressFieldTexts&) { return true; }

bool givesTexts(const core::MbTableBasis& basis, const StressFieldTexts& texts) {
    const auto found = std::find(kConcreteClasses.begin(), kConcreteClasses.end(), basis.mb);
    if (found == kConcreteClasses.end()) return false;
    const auto c = static_cast<std::size_t>(found - kConcreteClasses.begin());
    auto cell = [&](StressTableRow row) { return std::string(stressTableRow(row).cells[c]); };
    const bool r111 = basis.compression == core::ServiceCompressionRow::Row111;
    const bool r211 = basis.tension == core::ServiceTensionRow::Row211;
    const StressFieldTexts table{cell(StressTableRow::Pritisak113), cell(StressTableRow::Zatezanje22),
                                 cell(r111 ? StressTableRow::Pritisak111 : StressTableRow::Pritisak112),
                                 cell(r211 ? StressTableRow::Zatezanje211 : StressTableRow::Zatezanje212)};
    return table == texts;
}

bool givesTexts(const core::ConcreteENBasis& basis, const StressFieldTexts& texts) {
    if (concreteENRefusal(basis)) return false;
    const auto values = concreteENValues(basis);
    return values && stressFieldTexts(*values) == texts;
}

bool givesTexts(const core::BasisNotGiven&, const CableFieldTexts&) { return true; }

bool givesTexts(const core::CustomCableBasis&, const CableFieldTexts&) { return true; }

bool givesTexts(const core::ImsCableBasis& basis, const CableFieldTexts& texts) {
    if (basis.k < kMinCoefficientG02 || basis.k > kMaxCoefficientG02) return false;
    const auto type = imsCableType(basis);
    if (!type) return false;
    const AdoptedCableTexts cable = adoptedCableTexts(basProracunKarakteristikaUsvojenogKabla(*type, basis.k));
    return cable.Fk == texts.Fk && cable.Gk0 == texts.Gk0;
}

bool givesTexts(const core::StrandTendonBasis& basis, const CableFieldTexts& texts) {
    if (strandTendonRefusal(basis)) return false;
    const auto values = strandTendonValues(basis);
    if (!values) return false;
    const TendonFieldTexts tendon = tendonFieldTexts(*values);
    return tendon.Fk == texts.Fk && tendon.Gk0 == texts.Gk0 && basis.ek == texts.ek;
}

}  // namespace

std::optional<CableType> imsCableType(const core::ImsCableBasis& basis) {
    const auto& types = cableTypes();
    const auto type =
        std::find_if(types.begin(), types.end(), [&](const CableType& t) { return t.key == basis.typeKey; });
    if (type == types.end()) return std::nullopt;
    return *type;
}

bool givesFieldTexts(const core::StressBasis& basis, const StressFieldTexts& texts) {
    return std::visit([&](const auto& b) { return givesTexts(b, texts); }, basis);
}

bool givesFieldTexts(const core::CableBasis& basis, const CableFieldTexts& texts) {
    return std::visit([&](const auto& b) { return givesTexts(b, texts); }, basis);
}

}  // namespace catalogues
