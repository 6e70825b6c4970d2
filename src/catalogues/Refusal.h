#pragma once

#include <string_view>

#include "core/DesignInput.h"

namespace catalogues {

// What a check of a custom-value window found: the warning it shows, and the
// design field whose typed field then takes the focus with its text selected.
struct Refusal {
    std::string_view message;
    core::Field field;
};

}  // namespace catalogues
