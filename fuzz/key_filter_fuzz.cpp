// Key sequences over the typed fields' rules: whatever is typed, a whole-number
// field holds only digits and a decimal field digits with at most one point.
#include <string>

#include "FuzzInput.h"
#include "core/basKontrola.h"

namespace {

void type(std::string& text, char key, bool decimal) {
    const core::KeyFilterResult r = decimal ? core::FiltarDecimalnogBroja(key, text) : core::FiltarCelogBroja(key);
    FUZZ_REQUIRE(r.accepted.has_value() != r.beep);
    if (!r.accepted) return;
    FUZZ_REQUIRE(*r.accepted == key);
    if (key == core::kBackspace) {
        if (!text.empty()) text.pop_back();
    } else {
        text += key;
    }
}

bool admissible(const std::string& text, bool decimal) {
    int points = 0;
    for (char c : text) {
        if (c == '.') {
            ++points;
        } else if (c < '0' || c > '9') {
            return false;
        }
    }
    return decimal ? points <= 1 : points == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const bool decimal = in.byte() & 1;
    std::string text;
    while (!in.empty()) {
        type(text, static_cast<char>(in.byte()), decimal);
        FUZZ_REQUIRE(admissible(text, decimal));
    }
    return 0;
}
