#include <gtest/gtest.h>

#include <string>

#include "core/FieldTexts.h"

using namespace core;

namespace {

struct Case {
    const char* name;
    Field field;
    std::string text;
    std::string refusal;  // empty: the field can hold the text
};

const Case kCases[] = {
    // What typing admits.
    {"whole dimension", Field::B1, "40", ""},
    {"empty typed field", Field::B, "", ""},
    {"three digits", Field::D3, "999", ""},
    {"leading zeros typed", Field::D1, "007", ""},
    {"coefficient with its zero", Field::M, "0.80", ""},
    {"coefficient without the zero", Field::M, ".8", ""},
    {"trailing point", Field::Mg, "5.", ""},
    {"lone point", Field::Ms, ".", ""},
    {"six characters of a moment", Field::Mp, "1234.5", ""},
    {"start-up text longer than typing admits", Field::Mp, "1355.19", ""},
    {"zero the checks refuse", Field::B, "0", ""},
    // What the catalogue and cable windows write.
    {"long decimal eccentricity", Field::Ek, "73.4666666666667", ""},
    {"catalogue stress", Field::Gbzbes, "1.8", ""},
    {"derived steel stress", Field::Gk0, "1138.8", ""},
    {"exponent form", Field::Fk, "8.5E-05", ""},
    {"typed custom stress", Field::Gbd0, "19.50", ""},
    {"empty tension", Field::Gbz0, "", ""},
    // What no window could put there.
    {"letter", Field::B1, "4x0", "Polje b1: \"4x0\" nije broj."},
    {"blank", Field::Mg, "617 51", "Polje Mg: \"617 51\" nije broj."},
    {"leading blank", Field::Ek, " 75.5", "Polje ek: \" 75.5\" nije broj."},
    {"line break", Field::M, "0.8\n", "Polje m: \"0.8\\n\" nije broj."},
    {"control character", Field::Fk, "4\x01", "Polje Fk: \"4\\x01\" nije broj."},
    {"second point", Field::Mg, "6.1.5", "Polje Mg: \"6.1.5\" nije broj."},
    {"comma", Field::M, "0,8", "Polje m: \"0,8\" nije broj."},
    {"minus", Field::B, "-5", "Polje b: \"-5\" ne sme imati predznak."},
    {"plus", Field::Gbd0, "+19.5", "Polje Gbd0: \"+19.5\" ne sme imati predznak."},
    {"negative written number", Field::Ek, "-75.5", "Polje ek: \"-75.5\" ne sme imati predznak."},
    {"point in a dimension", Field::B1, "4.5", "Polje b1: \"4.5\" nije ceo broj."},
    {"dimension too long", Field::B2, "1234", "Polje b2: \"1234\" ima vise od 3 znaka."},
    {"moment too long", Field::Ms, "12345.6", "Polje Ms: \"12345.6\" ima vise od 6 znakova."},
    {"coefficient too long", Field::M, "0.800", "Polje m: \"0.800\" ima vise od 4 znaka."},
    {"trailing zeros the program never writes", Field::Gk0, "1054.000",
     "Polje Gk0: \"1054.000\" ima vise od 5 znakova."},
    {"exponent in a typed field", Field::Mg, "1E+02", "Polje Mg: \"1E+02\" nije broj."},
    {"number words", Field::Gbzbes, "inf", "Polje Gbzbes: \"inf\" nije broj."},
    {"long text cut short", Field::Gbdbes, std::string(50, 'a'),
     "Polje Gbdbes: \"" + std::string(40, 'a') + "...\" nije broj."},
};

TEST(FieldTexts, WhatEachFieldCanHold) {
    for (const Case& c : kCases) {
        const auto refusal = fieldTextRefusal(c.field, c.text);
        EXPECT_EQ(refusal.value_or(""), c.refusal) << c.name;
    }
}

TEST(FieldTexts, EveryStartupTextIsHeld) {
    for (int i = 0; i < kFieldCount; ++i) {
        const auto f = static_cast<Field>(i);
        EXPECT_FALSE(fieldTextRefusal(f, startupText(f))) << symbol(f);
    }
}

TEST(FieldTexts, SymbolsNameEachFieldOnce) {
    for (int i = 0; i < kFieldCount; ++i) {
        const auto f = static_cast<Field>(i);
        EXPECT_EQ(fieldWithSymbol(symbol(f)), f) << symbol(f);
    }
    EXPECT_FALSE(fieldWithSymbol("B1"));
    EXPECT_FALSE(fieldWithSymbol(""));
}

// A long text in a message is cut between characters, never inside one.
TEST(FieldTexts, QuotedTextKeepsWholeCharacters) {
    const std::string text = std::string(39, 'a') + "\xC4\x8D" + "bbbb";  // c with caron across the cut
    EXPECT_EQ(*fieldTextRefusal(Field::Mg, text), "Polje Mg: \"" + std::string(39, 'a') + "...\" nije broj.");
}

}  // namespace
