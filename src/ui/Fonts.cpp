#include "ui/Fonts.h"

#include <QStringList>

namespace ui {

QFont uiFont(double pointSize, bool bold) {
    QFont font;
    font.setFamilies(QStringList{"Liberation Sans", "Arial", "DejaVu Sans", "Sans Serif"});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    // The program's texts are plain ASCII, which these families all hold:
    // no fallback fonts need to be looked up for them.
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

}  // namespace ui
