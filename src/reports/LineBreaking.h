#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace reports {

// A line of text as the lines it takes on a page `width` wide: the first from
// the margin, the rest `indent` further in. Each breaks after the last blank
// that lets it fit, the blank dropped; a word longer than a whole line is
// broken within it. `measure` gives the width of a piece of text.
std::vector<std::string> brokenLines(std::string_view text, double width, double indent,
                                     const std::function<double(std::string_view)>& measure);

}  // namespace reports
