#pragma once

#include <QMainWindow>

#include <optional>

#include "ui/DesignFile.h"
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

    // Project, element, engineer and note of the design, for the document's header.
    const core::ProjectData& projectData() const { return rest_.project; }

    // The engineer's adopted number of cables; none for the smallest admissible one.
    std::optional<int> adoptedCables() const { return rest_.adoptedCables; }
    void setAdoptedCables(std::optional<int> count);

    // Replaces the design with the one in the file, or warns and changes nothing.
    bool openDesignFile(const QString& path);

    void openDopusteniNaponiUBetonu();
    void openVrstaKablova();
    void openGubici();
    void openBetonEN();
    void openUzadEN();
    void openPoprecniPresek();
    void openKablovi();
    void openUsvojeniKablovi();
    void openKontrolaNapona();
    void openMagnelovDijagram();
    void openNosivostNaSavijanje();
    void openPomoc();
    void openOProgramu();
    void askToQuit();

    void newDesign();
    void openDesign();
    void saveDesign();
    void saveDesignAs();
    void editProjectData();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildFrames(QWidget* client);
    void buildMenus();

    core::Design currentDesign() const;
    void showDesign(const core::Design& design, const QString& path);
    bool save();
    bool saveAs();
    bool writeDesign(const QString& path);
    bool isModified() const;
    // True when the changes are saved or may go; false when the user cancels.
    bool maySetChangesAside();
    void updateCaption();

    // The design: its texts in the fields, where the user edits them, every
    // other part (the project data, the adopted cables) in rest_, whose texts are not read.
    WindowFields fields_;
    core::Design rest_;
    QString path_;              // the design's file, empty for a design without one
    core::Design savedDesign_;  // the design as its file holds it, or the start-up design without a file
    bool leaving_ = false; // the changes were already asked about on the way out
    DocumentCommands* documentCommands_;
};

}  // namespace ui
