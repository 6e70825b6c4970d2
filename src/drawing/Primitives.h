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

// Printed with the top left corner of the text at `at`, unless part of it
// would then fall off the surface (see placedLeft).
struct Text {
    Point at;
    std::string text;
    Ink ink;
    bool bold = false;
    float rightEdge = 0;         // the surface's right edge, twips; its left edge is 0
    std::optional<float> endAt;  // a label beside a line: where it ends instead when it would run past the right edge
};

// Where a text that comes out `width` twips wide starts. Only the surface
// knows the width, so it measures the text and asks here: a label beside a
// line that would run past the right edge moves to the line's left, and no
// text starts left of the surface or ends right of it.
double placedLeft(const Text& text, double width);

using Primitive = std::variant<Line, Dot, Text>;
using Drawing = std::vector<Primitive>;

// An I-section outline: the vertical axis it is centred on, its four levels
// and three half-widths, all in twips.
struct SectionOutline {
    double centre = 0;
    double top = 0, underTopFlange = 0, overBottomFlange = 0, bottom = 0;
    double topFlange = 0, web = 0, bottomFlange = 0;
};

// The two drawings run the bottom flange's upper face and ends opposite ways,
// the cross-section towards the web and the Magnel diagram away from it, and
// a picture saved as SVG keeps the direction of every line.
enum class BottomFlangeOrder { TowardsTheWeb, AwayFromTheWeb };

// Appends in drawing order to a square surface `size` twips across; a
// primitive with a coordinate that is not a finite number (a scale from a
// zero width, an undefined force limit) is left out, so the surface is never
// asked to draw at infinity.
class DrawingBuilder {
public:
    explicit DrawingBuilder(double size) : size_(size) {}

    void line(double x1, double y1, double x2, double y2, Ink ink, int penWidth);
    void dot(double x, double y, Ink ink, int penWidth);
    void text(double x, double y, std::string text, Ink ink, bool bold);
    // A label beside a line: past the right edge it ends at endAt instead.
    void textBeside(double x, double y, std::string text, Ink ink, bool bold, double endAt);

    // Light grey lines every 200 twips, across and then down, from `margin`
    // to `margin` short of the far edge.
    void grid(int margin);
    // The twelve segments: top edge, top flange underside and ends, web sides,
    // bottom flange upper face, bottom edge and ends.
    void outline(const SectionOutline& o, BottomFlangeOrder order, Ink ink, int penWidth);

    Drawing take() { return std::move(drawing_); }

private:
    double size_;
    Drawing drawing_;
};

}  // namespace drawing
