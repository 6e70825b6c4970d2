#pragma once

#include "ui/ReportWindow.h"

class QLineEdit;

namespace core {
struct EdgeStresses;
}

namespace ui {

// "Kontrola napona": the four edge stresses beside their allowable values.
class frmKontrolaNapona : public ReportWindow {
    Q_OBJECT
public:
    frmKontrolaNapona(core::MainFields& fields, QWidget* parent);

private:
    void openingComputation();
    void recheck();
    void showForceLimits();
    void fillList(const core::EdgeStresses& stresses);
    std::string fileText() const override;

    QLineEdit* serviceForce_;
    QLineEdit* eccentricity_;
};

}  // namespace ui
