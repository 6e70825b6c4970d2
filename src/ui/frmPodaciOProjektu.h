#pragma once

#include "core/Design.h"
#include "ui/DesignFile.h"
#include "ui/FixedDialog.h"

class QLineEdit;
class QPlainTextEdit;

namespace ui {

// The project data of the design: project, element, engineer and a note,
// kept in the design file and printed in the calculation document.
class frmPodaciOProjektu : public FixedDialog {
    Q_OBJECT
public:
    frmPodaciOProjektu(const core::ProjectData& data, QWidget* parent = nullptr);

    // The data as it stands in the window once "U redu" closed it.
    core::ProjectData data() const;

private:
    QString note() const;
    void uRedu();

    core::ProjectData original_;
    QString shownNote_;  // the note as the editor first showed it
    QLineEdit* projekat_;
    QLineEdit* element_;
    QLineEdit* projektant_;
    QPlainTextEdit* napomena_;
};

}  // namespace ui
