#include "core/Typing.h"

namespace core {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

KeyFilterResult acceptIf(bool accepted, char typed) {
    if (accepted) return {typed, false};
    return {std::nullopt, true};
}

}  // namespace

KeyFilterResult FiltarCelogBroja(char typed) { return acceptIf(isDigit(typed) || typed == kBackspace, typed); }

KeyFilterResult FiltarDecimalnogBroja(char typed, std::string_view currentText) {
    const bool pointAllowed = currentText.find('.') == std::string_view::npos;
    if (typed == '.' || typed == ',') return acceptIf(pointAllowed, '.');
    return acceptIf(isDigit(typed) || typed == kBackspace, typed);
}

std::optional<std::string> typedCharacters(NumberKind kind, int typingLimit, std::string_view around,
                                           std::string_view typed) {
    if (typingLimit > 0 && around.size() + typed.size() > static_cast<std::size_t>(typingLimit)) return std::nullopt;
    std::string field(around);
    std::string characters;
    for (char c : typed) {
        if (c == kBackspace) return std::nullopt;
        const KeyFilterResult r = kind == NumberKind::Whole ? FiltarCelogBroja(c) : FiltarDecimalnogBroja(c, field);
        if (!r.accepted) return std::nullopt;
        field += *r.accepted;
        characters += *r.accepted;
    }
    return characters;
}

std::optional<std::string> textAsTyped(NumberKind kind, int typingLimit, std::string_view text) {
    return typedCharacters(kind, typingLimit, {}, text);
}

}  // namespace core
