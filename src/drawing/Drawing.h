#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

// A drawing as a list of primitives in twips (origin at the top left corner
// of the surface, y growing downwards). A surface replays the list, so the
// picture survives repainting, scales to any screen and can be tested
// without one.

namespace drawing {

// Red, green, blue, or the surface's foreground: the system window-text
// colour, which only the surface painting the list knows.
struct Colour {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool foreground = false;
    friend bool operator==(const Colour&, const Colour&) = default;
};

inline constexpr Colour kForeground{0, 0, 0, true};
inline constexpr Colour kLightGrey{224, 224, 224};
inline constexpr Colour kGrey{128, 128, 128};
inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kRed{255, 0, 0};
inline constexpr Colour kGreen{0, 255, 0};
inline constexpr Colour kBlue{0, 0, 255};
inline constexpr Colour kMagenta{255, 0, 255};
inline constexpr Colour kCyan{0, 255, 255};
inline constexpr Colour kOlive{128, 128, 0};

struct Point {
    double x = 0;  // twips
    double y = 0;  // twips
};

struct Line {
    Point from;
    Point to;
    Colour colour;
    int penWidth = 1;  // pixels
};

// A point drawn as a round dot as wide as the pen.
struct Dot {
    Point at;
    Colour colour;
    int penWidth = 1;  // pixels
};

// Printed in the surface's font with its top left corner at the point. Only
// the surface knows how wide the text comes out: a text that would run past
// the right edge of the drawing and has a fallback is printed ending at the
// fallback x instead, so a label next to a line far right flips to the
// line's left rather than being cut off.
struct Text {
    Point topLeft;
    std::string text;
    Colour colour;
    bool bold = false;
    std::optional<double> fallbackRightEdge;  // twips
};

using Primitive = std::variant<Line, Dot, Text>;

struct Drawing {
    double width = 0;   // twips
    double height = 0;  // twips
    std::vector<Primitive> primitives;

    // A primitive with a coordinate that is not finite (an undefined force
    // limit, a scale divided by zero) is left out: there is nowhere to draw it.
    void add(const Primitive& primitive);
};

}  // namespace drawing
