#pragma once

#include "core/ForceBounds.h"
#include "ui/FixedDialog.h"
#include "ui/ReportFile.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace core {
class MainFields;
}

namespace ui {

class ResultList;
class TypedField;

// "Proracun kablova": the force limits, the adopted force and the cable count.
class frmKablovi : public FixedDialog {
    Q_OBJECT
public:
    frmKablovi(core::MainFields& fields, QWidget* parent);

private:
    void openingComputation();
    void adoptTypedForce();
    void save();
    void fillList(const core::DesignValues& values, const core::ForceBounds& bounds);

    core::MainFields& fields_;
    SaveDialog saveDialog_;
    ResultList* list_;
    QLineEdit* eccentricity_;
    TypedField* force_;
    QLineEdit* cableForce_;
    QLineEdit* cableCount_;
    QLabel* status_;
    QPushButton* proracun_;
};

}  // namespace ui
