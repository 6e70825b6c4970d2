#include "ui/Fonts.h"

#include <QStringList>

namespace ui {

QFont uiFont(double pointSize, bool bold) {
    QFont font;
    font.setFamilies(QStringList{"Liberation Sans", "Arial", "DejaVu Sans", "Sans Serif"});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace ui
