#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

#include "core/Design.h"

// Design files (*.prednap): a core::Design, the seventeen field texts exactly
// as they stand and the project data, as UTF-8 JSON. What is written always
// reads back to the same design; a file that does not is refused as a whole.

namespace ui {

inline constexpr qint64 kDesignFileMaxSize = 1 << 20;  // bytes
// The newest version read. Version 1 holds the field texts and the project
// data alone; version 2 may hold the other parts of a design, and is written
// only when one of them is given, so a design without them keeps its bytes.
inline constexpr int kDesignFileVersion = 2;
inline constexpr int kProjectLineLimit = 200;  // characters of Projekat, Element, Projektant
inline constexpr int kProjectNoteLimit = 2000;  // characters of Napomena
inline constexpr int kAdoptedCablesMax = 9999;  // the most cables a design can adopt
inline constexpr char kDesignFileSuffix[] = "prednap";

// A design read from a file, or why not. When read from a path, the error
// names the file on its first line and says what is wrong on the second.
struct DesignFileReading {
    std::optional<core::Design> design;
    QString error;
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
