#pragma once

#include <utility>
#include <vector>

#include "core/DesignInput.h"
#include "ui/FixedDialog.h"

namespace catalogues {
struct Refusal;
}

namespace ui {

class TypedField;

// A window that writes into the main window's fields.
class DefinitionWindow : public FixedDialog {
    Q_OBJECT
public:
    // exec() gives this when the user asked a table window for the
    // custom-value window instead.
    static constexpr int CustomValues = 2;

protected:
    DefinitionWindow(core::MainFields& fields, QWidget* parent, const char* name, const char* caption, int widthTwips,
                     int heightTwips);

    core::MainFields& fields_;
};

// A table window is a hidden child of its owner between showings, so its
// choices stay from one showing to the next. It ends only in showKept, when
// the user asks for the custom-value window instead: no caller holds it or
// deletes it.
template <class Window>
class TableWindow : public DefinitionWindow {
public:
    // Shows the owner's window modally; true when the user asked for the
    // custom-value window, and the table window is gone then.
    static bool showKept(core::MainFields& fields, QWidget* owner) {
        Window& window = instance(fields, owner);
        if (window.exec() != CustomValues) return false;
        delete &window;
        return true;
    }

protected:
    using DefinitionWindow::DefinitionWindow;

    // The owner's one window of this kind, created with its load step if there is none.
    static Window& instance(core::MainFields& fields, QWidget* owner) {
        auto* w = owner->findChild<Window*>(QString(), Qt::FindDirectChildrenOnly);
        return w ? *w : *new Window(fields, owner);
    }
};

// A window of custom values: each of its typed fields stands for one field of
// the main window and is typed as that field's rules say. The fields are
// refilled from the main window's on every showing and written back on
// "U redu"; the window is destroyed when it closes.
class CustomValuesWindow : public DefinitionWindow {
    Q_OBJECT
protected:
    using DefinitionWindow::DefinitionWindow;

    TypedField* addCopiedField(QWidget* parent, const char* name, core::Field main, QRect geometry);
    std::string text(core::Field main) const;
    // The warning; then the field it names, given a new text if there is one,
    // takes the focus with its whole text selected.
    void refuse(const catalogues::Refusal& refusal, const char* newText = nullptr);
    void writeBack();

    void showEvent(QShowEvent* e) override;

private:
    TypedField* copiedField(core::Field main) const;

    std::vector<std::pair<core::Field, TypedField*>> copied_;  // in the order they were added
};

}  // namespace ui
