#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

#include "core/Design.h"

// Design files (*.prednap): a core::Design, the seventeen field texts exactly
// as they stand and the project data, as UTF-8 JSON. What is written always
// reads back to the same design; a file that does not is refused as a whole.

namespace ui {

inline constexpr qint64 kDesignFileMaxSize = 1 << 20;  // bytes
inline constexpr int kDesignFileVersion = 2;  // the newest this program reads
inline constexpr int kDesignFileFirstVersion = 1;  // a design with no part beyond the texts and the project
inline constexpr int kProjectLineLimit = 200;  // characters of Projekat, Element, Projektant
inline constexpr int kProjectNoteLimit = 2000;  // characters of Napomena
inline constexpr int kAdoptedCablesMax = 9999;  // the most cables a design can adopt
inline constexpr char kDesignFileSuffix[] = "prednap";

// A design read from a file, or why not. When read from a path, the error
// names the file on its first line and says what is wrong on the second.
struct DesignFileReading {
    std::optional<core::Design> design;
    QString error;
    QStringList warnings;  // what an opened design has lost, one sentence each
};

DesignFileReading readDesignFile(const QString& path);

// The same from the file's bytes; the error is the one line of what is wrong.
DesignFileReading parseDesignFile(const QByteArray& bytes);

// The file's bytes. Empty when the design could not be read back from them
// (a field text no field can hold), with the reason in `error`.
QByteArray designFileBytes(const core::Design& design, QString* error = nullptr);

// Why a project text cannot be kept, or an empty string.
QString projectTextRefusal(const QString& item, const QString& text, bool multiLine);

}  // namespace ui
