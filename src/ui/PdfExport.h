#pragma once

#include <QCommandLineOption>
#include <QString>

// "prednaprezanje --pdf OUT.pdf [FILE]": the calculation document of the
// design in FILE, or of the start-up design, written as PDF without showing
// any window.

namespace ui {

// True when the command line asks for the PDF. Looked at before the
// application object exists, since the platform is chosen then.
bool asksForPdf(int argc, char* argv[]);

// Before the application object exists: Qt's offscreen platform, with or
// without a display (a platform the user has chosen stays), and Qt's own
// notices kept off standard error, which holds only what the program says.
void prepareHeadlessRun();

// The option "--pdf OUT.pdf".
QCommandLineOption pdfOption();

// Writes the PDF. Returns the exit status: 0, or 2 after one line on standard
// error saying what failed and where, with no file written.
int exportPdf(const QString& out, const QString& designFile);

}  // namespace ui
