#pragma once

#include <QMainWindow>

#include "ui/WindowFields.h"

class QGroupBox;
class QLabel;

namespace ui {

class DocumentCommands;
class TypedField;

// The main window: the seventeen design fields, the static sketch of the
// section, and the menus that run the checks and open every other window.
class frmPocetniParametriProracuna : public QMainWindow {
    Q_OBJECT
public:
    explicit frmPocetniParametriProracuna(QWidget* parent = nullptr);

    core::MainFields& fields() { return fields_; }

    void openDopusteniNaponiUBetonu();
    void openVrstaKablova();
    void openPoprecniPresek();
    void openKablovi();
    void openKontrolaNapona();
    void openMagnelovDijagram();
    void openPomoc();
    void openOProgramu();
    void askToQuit();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildFrames(QWidget* client);
    void buildMenus();
    void writeStartupTexts();

    WindowFields fields_;
    DocumentCommands* documentCommands_;
};

}  // namespace ui
