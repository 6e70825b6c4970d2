#pragma once

#include <QImage>
#include <QWidget>

#include "ui/Twips.h"

// The surface as it paints itself, and its pixels addressed in twips.
class SurfacePixels {
public:
    explicit SurfacePixels(QWidget* surface) : image_(surface->grab().toImage()), ratio_(image_.devicePixelRatio()) {}

    // True when the pixel at the point, or one next to it, has the colour:
    // a line's pixels may fall either side of a coordinate between two pixels.
    bool near(double xTwips, double yTwips, const QColor& colour) const {
        const int x = int(xTwips / ui::kTwipsPerPixel * ratio_);
        const int y = int(yTwips / ui::kTwipsPerPixel * ratio_);
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (image_.valid(x + dx, y + dy) && image_.pixelColor(x + dx, y + dy).rgb() == colour.rgb()) return true;
            }
        }
        return false;
    }

    // True when some pixel inside the rectangle has the colour exactly (the
    // solid strokes of a text, say).
    bool anyIn(double left, double top, double right, double bottom, const QColor& colour) const {
        for (int y = int(top / ui::kTwipsPerPixel * ratio_); y < int(bottom / ui::kTwipsPerPixel * ratio_); ++y) {
            for (int x = int(left / ui::kTwipsPerPixel * ratio_); x < int(right / ui::kTwipsPerPixel * ratio_); ++x) {
                if (image_.valid(x, y) && image_.pixelColor(x, y).rgb() == colour.rgb()) return true;
            }
        }
        return false;
    }

    QColor at(double xTwips, double yTwips) const {
        return image_.pixelColor(int(xTwips / ui::kTwipsPerPixel * ratio_), int(yTwips / ui::kTwipsPerPixel * ratio_));
    }

    QSize size() const { return image_.size(); }

private:
    QImage image_;
    double ratio_;
};
