#pragma once

#include "core/ForceBounds.h"
#include "ui/ReportWindow.h"

class QLineEdit;

namespace ui {

// "Proracun kablova": the force limits, the adopted force and the cable count.
class frmKablovi : public ReportWindow {
    Q_OBJECT
public:
    frmKablovi(core::MainFields& fields, QWidget* parent);

private:
    void openingComputation();
    void adoptTypedForce();
    void fillList(const core::DesignValues& values, const core::ForceBounds& bounds);
    std::string fileText() const override;

    QLineEdit* eccentricity_;
    QLineEdit* cableForce_;
    QLineEdit* cableCount_;
};

}  // namespace ui
