#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

// What a drawing surface is asked to draw, in twips with the origin at the
// surface's top left corner and y growing downwards. The lists are built
// without any surface, so the geometry can be checked number by number and
// the same list can be painted on a window or anywhere else.

namespace drawing {

struct Rgb {
    int red = 0, green = 0, blue = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kLightGrey{224, 224, 224};
inline constexpr Rgb kGrey{128, 128, 128};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kMagenta{255, 0, 255};
inline constexpr Rgb kCyan{0, 255, 255};
inline constexpr Rgb kOlive{128, 128, 0};
inline constexpr Rgb kBlack{0, 0, 0};

// No colour of its own: the surface's foreground (the system window-text colour).
using Ink = std::optional<Rgb>;
inline constexpr Ink kForeground = std::nullopt;

// Coordinates go to the surface as single-precision twips.
struct Point {
    float x = 0, y = 0;
};

struct Line {
    Point from, to;
    Ink ink;
    int penWidth = 1;  // pixels
};

// A thick point: a round spot penWidth pixels across.
struct Dot {
    Point at;
    Ink ink;
    int penWidth = 1;
};

// Where a text goes when it would run past the right edge of the surface.
// Only the surface knows how wide a text comes out, so the list says both.
struct TextFallback {
    float rightEdge = 0;  // the surface's right edge, twips
    float endAt = 0;      // the text is printed ending here instead, twips
};

// Printed with the top left corner of the text at `at`.
struct Text {
    Point at;
    std::string text;
    Ink ink;
    bool bold = false;
    std::optional<TextFallback> fallback;
};

using Primitive = std::variant<Line, Dot, Text>;
using Drawing = std::vector<Primitive>;

// Appends in drawing order; a primitive with a coordinate that is not a finite
// number (a scale from a zero width, an undefined force limit) is left out,
// so the surface is never asked to draw at infinity.
class DrawingBuilder {
public:
    void line(double x1, double y1, double x2, double y2, Ink ink, int penWidth);
    void dot(double x, double y, Ink ink, int penWidth);
    void text(double x, double y, std::string text, Ink ink, bool bold);
    // A label beside a line: past the right edge it moves to the line's left.
    void textBeside(double x, double y, std::string text, Ink ink, bool bold, TextFallback fallback);

    Drawing take() { return std::move(drawing_); }

private:
    Drawing drawing_;
};

}  // namespace drawing
