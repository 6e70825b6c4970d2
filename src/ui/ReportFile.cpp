#include "ui/ReportFile.h"

#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>
#include <QSaveFile>

#include "ui/Messages.h"

namespace ui {

SaveDialog::SaveDialog(QString title, QString proposedName, QString filter, QString defaultSuffix)
    : title_(std::move(title)),
      lastName_(std::move(proposedName)),
      filter_(std::move(filter)),
      defaultSuffix_(std::move(defaultSuffix)) {}

QString SaveDialog::ask(QWidget* parent) {
    QFileDialog dialog(parent, title_);
    dialog.setObjectName("CommonDialog1");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The toolkit's own dialog, the same on every desktop.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(filter_);
    dialog.setDefaultSuffix(defaultSuffix_);
    // A name typed without a suffix takes the one of the type chosen: "SVG (*.svg)" gives ".svg".
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        const QRegularExpressionMatch suffix = QRegularExpression(R"(\*\.(\w+))").match(filter);
        if (suffix.hasMatch()) dialog.setDefaultSuffix(suffix.captured(1));
    });
    // The question about replacing a file is the program's own, in its language.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(lastName_);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        const QString path = dialog.selectedFiles().first();
        if (QFileInfo(path).fileName().isEmpty()) return {};
        // No, which Enter answers too, goes back to the dialog for another name.
        if (QFileInfo::exists(path) &&
            !askYesNo(parent, title_,
                      QStringLiteral("Datoteka \"%1\" vec postoji. Da li zelite da je zamenite ?")
                          .arg(QDir::toNativeSeparators(path)),
                      DefaultAnswer::No)) {
            continue;
        }
        lastName_ = path;
        return path;
    }
}

bool writeFileSafely(QWidget* parent, const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // A small write waits in the file's buffer until the commit, which may then
    // report success although the buffer never reached the disk (a full disk):
    // the flush must succeed first.
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() && file.commit()) {
        return true;
    }
    showWarning(parent, QStringLiteral("Datoteku \"%1\" nije moguce snimiti !").arg(QDir::toNativeSeparators(path)));
    return false;
}

}  // namespace ui
