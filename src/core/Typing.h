#pragma once

#include <optional>
#include <string>
#include <string_view>

// What typing puts into a number field: the key filters, and the characters a
// typed or pasted text leaves there. The field rules and the typed field both
// stand on these, so a design file holds only what typing could have produced.

namespace core {

inline constexpr char kBackspace = '\b';

struct KeyFilterResult {
    std::optional<char> accepted;  // the character to insert, if any
    bool beep = false;             // a refused key sounds the beep
};

// Digits and backspace.
KeyFilterResult FiltarCelogBroja(char typed);

// Digits, backspace, and a point while the text holds none. A comma is taken
// as the point: the decimal key of the numeric pad types one on some keyboards.
KeyFilterResult FiltarDecimalnogBroja(char typed, std::string_view currentText);

// Whole-number fields take digits; decimal fields also one point.
enum class NumberKind { Whole, Decimal };

// The characters that typing `typed` into a field holding `around` (its text
// less any selection the typing replaces) would put there, commas as points;
// nothing when the key filter would refuse one of them or the text would run
// past the typing limit (0: none). A pasted text is taken only on these terms.
std::optional<std::string> typedCharacters(NumberKind kind, int typingLimit, std::string_view around,
                                           std::string_view typed);

// What typing `text` into an empty field would leave there.
std::optional<std::string> textAsTyped(NumberKind kind, int typingLimit, std::string_view text);

}  // namespace core
