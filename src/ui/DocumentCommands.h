#pragma once

#include <QObject>
#include <functional>
#include <optional>

#include "reports/CalculationDocument.h"
#include "ui/DesignFile.h"
#include "ui/ReportFile.h"

class QAction;
class QMenu;
class QWidget;

namespace core {
class MainFields;
}

namespace ui {

// The project data of a design as the document's header prints them.
reports::ProjectHeader projectHeader(const ProjectData& project);

// The commands that hand the calculation document over: print preview,
// printing and a PDF file. Each runs the checks of "Kablovi" first, with their
// messages, and does nothing more when one of them fails.
class DocumentCommands : public QObject {
    Q_OBJECT
public:
    // project gives the project data of the design when a command runs.
    DocumentCommands(QWidget* window, core::MainFields& fields, std::function<reports::ProjectHeader()> project);

    // Puts the three items into the menu before `before`, set apart by separators.
    void addTo(QMenu* menu, QAction* before);

    void preview();
    void print();
    void exportPdf();

private:
    // The document of the design, or nothing when the checks refuse it.
    std::optional<reports::CalculationDocument> checkedDocument();

    QWidget* window_;
    core::MainFields& fields_;
    std::function<reports::ProjectHeader()> project_;
    SaveDialog pdfDialog_;
};

}  // namespace ui
