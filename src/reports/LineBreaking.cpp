#include "reports/LineBreaking.h"

namespace reports {
namespace {

bool continuesCharacter(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The length of the longest start of `text` that fits: up to its last blank
// that does, or else as many whole characters as fit, at least one.
size_t fittingLength(std::string_view text, double width, const std::function<double(std::string_view)>& measure) {
    for (size_t blank = text.rfind(' '); blank != std::string_view::npos && blank > 0;
         blank = text.rfind(' ', blank - 1)) {
        if (measure(text.substr(0, blank)) <= width) return blank;
    }
    size_t length = 1;
    while (length < text.size() && continuesCharacter(text[length])) ++length;
    for (size_t next = length + 1; next <= text.size(); ++next) {
        if (next < text.size() && continuesCharacter(text[next])) continue;
        if (measure(text.substr(0, next)) > width) break;
        length = next;
    }
    return length;
}

}  // namespace

std::vector<std::string> brokenLines(std::string_view text, double width, double indent,
                                     const std::function<double(std::string_view)>& measure) {
    std::vector<std::string> lines;
    double room = width;
    while (measure(text) > room) {
        const size_t length = fittingLength(text, room, measure);
        std::string_view line = text.substr(0, length);
        while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
        lines.emplace_back(line);
        text.remove_prefix(length);
        while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
        if (text.empty()) return lines;
        room = width - indent;
    }
    lines.emplace_back(text);
    return lines;
}

}  // namespace reports
