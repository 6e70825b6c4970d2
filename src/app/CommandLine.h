#pragma once

class QString;

// What the command line needs before and after the application object
// exists: whether the program will show a window at all, and the one line it
// writes when it cannot do what was asked.

namespace app {

// True when the arguments ask only for the help or the version, which need no display.
bool asksForTextOnly(int argc, char* argv[]);

// False when no display is named and no platform is chosen, so that the windows
// would have nowhere to go.
bool hasDisplay(int argc, char* argv[]);

// "prednaprezanje: <what is wrong> Pomoc: prednaprezanje --help" on standard error; exit status 2.
int refuseArguments(const QString& whatIsWrong);

// The one line saying that the windows need a display and --pdf does not; exit status 1.
int refuseWithoutDisplay();

}  // namespace app
