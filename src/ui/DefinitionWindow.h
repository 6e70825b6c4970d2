#pragma once

#include <QDialog>
#include <vector>

#include "core/DesignInput.h"
#include "ui/FormParts.h"

namespace ui {

// A window that writes into the main window's fields: fixed size, a caption
// and a close box, its client area given in twips.
class DefinitionWindow : public QDialog {
    Q_OBJECT
public:
    // exec() gives this when the user asked a table window for the
    // custom-value window instead.
    static constexpr int CustomValues = 2;

protected:
    DefinitionWindow(core::MainFields& fields, QWidget* parent, const char* name, const char* caption,
                     int widthTwips, int heightTwips);

    core::MainFields& fields_;
};

// A table window is created once per owner and afterwards only hidden, so
// its choices stay from one showing to the next.
template <class Window>
class TableWindow : public DefinitionWindow {
public:
    // The owner's one window of this kind, created with its load step if there is none.
    static Window& instance(core::MainFields& fields, QWidget* owner) {
        auto* w = owner->findChild<Window*>(QString(), Qt::FindDirectChildrenOnly);
        return w ? *w : *new Window(fields, owner);
    }

protected:
    using DefinitionWindow::DefinitionWindow;
};

// A window of custom values: its fields are refilled from the main window's
// on every showing and written back on "U redu"; it is destroyed when it closes.
class CustomValuesWindow : public DefinitionWindow {
    Q_OBJECT
public:
    struct Copied {
        const char* name;  // the field of this window
        core::Field main;  // the main window's field it stands for
    };

protected:
    CustomValuesWindow(core::MainFields& fields, QWidget* parent, const char* name, const char* caption,
                       int widthTwips, int heightTwips, std::vector<Copied> copied);

    void showEvent(QShowEvent* e) override;
    void writeBack();

    WindowFormFields own_;

private:
    std::vector<Copied> copied_;
};

}  // namespace ui
