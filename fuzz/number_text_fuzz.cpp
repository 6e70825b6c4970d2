// Field text to number and back: any text reads without failing, and every
// number the program writes is ASCII, never "inf" or "nan", and reads back
// as the value rounded to 15 significant digits.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FuzzInput.h"
#include "core/NumberText.h"

namespace {

double roundedToFifteenDigits(double x) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", x);
    return std::strtod(buffer, nullptr);
}

// C's own 15-digit form, with the exponent mark the program writes.
std::string cFifteenDigits(double x) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", x);
    std::string text = buffer;
    if (const size_t e = text.find('e'); e != std::string::npos) text[e] = 'E';
    return text;
}

void checkWritten(const std::string& text) {
    FUZZ_REQUIRE(!text.empty() && isPrintableAscii(text));
    FUZZ_REQUIRE(text.find("inf") == std::string::npos && text.find("nan") == std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const std::string typed = in.text(32);
    const double read = core::numericValue(typed);
    FUZZ_REQUIRE(core::isNumberText(typed) || read == 0.0);

    const double x = in.number();
    const int places = in.byte() % 16;
    const std::string text = core::numberToText(x);
    checkWritten(text);
    checkWritten(core::formatTwoDecimals(x));
    checkWritten(core::numberToText(core::Round(x, places)));
    if (std::isfinite(x)) {
        FUZZ_REQUIRE(core::isNumberText(text));
        FUZZ_REQUIRE(core::numericValue(text) == roundedToFifteenDigits(x) || x == 0.0);
        FUZZ_REQUIRE(text == cFifteenDigits(x) || x == 0.0);
        const double twoDecimals = core::numericValue(core::formatTwoDecimals(x));
        // Two decimals round the shown decimal, not the binary value behind it.
        FUZZ_REQUIRE(std::abs(x) > 1e12 || std::abs(twoDecimals - roundedToFifteenDigits(x)) <= 0.005 + 1e-15 * std::abs(x) + 1e-12);
    }
    return 0;
}
