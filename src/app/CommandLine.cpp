#include "app/CommandLine.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstring>

namespace app {
namespace {

bool isAny(const char* argument, std::initializer_list<const char*> options) {
    for (const char* option : options) {
        if (std::strcmp(argument, option) == 0) return true;
    }
    return false;
}

int say(const QString& line, int status) {
    std::fputs(qPrintable(QStringLiteral("prednaprezanje: %1\n").arg(line)), stderr);
    return status;
}

}  // namespace

bool asksForTextOnly(int argc, char* argv[]) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (isAny(argv[i], {"-h", "-?", "--help", "--help-all", "-v", "--version"})) return true;
    }
    return false;
}

bool hasDisplay(int argc, char* argv[]) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    for (int i = 1; i < argc; ++i) {
        if (isAny(argv[i], {"-platform", "--platform"})) return true;  // the user's choice stands
    }
    // X11 and Wayland clients find their display through the environment.
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return true;
#endif
}

int refuseArguments(const QString& whatIsWrong) {
    return say(whatIsWrong + QStringLiteral(" Pomoc: prednaprezanje --help"), 2);
}

int refuseWithoutDisplay() {
    return say(QStringLiteral("prozorima programa potreban je ekran, a nijedan nije dostupan; "
                              "bez ekrana radi prednaprezanje --pdf OUT.pdf [FILE]"),
               1);
}

}  // namespace app
