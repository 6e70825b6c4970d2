#pragma once

#include <string>
#include <string_view>

// The text fields of a definition window, reached by their objectName, so the
// checks of the catalogue windows run against a real window or a fake.

namespace catalogues {

class FormFields {
public:
    virtual ~FormFields() = default;
    virtual std::string text(std::string_view name) const = 0;
    virtual void setText(std::string_view name, const std::string& text) = 0;
    // Gives the field the focus and selects its whole text.
    virtual void focusAndSelect(std::string_view name) = 0;
    // A modal warning: critical icon, one OK button, title "Upozorenje !".
    virtual void warn(const std::string& message) = 0;
};

}  // namespace catalogues
