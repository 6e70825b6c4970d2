#include "catalogues/CableCatalogue.h"

#include <cmath>

#include "core/NumberText.h"
#include "core/Tolerance.h"
#include "core/SectionProperties.h"

namespace catalogues {
namespace {

constexpr int k5mm = 4;
constexpr int k7mm = 5;
constexpr int k9mm = 6;  // also for the 10 and 12 mm wires: the largest in the table

const std::array<WireStrength, kWireColumnCount> kWires = {{
    {"2", "2", "2100"},
    {"2.5", "25", "1950"},
    {"3", "3", "1850"},
    {"4", "4", "1750"},
    {"5", "5", "1650"},
    {"7", "7", "1550"},
    {"9", "9", "1450"},
}};

const std::array<CableType, kCableTypeCount> kTypes = {{
    {"A", "A", "150", "6 fi 5", "117.8", k5mm},
    {"BBU", "B, BU", "300", "12 fi 5", "235.6", k5mm},
    {"C4", "C4", "200", "4 fi 7", "153.9", k7mm},
    {"CCU", "C, CU", "300", "6 fi 7", "230.9", k7mm},
    {"CU8", "CU8", "400", "8 fi 7", "307.9", k7mm},
    {"DDU", "D, DU", "600", "12 fi 7", "461.8", k7mm},
    {"EEU", "E, EU", "800", "16 fi 7", "615.7", k7mm},
    {"GU", "GU", "1200", "24 fi 7", "923.6", k7mm},
    {"HU", "HU", "1800", "36 fi 7", "1385.4", k7mm},
    {"IU", "IU", "2200", "24 fi 10", "1885.0", k9mm},
    {"JU", "JU", "3200", "24 fi 12", "2714.3", k9mm},
}};

}  // namespace

const std::array<WireStrength, kWireColumnCount>& wireStrengths() { return kWires; }

const std::array<CableType, kCableTypeCount>& cableTypes() { return kTypes; }

std::optional<int> cableTypeWithFk(double Fk) {
    const double f = Fk * 100;
    for (int i = 0; i < kCableTypeCount; ++i) {
        const double area = core::numericValue(kTypes[static_cast<size_t>(i)].area);
        if (std::fabs(f - area) <= core::kRelativeTolerance * area) return i;
    }
    return std::nullopt;
}

AdoptedCable basProracunKarakteristikaUsvojenogKabla(const CableType& type, double k) {
    AdoptedCable c;
    c.Fk = core::numericValue(type.area) / 100;
    c.Gm = core::numericValue(kWires[static_cast<size_t>(type.wireColumn)].strength);
    c.G02 = k * c.Gm;
    // On a tie 0.85 G02 is taken.
    c.Gk0 = 0.85 * c.G02 > 0.7 * c.Gm ? 0.7 * c.Gm : 0.85 * c.G02;
    return c;
}

AdoptedCableTexts adoptedCableTexts(const AdoptedCable& cable) {
    return {core::numberToText(cable.Fk), core::roundedText(cable.G02, 1), core::numberToText(cable.Gk0)};
}

double recommendedEccentricity(const core::SectionDimensions& s) {
    if (s.d1 != 0) return core::centroidHeight(s) - s.d1 / 2;
    return (s.d2 + s.b) / 10;
}

std::optional<std::string_view> KontrolaKoeficijentaZaG02(std::string_view k) {
    const double value = core::numericValue(k);
    if (value > kMaxCoefficientG02 || value < kMinCoefficientG02) {
        return "Mozete uneti decimalni broj u navedenim granicama !";
    }
    return std::nullopt;
}

std::optional<Refusal> KontrolaProizvoljnogKabla(std::string_view Fk, std::string_view Gk0) {
    const double a = core::numericValue(Fk);
    const double g = core::numericValue(Gk0);
    if (a != 0 && g != 0) return std::nullopt;
    return Refusal{"Karakteristike kabla nemogu imati vrednost nula !", a == 0 ? core::Field::Fk : core::Field::Gk0};
}

}  // namespace catalogues
