#pragma once

#include "catalogues/CableCatalogue.h"
#include "ui/DefinitionWindow.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace ui {

class TypedField;

// Chooses the cable type from the catalogue, the coefficient of G02 and the
// eccentricity.
class frmVrstaKablova : public TableWindow<frmVrstaKablova> {
    Q_OBJECT
public:
    frmVrstaKablova(core::MainFields& fields, QWidget* parent);

    // The owner's cable window, created with its load step if there is none,
    // shows the characteristics of its selected type.
    static void refresh(core::MainFields& fields, QWidget* owner);

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildCatalogue();
    void buildWireTable();
    void buildCharacteristics();
    void buildEccentricity();
    void buildButtons();
    void load();
    // The characteristics of the selected type into this window's fields.
    void showAdoptedCable();

    int selectedType() const;
    void optionClicked(int type);
    bool acceptCoefficient();
    core::SectionDimensions section() const;

    void uRedu();
    void odustani();

    QRadioButton* options_[catalogues::kCableTypeCount] = {};
    QLabel* wireLabels_[catalogues::kWireColumnCount] = {};
    TypedField* koeficijent_ = nullptr;
    TypedField* ekscentricitet_ = nullptr;
    QLineEdit* G02_ = nullptr;
    QLineEdit* Fk_ = nullptr;
    QLineEdit* Gko_ = nullptr;
    double savedCoefficient_ = 0;
    bool refusePress_ = false;
};

// The information box of the "ek=" labels of both cable windows.
void showEccentricityAdvice(QWidget* parent);

}  // namespace ui
