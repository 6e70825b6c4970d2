#pragma once

#include <string>

#include "ui/FixedDialog.h"
#include "ui/ReportFile.h"

class QLabel;
class QPushButton;

namespace core {
class MainFields;
}

namespace ui {

class ResultList;
class TypedField;

// What the two calculation windows with a result list share: the list, a
// force the user may type and try with "Proracun", a status line, and
// "Snimi" with its save dialog. The windows build the controls.
class ReportWindow : public FixedDialog {
    Q_OBJECT
protected:
    ReportWindow(core::MainFields& fields, QWidget* parent, const char* name, const char* caption, int widthTwips,
                 int heightTwips, const QString& saveTitle, const QString& proposedName);

    // Allowable stresses exceeded at the opening: red rows, the warning as
    // caption and in the status line (bold, of the given size), and no other
    // force to try.
    void showStressesExceeded(double statusPoints);
    // A typed force outside the limits: the warning, then the field holds
    // the reset text, focused and selected.
    void refuseForce(const std::string& resetText);
    // Asks for a file and writes the list into it as fileText gives it.
    void save();
    virtual std::string fileText() const = 0;

    core::MainFields& fields_;
    ResultList* list_ = nullptr;
    TypedField* force_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* proracun_ = nullptr;

private:
    SaveDialog saveDialog_;
};

}  // namespace ui
