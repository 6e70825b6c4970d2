#include "ui/ReportFile.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <unistd.h>

#include "ui/Messages.h"

namespace ui {
namespace {

// The toolkit's dialog greys its Save button out, without a word, while the
// typed name is longer than the file system allows. Here the button stays
// usable and such a name is taken, so that writing it fails with the warning
// that names the file, as every other failed save does.
class FileDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    // Once the buttons are final: the accept mode chooses them.
    void keepSaveUsable() {
        if (auto* box = findChild<QDialogButtonBox*>()) {
            if (QPushButton* save = box->button(QDialogButtonBox::Save)) save->installEventFilter(this);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* save = qobject_cast<QPushButton*>(watched);
        if (save && event->type() == QEvent::EnabledChange && !save->isEnabled() && nameTooLong()) {
            save->setEnabled(true);
        }
        return QFileDialog::eventFilter(watched, event);
    }

    void accept() override {
        if (nameTooLong()) {
            QDialog::accept();
        } else {
            QFileDialog::accept();
        }
    }

private:
    bool nameTooLong() const {
        const QFileInfo file(selectedFiles().value(0));
        if (file.fileName().isEmpty() || file.exists()) return false;
        const long longest = ::pathconf(QFile::encodeName(file.path()).constData(), _PC_NAME_MAX);
        return longest >= 0 && QFile::encodeName(file.fileName()).size() > longest;
    }
};

}  // namespace

SaveDialog::SaveDialog(QString title, QString proposedName, QString filter, QString defaultSuffix)
    : title_(std::move(title)),
      lastName_(std::move(proposedName)),
      filter_(std::move(filter)),
      defaultSuffix_(std::move(defaultSuffix)) {}

QString SaveDialog::ask(QWidget* parent) {
    FileDialog dialog(parent, title_);
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
    dialog.keepSaveUsable();
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

QString writeWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // A small write waits in the file's buffer, and commit() does not look at
    // how flushing it went: the bytes must be on disk before the old file goes.
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
        file.error() == QFileDevice::NoError && file.commit()) {
        return {};
    }
    return file.errorString().isEmpty() ? QStringLiteral("Unknown error") : file.errorString();
}

bool writeFileSafely(QWidget* parent, const QString& path, const QByteArray& bytes) {
    if (writeWholeFile(path, bytes).isEmpty()) return true;
    showWarning(parent, QStringLiteral("Datoteku \"%1\" nije moguce snimiti !").arg(QDir::toNativeSeparators(path)));
    return false;
}

}  // namespace ui
