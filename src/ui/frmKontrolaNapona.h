#pragma once

#include "ui/FixedDialog.h"
#include "ui/ReportFile.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace core {
class MainFields;
struct EdgeStresses;
}

namespace ui {

class ResultList;
class TypedField;

// "Kontrola napona": the four edge stresses beside their allowable values.
class frmKontrolaNapona : public FixedDialog {
    Q_OBJECT
public:
    frmKontrolaNapona(core::MainFields& fields, QWidget* parent);

private:
    void openingComputation();
    void recheck();
    void showForceLimits();
    void save();
    void fillList(const core::EdgeStresses& stresses);

    core::MainFields& fields_;
    SaveDialog saveDialog_;
    ResultList* list_;
    TypedField* force_;
    QLineEdit* serviceForce_;
    QLineEdit* eccentricity_;
    QLabel* status_;
    QPushButton* proracun_;
};

}  // namespace ui
