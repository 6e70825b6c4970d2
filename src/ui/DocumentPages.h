#pragma once

#include <QByteArray>

#include "reports/CalculationDocument.h"

class QPrinter;

namespace ui {

// The header of the calculation document: the program, its version, today's
// date, and the project data of the design.
reports::DocumentHeader documentHeader(const core::ProjectData& project);

// Sets up a printer for the document: A4 portrait, its margins, and the
// resolution the layout measures in.
void preparePrinter(QPrinter& printer);

// Lays the document out on the printer's pages and paints it there; returns
// the number of pages.
int printDocument(QPrinter& printer, const reports::CalculationDocument& document);

// The document as a PDF file's bytes: real text with its fonts embedded, the
// drawings as vector graphics.
QByteArray documentPdf(const reports::CalculationDocument& document);

}  // namespace ui
