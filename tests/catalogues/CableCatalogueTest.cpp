#include <gtest/gtest.h>

#include "catalogues/CableCatalogue.h"
#include "core/SectionProperties.h"

using catalogues::cableTypes;

namespace {

int typeIndex(std::string_view key) {
    for (int i = 0; i < catalogues::kCableTypeCount; ++i) {
        if (cableTypes()[static_cast<size_t>(i)].key == key) return i;
    }
    return -1;
}

TEST(CableCatalogue, AdoptedCable) {
    const struct {
        const char* key;
        double k;
        double Gm;
        const char *Fk, *G02, *Gk0;
    } cases[] = {
        {"A", 0.8, 1650, "1.178", "1320", "1122"},
        {"A", 0.92, 1650, "1.178", "1518", "1155"},  // 0.7 Gm is the smaller
        {"C4", 0.8, 1550, "1.539", "1240", "1054"},
        {"DDU", 0.8, 1550, "4.618", "1240", "1054"},
        {"IU", 0.8, 1450, "18.85", "1160", "986"},
        {"JU", 0.85, 1450, "27.143", "1232.5", "1015"},
        {"BBU", 0.81, 1650, "2.356", "1336.5", "1136.025"},
    };
    for (const auto& c : cases) {
        const int i = typeIndex(c.key);
        ASSERT_GE(i, 0) << c.key;
        const auto cable = catalogues::basProracunKarakteristikaUsvojenogKabla(cableTypes()[static_cast<size_t>(i)], c.k);
        EXPECT_EQ(cable.Gm, c.Gm) << c.key;
        const auto texts = catalogues::adoptedCableTexts(cable);
        EXPECT_EQ(texts.Fk, c.Fk) << c.key << " k " << c.k;
        EXPECT_EQ(texts.G02, c.G02) << c.key << " k " << c.k;
        EXPECT_EQ(texts.Gk0, c.Gk0) << c.key << " k " << c.k;
    }
}

TEST(CableCatalogue, EveryCatalogueCableIsFoundAgainByItsFk) {
    for (int i = 0; i < catalogues::kCableTypeCount; ++i) {
        const auto& type = cableTypes()[static_cast<size_t>(i)];
        const auto cable = catalogues::basProracunKarakteristikaUsvojenogKabla(type, 0.8);
        // The main window holds the text, so read it back as the window would.
        const double Fk = std::stod(catalogues::adoptedCableTexts(cable).Fk);
        EXPECT_EQ(catalogues::cableTypeWithFk(Fk), i) << type.key;
    }
    EXPECT_EQ(catalogues::cableTypeWithFk(3.079), typeIndex("CU8"));
    EXPECT_EQ(catalogues::cableTypeWithFk(13.854), typeIndex("HU"));
    EXPECT_EQ(catalogues::cableTypeWithFk(18.85), typeIndex("IU"));
    EXPECT_EQ(catalogues::cableTypeWithFk(4.62), std::nullopt);
    EXPECT_EQ(catalogues::cableTypeWithFk(0), std::nullopt);
}

TEST(CableCatalogue, CoefficientBoundsAreInclusive) {
    const struct {
        const char* k;
        bool passes;
    } cases[] = {{"0.8", true}, {"0.92", true}, {"0.85", true}, {"0.79", false}, {"0.93", false}, {".", false}};
    for (const auto& c : cases) {
        const auto refusal = catalogues::KontrolaKoeficijentaZaG02(c.k);
        EXPECT_EQ(refusal.has_value(), !c.passes) << c.k;
        if (!c.passes) {
            EXPECT_EQ(*refusal, "Mozete uneti decimalni broj u navedenim granicama !");
        }
    }
}

TEST(CableCatalogue, CustomCableMustHaveAreaAndStress) {
    const struct {
        const char *Fk, *Gk0;
        bool passes;
        core::Field focused;
    } cases[] = {
        {"4.618", "1054", true, {}},
        {"0", "1054", false, core::Field::Fk},
        {"0", "0", false, core::Field::Fk},
        {"4.618", "0.0", false, core::Field::Gk0},
    };
    for (const auto& c : cases) {
        const auto refusal = catalogues::KontrolaProizvoljnogKabla(c.Fk, c.Gk0);
        EXPECT_EQ(refusal.has_value(), !c.passes) << c.Fk << " " << c.Gk0;
        if (!c.passes) {
            EXPECT_EQ(refusal->message, "Karakteristike kabla nemogu imati vrednost nula !");
            EXPECT_EQ(refusal->field, c.focused);
        }
    }
}

TEST(CableCatalogue, RecommendedAndAcceptedEccentricity) {
    const core::SectionDimensions startup{124, 40, 40, 23, 23, 15};
    EXPECT_EQ(catalogues::recommendedEccentricity(startup), 73.5);
    EXPECT_FALSE(core::eccentricityExceedsYb1(85, startup));
    EXPECT_TRUE(core::eccentricityExceedsYb1(85.01, startup));
    // T-section without a bottom flange: a tenth of the web and top flange.
    const core::SectionDimensions tee{100, 0, 60, 0, 20, 20};
    EXPECT_EQ(catalogues::recommendedEccentricity(tee), 12);
}

}  // namespace
