#include "dialogs/linkcolours.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTextContrast = 4.5;
// Lightness halvings: far finer than the 8-bit steps the result is rounded to.
constexpr int kLightnessSteps = 20;

double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

// Relative luminance as WCAG defines it.
double Luminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) +
           0.0722 * Linear(rgb.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Rounded to 8 bits a channel, as the screen shows it, so the contrast checked is the one seen.
QColor FromHsl(float hue, float saturation, float lightness) {
    const QColor rgb = QColor::fromHslF(hue, saturation, lightness).toRgb();
    return QColor(rgb.red(), rgb.green(), rgb.blue());
}

QColor ReadableOn(const QColor& colour, const QColor& background) {
    if (Contrast(colour, background) >= kTextContrast) {
        return colour;
    }
    float hue = 0;
    float saturation = 0;
    float lightness = 0;
    colour.toHsl().getHslF(&hue, &saturation, &lightness);
    // Invariant: high reads, low does not; at full lightness every colour is white, which reads
    // on any background dark enough to call the palette dark.
    float low = lightness;
    float high = 1;
    for (int i = 0; i < kLightnessSteps; ++i) {
        const float middle = (low + high) / 2;
        if (Contrast(FromHsl(hue, saturation, middle), background) >= kTextContrast) {
            high = middle;
        } else {
            low = middle;
        }
    }
    return FromHsl(hue, saturation, high);
}

} // namespace

LinkColours LinkColoursFor(const QPalette& palette, const QColor& classicNormal,
                           const QColor& classicVisited) {
    const QColor window = palette.color(QPalette::Window);
    if (Luminance(window) >= Luminance(palette.color(QPalette::WindowText))) {
        return {classicNormal, classicVisited};
    }
    return {ReadableOn(palette.color(QPalette::Link), window),
            ReadableOn(palette.color(QPalette::LinkVisited), window)};
}
