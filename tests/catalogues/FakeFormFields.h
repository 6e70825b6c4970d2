#pragma once

#include <map>
#include <string>
#include <vector>

#include "catalogues/FormFields.h"

// A definition window's fields without a window, with a log of the messages
// and of the fields given the focus.
class FakeFormFields : public catalogues::FormFields {
public:
    std::string text(std::string_view name) const override {
        auto it = texts.find(std::string(name));
        return it == texts.end() ? std::string() : it->second;
    }
    void setText(std::string_view name, const std::string& t) override { texts[std::string(name)] = t; }
    void focusAndSelect(std::string_view name) override { focused.emplace_back(name); }
    void warn(const std::string& message) override { messages.push_back(message); }

    std::map<std::string, std::string> texts;
    std::vector<std::string> messages;
    std::vector<std::string> focused;
};
