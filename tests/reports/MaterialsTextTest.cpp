#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/MaterialsText.h"

using Lines = std::vector<std::string>;

namespace {

core::ConcreteENBasis concrete(const char* name, int age, eurocode::CementClass cement) {
    core::ConcreteENBasis b;
    b.concreteClass = name;
    b.transferAge = age;
    b.cement = cement;
    return b;
}

TEST(MaterialsText, ConcreteLinesOfEachBasis) {
    core::ConcreteENBasis fromTests = concrete("C40/50", 2, eurocode::CementClass::R);
    fromTests.fckT = 35;
    core::ConcreteENBasis noTension = concrete("C60/75", 28, eurocode::CementClass::S);
    noTension.k1 = 0.45;
    noTension.noTensionAtTransfer = noTension.noTensionInService = true;
    const struct {
        const char* what;
        core::StressBasis basis;
        Lines lines;
    } cases[] = {
        {"no basis", core::BasisNotGiven{}, {"Dopusteni naponi u betonu: nije navedeno"}},
        {"custom values", core::CustomStressBasis{}, {"Dopusteni naponi u betonu: proizvoljne vrednosti"}},
        {"MB40, 1.11, 2.11",
         core::MbTableBasis{40, core::ServiceCompressionRow::Row111, core::ServiceTensionRow::Row211},
         {"Beton MB40, dopusteni naponi iz tablice (redovi 1.11, 1.13, 2.11, 2.2)"}},
        {"C40/50 at 7 days, cement N",
         concrete("C40/50", 7, eurocode::CementClass::N),
         {"Beton C40/50 (SRPS EN 1992-1-1), prenos u starosti 7 dana, cement klase N",
          "fck = 40 MPa, fcm = fck + 8 = 48 MPa, fctm = 0.30 x fck^(2/3) = 3.509 MPa, "
          "Ecm = 22 x (fcm/10)^0.3 = 35.22 GPa (Tablica 3.1)",
          "beta_cc(t) = exp(0.25 x (1 - sqrt(28/7))) = 0.7788, fcm(t) = 0.7788 x 48 = 37.38 MPa, "
          "fck(t) = fcm(t) - 8 = 29.38 MPa, fctm(t) = 0.7788 x 3.509 = 2.733 MPa (3.1.2)",
          "Gbdo = 0.6 x fck(t) = 0.6 x 29.38 = 17.62 MPa (5.10.2.2(5))",
          "Gbzo = fctm(t) = 2.73 MPa (7.1(2))",
          "Gbdbes = 0.6 x fck = 0.6 x 40 = 24 MPa (7.2(2))",
          "Gbzbes = fctm = 3.5 MPa (7.1(2), 7.3.2(4))",
          "Granicni naponi su zaokruzeni nanize na dve decimale."}},
        {"fck(t) from tests",
         fromTests,
         {"Beton C40/50 (SRPS EN 1992-1-1), prenos u starosti 2 dana, cement klase R",
          "fck = 40 MPa, fcm = fck + 8 = 48 MPa, fctm = 0.30 x fck^(2/3) = 3.509 MPa, "
          "Ecm = 22 x (fcm/10)^0.3 = 35.22 GPa (Tablica 3.1)",
          "fck(t) = 35 MPa (zadato, iz ispitivanja), fctm(t) = 0.30 x fck(t)^(2/3) = 3.21 MPa (Tablica 3.1)",
          "Gbdo = 0.6 x fck(t) = 0.6 x 35 = 21 MPa (5.10.2.2(5))",
          "Gbzo = fctm(t) = 3.2 MPa (7.1(2))",
          "Gbdbes = 0.6 x fck = 0.6 x 40 = 24 MPa (7.2(2))",
          "Gbzbes = fctm = 3.5 MPa (7.1(2), 7.3.2(4))",
          "Granicni naponi su zaokruzeni nanize na dve decimale."}},
        {"C60/75 at 28 days, no tension, quasi-permanent compression",
         noTension,
         {"Beton C60/75 (SRPS EN 1992-1-1), prenos u starosti 28 dana, cement klase S",
          "fck = 60 MPa, fcm = fck + 8 = 68 MPa, fctm = 2.12 x ln(1 + (fck + 8)/10) = 4.355 MPa, "
          "Ecm = 22 x (fcm/10)^0.3 = 39.1 GPa (Tablica 3.1)",
          "starost od 28 dana i vise: fck(t) = fck = 60 MPa, fctm(t) = fctm = 4.355 MPa (3.1.2)",
          "Gbdo = 0.6 x fck(t) = 0.6 x 60 = 36 MPa (5.10.2.2(5))",
          "Gbzo = 0 MPa, bez zatezanja pri prenosu",
          "Gbdbes = 0.45 x fck = 0.45 x 60 = 27 MPa (7.2(3))",
          "Gbzbes = 0 MPa, dekompresija (7.3.2(4), Tablica 7.1N)",
          "Granicni naponi su zaokruzeni nanize na dve decimale."}},
    };
    for (const auto& c : cases) EXPECT_EQ(reports::concreteMaterialLines(c.basis), c.lines) << c.what;
}

TEST(MaterialsText, CableLinesOfEachBasis) {
    const core::SectionDimensions startup{124, 40, 40, 23, 23, 15};  // Yb1 = 85
    const core::SectionDimensions noBottomFlange{124, 0, 40, 0, 23, 15};
    core::StrandTendonBasis twelve;  // Y1860S7 15.7
    twelve.ek = "75.5";
    core::StrandTendonBasis one = twelve;
    one.strand = "Y1860S7 12.5";
    one.strands = 1;
    const struct {
        const char* what;
        core::CableBasis basis;
        core::SectionDimensions section;
        const char* ek;
        Lines lines;
    } cases[] = {
        {"no basis", core::BasisNotGiven{}, startup, "75.5", {"Kabl: nije navedeno"}},
        {"custom cable", core::CustomCableBasis{}, startup, "75.5", {"Kabl: proizvoljne vrednosti"}},
        {"D, DU, recommended ek",
         core::ImsCableBasis{"DDU", 0.8},
         startup,
         "73.5",
         {"Kabl: IMS tip D, DU, 12 fi 7, Fk = 461.8 mm2 = 4.618 cm2",
          "Gm = 1550 MPa (cvrstoca zice fi 7), G02 = 0.8 x Gm = 1240 MPa, "
          "Gko = min(0.85 x G02; 0.7 x Gm) = min(1054; 1085) = 1054 MPa",
          "ek = Yb1 - d1/2 = 85 - 23/2 = 73.5 cm"}},
        {"IU at 0.92, no bottom flange",
         core::ImsCableBasis{"IU", 0.92},
         noBottomFlange,
         "14.7",
         {"Kabl: IMS tip IU, 24 fi 10, Fk = 1885.0 mm2 = 18.85 cm2",
          "Gm = 1450 MPa (cvrstoca zice fi 9), G02 = 0.92 x Gm = 1334 MPa, "
          "Gko = min(0.85 x G02; 0.7 x Gm) = min(1133.9; 1015) = 1015 MPa",
          "ek = (d2 + b)/10 = (23 + 124)/10 = 14.7 cm"}},
        {"A, ek typed",
         core::ImsCableBasis{"A", 0.8},
         startup,
         "75.5",
         {"Kabl: IMS tip A, 6 fi 5, Fk = 117.8 mm2 = 1.178 cm2",
          "Gm = 1650 MPa (cvrstoca zice fi 5), G02 = 0.8 x Gm = 1320 MPa, "
          "Gko = min(0.85 x G02; 0.7 x Gm) = min(1122; 1155) = 1122 MPa",
          "ek = 75.5 cm (zadato)"}},
        {"12 strands 15.7",
         twelve,
         startup,
         "75.5",
         {"Kabl: 12 uzadi Y1860S7 15.7 (EN 10138-3), Fk = 18 cm2, Gko = min(0.75 x 1860; 0.85 x 1640) = 1394 MPa "
          "(5.10.3(2))",
          "Uze: Ap = 150 mm2, fpk = 1860 MPa, fp0.1k = Fp0.1k/Ap = 246 kN / 150 mm2 = 1640 MPa; "
          "na presi sigma_p,max = min(0.8 x 1860; 0.9 x 1640) = 1476 MPa (5.10.2.1)",
          "ek = 75.5 cm (zadato)"}},
        {"1 strand 12.5",
         one,
         startup,
         "75.5",
         {"Kabl: 1 uze Y1860S7 12.5 (EN 10138-3), Fk = 0.93 cm2, Gko = min(0.75 x 1860; 0.85 x 1634.41) = 1389 MPa "
          "(5.10.3(2))",
          "Uze: Ap = 93 mm2, fpk = 1860 MPa, fp0.1k = Fp0.1k/Ap = 152 kN / 93 mm2 = 1634.41 MPa; "
          "na presi sigma_p,max = min(0.8 x 1860; 0.9 x 1634.41) = 1470.97 MPa (5.10.2.1)",
          "ek = 75.5 cm (zadato)"}},
    };
    for (const auto& c : cases) EXPECT_EQ(reports::cableMaterialLines(c.basis, c.section, c.ek), c.lines) << c.what;
}

TEST(MaterialsText, StrandsAgreeWithTheirNumber) {
    const struct {
        int n;
        const char* word;
    } cases[] = {{1, "uze"}, {2, "uzeta"}, {4, "uzeta"}, {5, "uzadi"}, {11, "uzadi"}, {12, "uzadi"},
                 {14, "uzadi"}, {21, "uze"}, {22, "uzeta"}, {31, "uze"}, {55, "uzadi"}};
    for (const auto& c : cases) {
        core::StrandTendonBasis b;
        b.strands = c.n;
        const std::string first = reports::cableMaterialLines(b, {}, "")[0];
        EXPECT_EQ(first.substr(0, first.find(" Y1860")), "Kabl: " + std::to_string(c.n) + " " + c.word);
    }
}

}  // namespace
