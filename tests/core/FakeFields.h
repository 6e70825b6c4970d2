#pragma once

#include <string>
#include <vector>

#include "core/DesignInput.h"

// The main window's fields without a window: texts, and a log of the
// messages, focus moves and selections the checks make.
class FakeFields : public core::StoredFields {
public:
    void focus(core::Field f) override { focused.push_back(f); }
    void select(core::Field f) override { selected.push_back(f); }
    void warn(const std::string& message) override { messages.push_back(message); }

    FakeFields& with(core::Field f, const std::string& t) {
        setText(f, t);
        return *this;
    }

    std::vector<std::string> messages;
    std::vector<core::Field> focused;
    std::vector<core::Field> selected;
};
