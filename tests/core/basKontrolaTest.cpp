#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "FakeFields.h"
#include "core/basKontrola.h"

using namespace core;

namespace {

const std::string kDimension = "Vrednosti polja d3 i b moraju biti razlicita od nule !";
const std::string kStresses = "Polje -Dopusteni napon u betonu- mora biti korektno popunjeno !";
const std::string kSteel = "Polje -Karakteristike celika- mora biti korektno popunjeno !";
const std::string kEmptyM = "Polje -Efikasnost PN- mora biti korektno popunjeno !";
const std::string kZeroM = "Polje -Efikasnost PN- mora imati vrednost izmedju 0 i 1 !";
const std::string kEccentricity = "Polje -Ekscentricitet kablova- mora biti korektno popunjeno !";
const std::string kRangeM = "Koeficijent efikasnosti prethodnog naprezanja moze imati vrednost izmedju 0 i 1 !";
const std::string kExceeded = "Dopusteni naponi su prekoraceni !";

struct CheckCase {
    const char* name;
    std::vector<std::pair<Field, const char*>> texts;
    std::function<bool(MainFields&)> command;
    bool opens;
    std::vector<std::string> messages;
    std::vector<std::pair<Field, const char*>> afterwards;
    std::vector<Field> focused;
};

TEST(MenuCommands, RunTheirChecksInOrder) {
    const CheckCase cases[] = {
        {"start-up values open the cable window", {}, mayOpenKablovi, true, {}, {}, {}},
        {"start-up values open the Magnel diagram", {}, mayOpenMagnelovDijagram, true, {}, {}, {}},
        {"m above 1 refused by Kablovi", {{Field::M, "1.5"}}, mayOpenKablovi, false, {kRangeM},
         {{Field::M, "0.8"}}, {Field::M}},
        // m = 1.5 passes the filling checks; at minNko the service force equals the
        // start-up one, with the bottom service stress at its limit up to rounding.
        {"m above 1 accepted by Magnel", {{Field::M, "1.5"}}, mayOpenMagnelovDijagram, true, {},
         {{Field::M, "1.5"}}, {}},
        {"m zero reported once", {{Field::M, "0"}}, mayOpenKablovi, false, {kZeroM}, {{Field::M, "0.8"}}, {}},
        {"m empty on Kablovi", {{Field::M, ""}}, mayOpenKablovi, false, {kRangeM}, {{Field::M, "0.8"}}, {Field::M}},
        {"m empty on Magnel", {{Field::M, ""}}, mayOpenMagnelovDijagram, false, {kEmptyM}, {{Field::M, "0.8"}}, {}},
        {"m a lone point", {{Field::M, "."}}, mayOpenKablovi, false, {kZeroM}, {{Field::M, "0.8"}}, {}},
        {"b emptied", {{Field::B, ""}}, mayOpenPoprecniPresek, false, {kDimension}, {{Field::B, "124"}}, {Field::B}},
        {"b and d3 zero restores only d3", {{Field::B, "0"}, {Field::D3, "0"}}, mayOpenPoprecniPresek, false,
         {kDimension}, {{Field::B, "0"}, {Field::D3, "15"}}, {Field::D3}},
        {"b and d3 empty restores only d3", {{Field::B, ""}, {Field::D3, ""}}, mayOpenKablovi, false, {kDimension},
         {{Field::B, ""}, {Field::D3, "15"}}, {Field::D3}},
        {"b zero", {{Field::B, "0"}}, mayOpenVrstaKablova, false, {kDimension}, {{Field::B, "124"}}, {Field::B}},
        {"d3 a lone point", {{Field::D3, "."}}, mayOpenPoprecniPresek, false, {kDimension}, {{Field::D3, "15"}},
         {Field::D3}},
        {"d1 emptied silently", {{Field::D1, ""}}, mayOpenPoprecniPresek, false, {}, {{Field::D1, ""}}, {}},
        {"Ms emptied silently", {{Field::Ms, ""}}, mayOpenKontrolaNapona, false, {}, {}, {}},
        {"missing stress and steel reported twice", {{Field::Gbz0, ""}, {Field::Gk0, ""}}, mayOpenKablovi, false,
         {kStresses, kSteel, kStresses, kSteel}, {}, {}},
        {"ek equal to yb1 passes", {{Field::Ek, "85"}}, mayOpenKablovi, true, {}, {}, {}},
        {"ek above yb1 fails", {{Field::Ek, "85.1"}}, mayOpenKablovi, false, {kEccentricity}, {}, {}},
        {"Magnel with a light dead load", {{Field::Mg, "300"}}, mayOpenMagnelovDijagram, false, {kExceeded}, {}, {}},
        {"Magnel checks filling before the eccentricity", {{Field::Fk, ""}, {Field::Ek, "90"}},
         mayOpenMagnelovDijagram, false, {kSteel, kEccentricity, kSteel}, {}, {}},
        {"zero moments accepted", {{Field::Mg, "0"}, {Field::Mp, "0"}, {Field::Ms, "0"}}, mayOpenKablovi, true, {},
         {}, {}},
    };
    for (const auto& c : cases) {
        FakeFields f;
        for (const auto& [field, text] : c.texts) f.setText(field, text);
        EXPECT_EQ(c.command(f), c.opens) << c.name;
        EXPECT_EQ(f.messages, c.messages) << c.name;
        for (const auto& [field, text] : c.afterwards) EXPECT_EQ(f.text(field), text) << c.name;
        EXPECT_EQ(f.focused, c.focused) << c.name;
    }
}

TEST(MenuCommands, ZeroMIsAcceptedOnTheSecondTry) {
    FakeFields f;
    f.setText(Field::M, "0");
    EXPECT_FALSE(mayOpenKablovi(f));
    EXPECT_TRUE(mayOpenKablovi(f));
    EXPECT_EQ(f.messages.size(), 1u);
}

TEST(MenuCommands, RestoredFieldIsSelectedAfterItGetsItsText) {
    FakeFields f;
    f.setText(Field::B, "");
    KontrolaDimenzija(f);
    ASSERT_EQ(f.selected, std::vector<Field>{Field::B});
    EXPECT_EQ(f.text(Field::B), "124");
}

}  // namespace
