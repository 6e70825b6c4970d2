#pragma once

#include <QObject>
#include <optional>

#include "core/Design.h"
#include "reports/CalculationDocument.h"
#include "ui/ReportFile.h"

class QAction;
class QMenu;
class QWidget;

namespace core {
class MainFields;
}

namespace ui {

// The document of the design whose texts the fields show and whose other
// parts `rest` holds, after the checks of "Kablovi" with their messages;
// nothing when one of them fails. The texts are read after the checks, which
// may restore a field.
std::optional<reports::CalculationDocument> checkedDocument(core::MainFields& fields, const core::Design& rest);

// The commands that hand the calculation document over: print preview,
// printing and a PDF file. Each runs the checks of "Kablovi" first, with their
// messages, and does nothing more when one of them fails.
class DocumentCommands : public QObject {
    Q_OBJECT
public:
    // The design is the one the fields and `rest` hold when a command runs.
    DocumentCommands(QWidget* window, core::MainFields& fields, const core::Design& rest);

    // Puts the three items into the menu before `before`, set apart by separators.
    void addTo(QMenu* menu, QAction* before);

    void preview();
    void print();
    void exportPdf();

private:
    QWidget* window_;
    core::MainFields& fields_;
    const core::Design& rest_;
    SaveDialog pdfDialog_;
};

}  // namespace ui
