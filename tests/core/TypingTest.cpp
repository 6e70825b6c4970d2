#include <gtest/gtest.h>

#include <string>

#include "core/Typing.h"

using namespace core;

namespace {

TEST(KeyFilters, AcceptDigitsBackspaceAndOnePoint) {
    for (char c : std::string("0123456789\b")) {
        EXPECT_EQ(FiltarCelogBroja(c).accepted, c);
        EXPECT_FALSE(FiltarCelogBroja(c).beep);
        EXPECT_EQ(FiltarDecimalnogBroja(c, "1.5").accepted, c);
    }
    for (char c : std::string(".-+ eE,a\r\x1b\x03\x16\x18")) {
        EXPECT_FALSE(FiltarCelogBroja(c).accepted) << int(c);
        EXPECT_TRUE(FiltarCelogBroja(c).beep) << int(c);
    }
    EXPECT_EQ(FiltarDecimalnogBroja('.', "617").accepted, '.');
    EXPECT_FALSE(FiltarDecimalnogBroja('.', "617.").accepted);
    EXPECT_TRUE(FiltarDecimalnogBroja('.', ".5").beep);
    EXPECT_FALSE(FiltarDecimalnogBroja('-', "").accepted);
}

}  // namespace
