#include "core/Design.h"

#include "core/DesignInput.h"

namespace core {

Design startupDesign() {
    Design design;
    for (int i = 0; i < kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        design.text(field) = std::string(startupText(field));
    }
    return design;
}

}  // namespace core
