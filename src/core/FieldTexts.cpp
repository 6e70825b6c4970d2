#include "core/FieldTexts.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "core/NumberText.h"

namespace core {
namespace {

struct FieldRule {
    std::string_view symbol;
    FieldTyping typing;
    bool typed;
};

// In the order of Field.
constexpr FieldRule kRules[] = {
    {"b1", {NumberKind::Whole, 3}, true},      {"b2", {NumberKind::Whole, 3}, true},
    {"d3", {NumberKind::Whole, 3}, true},      {"d1", {NumberKind::Whole, 3}, true},
    {"d2", {NumberKind::Whole, 3}, true},      {"b", {NumberKind::Whole, 3}, true},
    {"Mg", {NumberKind::Decimal, 6}, true},    {"Mp", {NumberKind::Decimal, 6}, true},
    {"Ms", {NumberKind::Decimal, 6}, true},    {"m", {NumberKind::Decimal, 4}, true},
    {"ek", {NumberKind::Decimal, 6}, false},   {"Gbd0", {NumberKind::Decimal, 6}, false},
    {"Gbz0", {NumberKind::Decimal, 6}, false}, {"Gbdbes", {NumberKind::Decimal, 5}, false},
    {"Gbzbes", {NumberKind::Decimal, 5}, false}, {"Fk", {NumberKind::Decimal, 6}, false},
    {"Gk0", {NumberKind::Decimal, 5}, false},
};
static_assert(std::size(kRules) == kFieldCount, "a rule for every field");

const FieldRule& rule(Field field) { return kRules[static_cast<int>(field)]; }

// A number exactly as numberToText writes it, never negative: what the
// catalogue and cable windows write into the fields the user does not type.
bool isWrittenNumber(std::string_view text) {
    return isNumberText(text) && text.front() != '-' && numberToText(numericValue(text)) == text;
}

}  // namespace

std::string quoted(std::string_view text) {
    constexpr size_t kShown = 40;
    size_t end = std::min(text.size(), kShown);
    while (end < text.size() && end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    std::string q = "\"";
    for (char c : text.substr(0, end)) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\n') {
            q += "\\n";
        } else if (c == '\t') {
            q += "\\t";
        } else if (u < 0x20 || u == 0x7f) {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02X", u);
            q += code;
        } else {
            q += c;
        }
    }
    if (end < text.size()) q += "...";
    return q + "\"";
}

namespace {

std::string reason(Field field, std::string_view text) {
    const FieldTyping typing = rule(field).typing;
    const bool digitsAndPoints = text.find_first_not_of("0123456789.") == std::string_view::npos;
    if (!text.empty() && (text.front() == '-' || text.front() == '+') && isNumberText(text)) {
        return "ne sme imati predznak.";
    }
    if (!digitsAndPoints || std::count(text.begin(), text.end(), '.') > 1) return "nije broj.";
    if (typing.kind == NumberKind::Whole && text.find('.') != std::string_view::npos) return "nije ceo broj.";
    return "ima vise od " + std::to_string(typing.limit) + (typing.limit < 5 ? " znaka." : " znakova.");
}

}  // namespace

std::string_view symbol(Field field) { return rule(field).symbol; }

std::optional<Field> fieldWithSymbol(std::string_view name) {
    for (int i = 0; i < kFieldCount; ++i) {
        if (kRules[i].symbol == name) return static_cast<Field>(i);
    }
    return std::nullopt;
}

FieldTyping fieldTyping(Field field) { return rule(field).typing; }

bool isTypedField(Field field) { return rule(field).typed; }

std::optional<std::string> fieldTextRefusal(Field field, std::string_view text) {
    // The start-up texts may be longer than typing admits ("1355.19").
    if (text == startupText(field)) return std::nullopt;
    if (!isTypedField(field) && isWrittenNumber(text)) return std::nullopt;
    const FieldTyping typing = fieldTyping(field);
    // A comma typed goes in as a point, so a field never holds one.
    if (textAsTyped(typing.kind, typing.limit, text) == text) return std::nullopt;
    return "Polje " + std::string(symbol(field)) + ": " + quoted(text) + " " + reason(field, text);
}

}  // namespace core
