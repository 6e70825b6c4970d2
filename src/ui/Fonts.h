#pragma once

#include <QFont>

// "MS Sans Serif" and Arial are not on Linux; Liberation Sans (fonts-liberation)
// stands in for both, with the system's sans serif behind it.

namespace ui {

QFont uiFont(double pointSize, bool bold = false);

}  // namespace ui
