#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "DocumentText.h"
#include "FakeFields.h"
#include "drawing/CrossSectionDrawing.h"
#include "drawing/MagnelDiagram.h"

using core::Field;

namespace {

std::string textOf(const FakeFields& fields, std::optional<int> adoptedCables = std::nullopt) {
    core::Design design = fields.design();
    design.adoptedCables = adoptedCables;
    return documentText(reports::calculationDocument(design, {"prednaprezanje 1.0.0", "08.12.2026", {}}));
}

// The last section, the conclusion, without its title.
std::string conclusionOf(const std::string& text) {
    const std::string title = "6. Zakljucak\n";
    return text.substr(text.find(title) + title.size());
}

bool showsInfOrNan(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text.find("inf") != std::string::npos || text.find("nan") != std::string::npos;
}

TEST(CalculationDocument, StartupDesignWholeText) {
    // Hand-checked: Zko = 486.7372 kN, so 6 cables give 2920.4232 kN, inside
    // 2477.0365 to 2926.73; the stresses at that force are 18.77, -2.98, 0.99
    // and 11.64 MPa, all within the allowable ones.
    const std::string expected =
        "Proracun prethodno napregnutog preseka\n"
        "1. Ulazni podaci\n"
        "b= 124 [cm] Mg= 617.51 [kNm] Gbdo= 19.5 [MPa]\n"
        "b1= 40 [cm] Mp= 1355.19 [kNm] Gbzo= 3 [MPa]\n"
        "b2= 40 [cm] Ms= 567.71 [kNm] Gbdbes= 16 [MPa]\n"
        "d1= 23 [cm] m= 0.8 Gbzbes= 1.8 [MPa]\n"
        "d2= 23 [cm] Fk= 4.618 [cm2] ek= 75.5 [cm]\n"
        "d3= 15 [cm] Gko= 1054 [MPa]\n"
        "Materijali\n"
        "Dopusteni naponi u betonu: nije navedeno\n"
        "Kabl: nije navedeno\n"
        "Koeficijent efikasnosti m\n"
        "m = 0.8 (zadato)\n"
        "2. Geometrijske karakteristike preseka\n"
        "A= 3700.00 [cm2]\n"
        "yb1= 85.00 [cm]\n"
        "yb2= 85.00 [cm]\n"
        "Ib= 12404533.33 [cm4]\n"
        "Wb1= 145935.69 [cm3]\n"
        "Wb2= 145935.69 [cm3]\n"
        "kb1= 39.44 [cm]\n"
        "kb2= 39.44 [cm]\n"
        "[slika 5000x5000] Slika 1. Poprecni presek\n"
        "3. Granice sile prethodnog naprezanja\n"
        "Mmin= 617.51 [kNm]\n"
        "Mmax= 2540.41 [kNm]\n"
        "Vrednosti u uslovima: e= 0.755 [m], kb1= 0.394421 [m], kb2= 0.394421 [m], Wb1= 0.145936 [m3], "
        "Wb2= 0.145936 [m3]\n"
        "1/Nk0>=(ek+kb2)/(minM+Wb1*Gbd0)= 0.000331890225  Nk0<= 3013.04 [kN]\n"
        "1/Nk0>=(0.755+0.394421)/(617.51+0.145936*19.5*10^3)= 0.000331890225 [1/kN]\n"
        "N1=1/q1= 3013.04 [kN]: gornja granica sile\n"
        "1/Nk0>=(ek-kb1)/(minM+Wb2*Gbz0)= 0.000341678573  Nk0<= 2926.73 [kN]\n"
        "1/Nk0>=(0.755-0.394421)/(617.51+0.145936*3*10^3)= 0.000341678573 [1/kN]\n"
        "N2=1/q2= 2926.73 [kN]: gornja granica sile\n"
        "1/Nk0<=m*[(ek+kb2)/(maxM-Wb1*Gbzbes)]= 0.000403708222  Nk0>= 2477.04 [kN]\n"
        "1/Nk0<=0.8*[(0.755+0.394421)/(2540.41-0.145936*1.8*10^3)]= 0.000403708222 [1/kN]\n"
        "N3=1/q3= 2477.04 [kN]: donja granica sile\n"
        "1/Nk0<=m*[(ek-kb1)/(maxM-Wb2*Gbdbes)]= 0.001404131414  Nk0>= 712.18 [kN]\n"
        "1/Nk0<=0.8*[(0.755-0.394421)/(2540.41-0.145936*16*10^3)]= 0.001404131414 [1/kN]\n"
        "N4=1/q4= 712.18 [kN]: donja granica sile\n"
        "Dopusteni opseg sile: 2477.04 [kN] <= Nk0 <= 2926.73 [kN]\n"
        "[slika 7000x7000] Slika 2. Magnel-ov dijagram\n"
        "4. Kablovi\n"
        "Pocetna sila u jednom kablu Zko= 486.74 [kN]\n"
        "Predlozena sila Nko= 2477.05 [kN]\n"
        "Potreban broj kablova n=Nk0/Zko= 5.1 (5.09)\n"
        "Usvojeni broj kablova n= 6 [komada]\n"
        "Sila usvojenih kablova Nk0=n*Zko= 2920.42 [kN]\n"
        "Dopusteni broj kablova: 6\n"
        "Usvojen je najmanji dopusteni broj kablova.\n"
        "Sila usvojenih kablova je u dopustenom opsegu.\n"
        "5. Kontrola napona\n"
        "Pri sili usvojenih kablova n= 6, Nk0=n*Zko= 2920.42 [kN], Nkbes=m*Nk0= 2336.34 [kN]:\n"
        "Vrednosti u naponima: A= 0.37 [m2], ek= 75.5 [cm], kb1= 39.4421 [cm], kb2= 39.4421 [cm], "
        "Wb1= 0.145936 [m3], Wb2= 0.145936 [m3]\n"
        "Gb1,0=(Nk0/A*(1+ek/kb2)-Mmin/Wb1)*10^-3\n"
        "Gb1,0=(2920.42/0.37*(1+75.5/39.4421)-617.51/0.145936)*10^-3= 18.77 [MPa]\n"
        "Gb1,0=18.77 [MPa] <= 19.5 [MPa] = Gbd,o: zadovoljava\n"
        "Gb2,0=(Mmin/Wb2+Nk0/A*(1-ek/kb1))*10^-3\n"
        "Gb2,0=(617.51/0.145936+2920.42/0.37*(1-75.5/39.4421))*10^-3= -2.98 [MPa]\n"
        "Gb2,0=-2.98 [MPa] >= -3 [MPa] = -Gbz,o: zadovoljava\n"
        "Gb1,bes=(Nkbes/A*(1+ek/kb2)-Mmax/Wb1)*10^-3\n"
        "Gb1,bes=(2336.34/0.37*(1+75.5/39.4421)-2540.41/0.145936)*10^-3= 0.99 [MPa]\n"
        "Gb1,bes=0.99 [MPa] >= -1.8 [MPa] = -Gbz,bes: zadovoljava\n"
        "Gb2,bes=(Mmax/Wb2+Nkbes/A*(1-ek/kb1))*10^-3\n"
        "Gb2,bes=(2540.41/0.145936+2336.34/0.37*(1-75.5/39.4421))*10^-3= 11.64 [MPa]\n"
        "Gb2,bes=11.64 [MPa] <= 16 [MPa] = Gbd,bes: zadovoljava\n"
        "Svi naponi su u dopustenim granicama.\n"
        "6. Zakljucak\n"
        "Usvojeni broj kablova: 6, sila Nk0= 2920.42 [kN]. Presek zadovoljava sve uslove.\n";
    EXPECT_EQ(textOf(FakeFields()), expected);
}

TEST(CalculationDocument, DrawingsAreTheWindowsOwn) {
    const FakeFields fields;
    const reports::CalculationDocument doc = reports::calculationDocument(fields.design(), {});
    const core::DesignValues v = core::readDesignValues(fields);
    const auto& beside = std::get<reports::TableBesideFigure>(doc.sections[1].blocks.front());
    EXPECT_EQ(beside.figure.drawing.size(), drawing::crossSectionDrawing(v).size());
    const auto& magnel = std::get<reports::Figure>(doc.sections[2].blocks.back());
    EXPECT_EQ(magnel.drawing.size(), drawing::magnelDiagram(v).size());
}

// A rectangle 30 x 60 cm has its kern points 10 cm from the centroid; with
// the cables there, conditions 2 and 4 have no limit. By hand: N1 = (100 +
// 0.018 x 19.5 x 10^3) / 0.2 = 2255 kN, N3 = (250 - 0.018 x 1.8 x 10^3) /
// (0.8 x 0.2) = 1360 kN; 3 cables (1460.21 kN) and 4 (1946.95 kN) lie between.
TEST(CalculationDocument, UndefinedLimitsAreSaidAndTheRestHolds) {
    FakeFields fields;
    fields.with(Field::B, "60").with(Field::D3, "30").with(Field::D1, "0").with(Field::D2, "0");
    fields.with(Field::B1, "30").with(Field::B2, "30").with(Field::Ek, "10");
    fields.with(Field::Mg, "100").with(Field::Mp, "100").with(Field::Ms, "50");
    const std::string text = textOf(fields);
    for (const char* line : {
             "N1=1/q1= 2255 [kN]: gornja granica sile\n",
             "N2=1/q2= nedefinisano [kN]: ne ogranicava silu\n",
             "N3=1/q3= 1360 [kN]: donja granica sile\n",
             "N4=1/q4= nedefinisano [kN]: ne ogranicava silu\n",
             "Dopusteni opseg sile: 1360 [kN] <= Nk0 <= 2255 [kN]\n",
             "Usvojeni broj kablova n= 3 [komada]\n",
             "Dopusteni broj kablova: 3 do 4\n",
             "6. Zakljucak\nGranica N2 je nedefinisana: uslov 2 ne ogranicava silu. Granica N4 je nedefinisana: "
             "uslov 4 ne ogranicava silu. Usvojeni broj kablova: 3, sila Nk0= 1460.21 [kN]. Presek zadovoljava sve "
             "uslove.\n",
         }) {
        EXPECT_NE(text.find(line), std::string::npos) << line << "\nin\n" << text;
    }
    EXPECT_FALSE(showsInfOrNan(text)) << text;
}

// Designs the conclusion has to call as they are, with no number shown as inf or nan.
TEST(CalculationDocument, ConclusionSaysWhatFails) {
    const struct {
        const char* name;
        std::vector<std::pair<Field, const char*>> texts;
        std::optional<int> adopted;
        std::vector<const char*> expected;  // pieces of the text, in order
    } cases[] = {
        {"no whole number of cables inside the range (Zko = 600.78 kN: 4 are too few, 5 too many)",
         {{Field::Fk, "5.7"}},
         {},
         {"Usvojeni broj kablova n= 5 [komada]", "Nk0=n*Zko= 3003.9 [kN]", "Dopusteni broj kablova: nema",
          "veca je od gornje granice", "Gb2,0=-3.19 [MPa] >= -3 [MPa] = -Gbz,o: ne zadovoljava",
          "Dopusteni naponi su prekoraceni: Gb2,0.",
          "6. Zakljucak\nUsvojeni broj kablova: 5, sila Nk0= 3003.9 [kN]. Ova sila je van dopustenog opsega",
          "Presek ne zadovoljava."}},
        {"empty admissible range (Mg = 300 kNm: N2 below N3): section 4 says only so",
         {{Field::Mg, "300"}},
         {},
         {"Dopusteni opseg sile: prazan", "Magnel-ov dijagram se ne crta: dopusteni naponi su prekoraceni.\n",
          "4. Kablovi\nNijedna sila prethodnog naprezanja nije dopustena: dopusteni opseg sile je prazan.\n"
          "5. Kontrola napona\nNaponi se ne proveravaju: nijedna sila nije dopustena, a broj kablova nije usvojen.\n",
          "6. Zakljucak\nDopusteni opseg sile prethodnog naprezanja je prazan", "Presek ne zadovoljava."}},
        {"empty admissible range, 6 cables adopted: the stresses at their force, the failing edges named",
         {{Field::Mg, "300"}},
         6,
         {"4. Kablovi\nNijedna sila prethodnog naprezanja nije dopustena: dopusteni opseg sile je prazan.\n"
          "5. Kontrola napona\nPri sili usvojenih kablova n= 6, Nk0=n*Zko= 2920.42 [kN]",
          "Gbd,o: ne zadovoljava", "Dopusteni naponi su prekoraceni: Gb1,0, Gb2,0.\n6. Zakljucak",
          "Presek ne zadovoljava."}},
        {"a larger admissible count adopted (Fk = 1: 24 to 27 cables)",
         {{Field::Fk, "1"}},
         26,
         {"Potreban broj kablova n=Nk0/Zko= 23.5", "Usvojeni broj kablova n= 26 [komada]",
          "Nk0=n*Zko= 2740.4 [kN]", "Dopusteni broj kablova: 24 do 27", "Broj kablova usvojio je projektant.",
          "Sila usvojenih kablova je u dopustenom opsegu.", "Pri sili usvojenih kablova n= 26",
          "6. Zakljucak\nUsvojeni broj kablova: 26, sila Nk0= 2740.4 [kN]. Presek zadovoljava sve uslove."}},
        {"an inadmissible count adopted is kept, with the plain verdict",
         {},
         7,
         {"Usvojeni broj kablova n= 7 [komada]", "Dopusteni broj kablova: 6",
          "Sila usvojenih kablova nije dopustena: veca je od gornje granice.", "Pri sili usvojenih kablova n= 7",
          "6. Zakljucak\nUsvojeni broj kablova: 7, sila Nk0= 3407.16 [kN]. Ova sila je van dopustenog opsega; "
          "dopusteni broj kablova: 6. Presek ne zadovoljava."}},
        {"no prestress in service (m = 0): conditions 3 and 4 hold for no force",
         {{Field::M, "0"}},
         {},
         {"N3=1/q3= nedefinisano [kN]: iskljucuje svaku silu",
          "Nijedna sila prethodnog naprezanja nije dopustena",
          "6. Zakljucak\nGranica N3 je nedefinisana: uslov 3 iskljucuje svaku silu. Granica N4 je "
          "nedefinisana: uslov 4 iskljucuje svaku silu. Dopusteni opseg sile prethodnog naprezanja je prazan",
          "Presek ne zadovoljava."}},
        {"no force in one cable (Fk = 0)",
         {{Field::Fk, "0"}},
         {},
         {"Zko= 0 [kN]", "n=Nk0/Zko= nedefinisano",
          "6. Zakljucak\nBroj kablova se ne moze odrediti: sila u jednom kablu nije veca od nule."}},
    };
    for (const auto& c : cases) {
        FakeFields fields;
        for (const auto& [f, t] : c.texts) fields.setText(f, t);
        const std::string text = textOf(fields, c.adopted);
        size_t at = 0;
        for (const char* piece : c.expected) {
            const size_t found = text.find(piece, at);
            EXPECT_NE(found, std::string::npos) << c.name << ": no \"" << piece << "\" in order in\n" << text;
            if (found != std::string::npos) at = found;
        }
        EXPECT_FALSE(showsInfOrNan(text)) << c.name << "\n" << text;
        const bool holds = std::string(c.expected.back()).find("zadovoljava sve") != std::string::npos;
        EXPECT_EQ(conclusionOf(text).find("zadovoljava sve") != std::string::npos, holds) << c.name;
    }
}

}  // namespace
