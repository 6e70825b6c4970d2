#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/DesignInput.h"

// The main window's fields without a window: texts, and a log of the
// messages, focus moves and selections the checks make.
class FakeFields : public core::MainFields {
public:
    FakeFields() {
        for (int i = 0; i < core::kFieldCount; ++i) {
            texts[static_cast<size_t>(i)] = std::string(core::startupText(static_cast<core::Field>(i)));
        }
    }
    std::string text(core::Field f) const override { return texts[index(f)]; }
    void setText(core::Field f, const std::string& t) override { texts[index(f)] = t; }
    void focus(core::Field f) override { focused.push_back(f); }
    void select(core::Field f) override { selected.push_back(f); }
    void warn(const std::string& message) override { messages.push_back(message); }

    FakeFields& with(core::Field f, const std::string& t) {
        setText(f, t);
        return *this;
    }

    std::array<std::string, core::kFieldCount> texts;
    std::vector<std::string> messages;
    std::vector<core::Field> focused;
    std::vector<core::Field> selected;

private:
    static size_t index(core::Field f) { return static_cast<size_t>(f); }
};
