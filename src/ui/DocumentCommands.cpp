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

reports::ProjectHeader projectHeader(const ProjectData& project) {
    return {project.projekat.toStdString(), project.element.toStdString(), project.projektant.toStdString()};
}

DocumentCommands::DocumentCommands(QWidget* window, core::MainFields& fields,
                                   std::function<reports::ProjectHeader()> project)
    : QObject(window),
      window_(window),
      fields_(fields),
      project_(std::move(project)),
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

std::optional<reports::CalculationDocument> DocumentCommands::checkedDocument() {
    if (!core::mayOpenKablovi(fields_)) return std::nullopt;
    return reports::calculationDocument(fields_, documentHeader(project_()));
}

void DocumentCommands::preview() {
    const auto document = checkedDocument();
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
    const auto document = checkedDocument();
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
    const auto document = checkedDocument();
    if (!document) return;
    const QString path = pdfDialog_.ask(window_);
    if (path.isEmpty()) return;
    writeFileSafely(window_, path, documentPdf(*document));
}

}  // namespace ui
