#include "ui/DocumentCommands.h"

#include <QAction>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>

#include "core/basKontrola.h"
#include "ui/DocumentPages.h"

namespace ui {

std::optional<reports::CalculationDocument> checkedDocument(core::MainFields& fields, const core::Design& rest) {
    if (!core::mayOpenKablovi(fields)) return std::nullopt;
    const core::Design design = core::designOf(fields, rest);
    return reports::calculationDocument(design, documentHeader(design.project));
}

DocumentCommands::DocumentCommands(QWidget* window, core::MainFields& fields, const core::Design& rest)
    : QObject(window),
      window_(window),
      fields_(fields),
      rest_(rest),
      pdfDialog_("Izvoz u PDF", "Proracun", "PDF (*.pdf)", "pdf") {}

void DocumentCommands::addTo(QMenu* menu, QAction* before) {
    const struct {
        const char* name;
        const char* caption;
        void (DocumentCommands::*command)();
        QKeySequence shortcut;
    } items[] = {
        {"mnuDatotekaPregledPreStampe", "Pregled pre stampe...", &DocumentCommands::preview, {}},
        {"mnuDatotekaStampaj", "Stampaj...", &DocumentCommands::print, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"mnuDatotekaIzveziUPdf", "Izvezi u PDF...", &DocumentCommands::exportPdf, {}},
    };
    // A separator before the group unless one is there already.
    const QList<QAction*> actions = menu->actions();
    const qsizetype at = actions.indexOf(before);
    if (at > 0 && !actions[at - 1]->isSeparator()) menu->insertSeparator(before);
    for (const auto& item : items) {
        auto* action = new QAction(QString::fromLatin1(item.caption), menu);
        action->setObjectName(item.name);
        action->setShortcut(item.shortcut);
        connect(action, &QAction::triggered, this, item.command);
        menu->insertAction(before, action);
    }
    menu->insertSeparator(before);
}

void DocumentCommands::preview() {
    const auto document = checkedDocument(fields_, rest_);
    if (!document) return;
    QPrinter printer;
    preparePrinter(printer);
    QPrintPreviewDialog dialog(&printer, window_);
    dialog.setObjectName("dlgPregledPreStampe");
    dialog.setWindowTitle("Pregled pre stampe");
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [&](QPrinter* shown) { printDocument(*shown, *document); });
    // Large enough for a whole A4 page and the whole toolbar, the page fitted in.
    dialog.resize(window_->screen()->availableGeometry().size() * 0.8);
    if (auto* fitPage = dialog.findChild<QAction*>("fitPageAction")) fitPage->trigger();
    dialog.exec();
}

void DocumentCommands::print() {
    const auto document = checkedDocument(fields_, rest_);
    if (!document) return;
    QPrinter printer;
    preparePrinter(printer);
    QPrintDialog dialog(&printer, window_);
    dialog.setObjectName("dlgStampaj");
    // The pages come as one document: none is printed on its own.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted) return;
    printDocument(printer, *document);
}

void DocumentCommands::exportPdf() {
    const auto document = checkedDocument(fields_, rest_);
    if (!document) return;
    const QString path = pdfDialog_.ask(window_);
    if (path.isEmpty()) return;
    writeFileSafely(window_, path, documentPdf(*document));
}

}  // namespace ui
