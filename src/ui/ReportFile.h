#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

namespace ui {

// The save-file dialog of one window: it proposes the window's file name
// first and the last chosen one afterwards, adds the default suffix to a name
// typed without one, and asks before replacing an existing file.
class SaveDialog {
public:
    SaveDialog(QString title, QString proposedName, QString filter, QString defaultSuffix);

    // The chosen path, or an empty string when the user cancels.
    QString ask(QWidget* parent);

private:
    QString title_;
    QString lastName_;
    QString filter_;
    QString defaultSuffix_;
};

// Writes the whole file or nothing: an existing file is replaced only by a
// complete new one, after every byte has reached the disk. Returns the reason
// of a failure, or an empty text.
QString writeWholeFile(const QString& path, const QByteArray& bytes);

// writeWholeFile, with a failure reported in a warning naming the file.
bool writeFileSafely(QWidget* parent, const QString& path, const QByteArray& bytes);

}  // namespace ui
