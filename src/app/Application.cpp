#include "app/Application.h"

#include <QApplication>
#include <QIcon>
#include <QTranslator>

namespace app {
namespace {

constexpr const char* kDesktopId = "org.prednaprezanje.prednaprezanje";

// The icon sizes are rendered to PNG at build time: reading them is cheap and
// needs no SVG engine while the program starts. Qt decodes every size added
// at once: the sizes a window manager asks for, and none larger.
QIcon applicationIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        icon.addFile(QStringLiteral(":/icons/%1/%2.png").arg(size).arg(kDesktopId), QSize(size, size));
    }
    return icon;
}

}  // namespace

void setUpApplication() {
    // File dialogs, message box buttons and the text fields' menu speak the
    // program's language, not English.
    auto* translator = new QTranslator(qApp);
    if (translator->load(QStringLiteral(":/i18n/qtbase_sh.qm"))) QApplication::installTranslator(translator);
    QApplication::setWindowIcon(applicationIcon());
    // Lets docks and task bars match the window to its desktop entry and its icon.
    QGuiApplication::setDesktopFileName(kDesktopId);
}

}  // namespace app
