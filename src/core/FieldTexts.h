#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/DesignInput.h"
#include "core/Typing.h"

// What text each design field can hold: what typing admits there, or a number
// in the form the program itself writes into it. A design file is read only
// when every field text passes, so an opened design is one the windows could
// have produced.

namespace core {

// The field's symbol, as a design file and the messages name it: "b1", "Gbd0".
std::string_view symbol(Field field);

std::optional<Field> fieldWithSymbol(std::string_view symbol);

// How a field is typed: in the main window for the ten typed fields; for the
// others, the widest field of the windows that write it (the custom stress and
// cable windows, the cable type window).
struct FieldTyping {
    NumberKind kind;
    int limit;  // characters
};
FieldTyping fieldTyping(Field field);

// True for the fields the user types into in the main window.
bool isTypedField(Field field);

// The text in double quotes as a one-line message can show it: control
// characters escaped ("\n", "\x01"), a long text cut short with "...".
std::string quoted(std::string_view text);

// Nothing when the field can hold the text, otherwise the reason in one line:
// Polje b1: "4x0" nije broj.
std::optional<std::string> fieldTextRefusal(Field field, std::string_view text);

}  // namespace core
