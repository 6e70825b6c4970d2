// Key sequences over the typed fields' rules: whatever is typed, a whole-number
// field holds only digits and a decimal field digits with at most one point;
// a comma goes into a decimal field as the point. Whatever the paste rule takes
// is what typing the same characters one by one would have put there.
#include <string>

#include "FuzzInput.h"
#include "core/Typing.h"

namespace {

void type(std::string& text, char key, bool decimal) {
    const core::KeyFilterResult r = decimal ? core::FiltarDecimalnogBroja(key, text) : core::FiltarCelogBroja(key);
    FUZZ_REQUIRE(r.accepted.has_value() != r.beep);
    if (!r.accepted) return;
    FUZZ_REQUIRE(*r.accepted == key || (decimal && key == ',' && *r.accepted == '.'));
    if (key == core::kBackspace) {
        if (!text.empty()) text.pop_back();
    } else {
        text += *r.accepted;
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
    const std::string pasted(reinterpret_cast<const char*>(data) + 1, size > 0 ? size - 1 : 0);
    std::string text;
    bool refused = false;
    while (!in.empty()) {
        const char key = static_cast<char>(in.byte());
        const std::string before = text;
        type(text, key, decimal);
        refused = refused || key == core::kBackspace || text == before;
        FUZZ_REQUIRE(admissible(text, decimal));
    }
    const auto kind = decimal ? core::NumberKind::Decimal : core::NumberKind::Whole;
    const auto taken = core::textAsTyped(kind, 0, pasted);
    FUZZ_REQUIRE(taken.has_value() == !refused);
    if (taken) FUZZ_REQUIRE(*taken == text);
    return 0;
}
