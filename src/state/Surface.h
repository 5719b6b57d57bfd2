// What the drawing goes to: a persistent picture measured in twips. The window
// backs it with an image it repaints from; tests record the calls.
#pragma once

#include <cstdint>
#include <string>

namespace tess {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

namespace colors {
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb darkRed{128, 0, 0};
inline constexpr Rgb blue{0, 0, 255};
inline constexpr Rgb red{255, 0, 0};
inline constexpr Rgb magenta{255, 0, 255};
inline constexpr Rgb progress{0, 192, 192};
}  // namespace colors

// Twips per device-independent pixel.
inline constexpr int kTwipsPerPixel = 15;

class Surface {
public:
    virtual ~Surface() = default;
    // The drawable size inside the border, in twips.
    virtual double width() const = 0;
    virtual double height() const = 0;
    // The full width, border included, in twips.
    virtual double fullWidth() const = 0;
    virtual void clear() = 0;
    virtual void drawLine(double x1, double y1, double x2, double y2, Rgb color) = 0;
    virtual void drawText(double left, double top, const std::string& text, Rgb color) = 0;
};

}  // namespace tess
