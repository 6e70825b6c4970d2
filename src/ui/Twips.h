#pragma once

#include <QRect>

// Window layouts are given in twips; at 96 dpi 15 twips make one pixel.

namespace ui {

inline constexpr double kTwipsPerPixel = 15.0;

constexpr int px(int twips) { return static_cast<int>(twips / kTwipsPerPixel + (twips >= 0 ? 0.5 : -0.5)); }

inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

}  // namespace ui
