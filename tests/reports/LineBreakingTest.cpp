#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/LineBreaking.h"

namespace {

// One unit per character, a UTF-8 sequence counting once.
double characters(std::string_view text) {
    double n = 0;
    for (char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

struct BreakCase {
    const char* text;
    double width;
    double indent;
    std::vector<std::string> lines;
};

const BreakCase kCases[] = {
    {"", 10, 2, {""}},
    {"aaa bbb", 7, 2, {"aaa bbb"}},
    {"aaa bbb ccc", 7, 0, {"aaa bbb", "ccc"}},
    // The indent leaves less room to the lines after the first.
    {"aa bb cc dd", 5, 0, {"aa bb", "cc dd"}},
    {"aa bb cc dd", 5, 2, {"aa bb", "cc", "dd"}},
    // Blanks at a break go; a word longer than the line is broken within it.
    {"aaa   bbb  ", 4, 0, {"aaa", "bbb"}},
    {"abcdefghij", 4, 1, {"abcd", "efg", "hij"}},
    {"\xC4\x8D\xC4\x87\xC5\xBE\xC5\xA1\xC4\x91", 2, 0, {"\xC4\x8D\xC4\x87", "\xC5\xBE\xC5\xA1", "\xC4\x91"}},
    {"Gbdo = 0.6 x fck(t) = 0.6 x 29.38 = 17.62 MPa (5.10.2.2(5))", 40, 4,
     {"Gbdo = 0.6 x fck(t) = 0.6 x 29.38 =", "17.62 MPa (5.10.2.2(5))"}},
};

TEST(LineBreaking, BreaksAfterTheLastBlankThatFits) {
    for (const BreakCase& c : kCases) {
        EXPECT_EQ(reports::brokenLines(c.text, c.width, c.indent, characters), c.lines) << c.text;
    }
}

}  // namespace
