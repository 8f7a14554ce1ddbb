#include "view/neckcolours.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kTonic(255, 127, 127);
const QColor kScale(0, 0, 255);
const QColor kTitle(0, 0, 255);
// Dark enough to read on white (6.3:1), light enough to sit behind the black lines.
const QColor kFretNumberGrey(96, 96, 96);

// Graphics need 3:1 against what is behind them to be made out; a lifted colour aims a hair
// above, so that a contrast checker that rounds differently still finds 3:1.
constexpr double kLiftedContrast = 3.05;
// Lightness halvings: far finer than the 8-bit steps the result is rounded to.
constexpr int kLightnessSteps = 20;

double Linear(float channel) {
    const double c = channel;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) +
           0.0722 * Linear(rgb.blueF());
}

// A palette may hold HSV or HSL colours; the drawing compares plain RGB.
QColor RoleColour(const QPalette& palette, QPalette::ColorRole role) {
    return palette.color(role).toRgb();
}

// Rounded to 8 bits a channel, as an image will hold it, so the contrast checked is the
// contrast shown.
QColor FromHsl(float hue, float saturation, float lightness, float alpha) {
    const QColor rgb = QColor::fromHslF(hue, saturation, lightness, alpha).toRgb();
    return QColor(rgb.red(), rgb.green(), rgb.blue(), rgb.alpha());
}

bool StandsOutClearly(const QColor& colour, const QColor& background) {
    return ContrastRatio(colour, background) >= kLiftedContrast;
}

// Raises the HSL lightness to the least value that stands out, so hue and saturation stay.
QColor Legible(const QColor& colour, const QColor& background) {
    if (StandsOutClearly(colour, background)) {
        return colour;
    }
    if (!StandsOutClearly(kWhite, background)) {
        return LabelColourOn(background);
    }
    float hue = 0;
    float saturation = 0;
    float lightness = 0;
    float alpha = 1;
    colour.toHsl().getHslF(&hue, &saturation, &lightness, &alpha);
    // Invariant: high stands out, low does not. Every lightness at 1 is white, which stands out.
    float low = lightness;
    float high = 1;
    for (int i = 0; i < kLightnessSteps; ++i) {
        const float middle = (low + high) / 2;
        if (StandsOutClearly(FromHsl(hue, saturation, middle, alpha), background)) {
            high = middle;
        } else {
            low = middle;
        }
    }
    return FromHsl(hue, saturation, high, alpha);
}

QColor HalfWay(const QColor& from, const QColor& to) {
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    return QColor::fromRgbF((a.redF() + b.redF()) / 2, (a.greenF() + b.greenF()) / 2,
                            (a.blueF() + b.blueF()) / 2, a.alphaF());
}

} // namespace

CNeckColours PaperColours() {
    return {kWhite, kBlack, kTonic, kScale, kTitle, kFretNumberGrey};
}

CNeckColours ScreenColours(const QPalette& palette) {
    const QColor base = RoleColour(palette, QPalette::Base);
    const QColor text = RoleColour(palette, QPalette::Text);
    const QColor link = RoleColour(palette, QPalette::Link);

    // A light palette keeps the look the screen has always had, even where a colour is faint.
    if (RelativeLuminance(base) >= RelativeLuminance(text)) {
        return {base, text, kTonic, kScale, link, kFretNumberGrey};
    }
    return {base,
            Legible(text, base),
            Legible(kTonic, base),
            Legible(kScale, base),
            Legible(link, base),
            Legible(HalfWay(text, base), base)};
}

QPalette DarkNeckPalette() {
    const QColor text(232, 234, 237);
    const std::pair<QPalette::ColorRole, QColor> roles[] = {
        {QPalette::Window, QColor(41, 42, 46)},
        {QPalette::WindowText, text},
        {QPalette::Base, QColor(32, 33, 36)},
        {QPalette::AlternateBase, QColor(41, 42, 46)},
        {QPalette::ToolTipBase, QColor(53, 54, 58)},
        {QPalette::ToolTipText, text},
        {QPalette::PlaceholderText, QColor(154, 160, 166)},
        {QPalette::Text, text},
        {QPalette::Button, QColor(53, 54, 58)},
        {QPalette::ButtonText, text},
        {QPalette::BrightText, QColor(255, 138, 128)},
        {QPalette::Light, QColor(76, 78, 83)},
        {QPalette::Midlight, QColor(64, 65, 70)},
        {QPalette::Mid, QColor(40, 41, 44)},
        {QPalette::Dark, QColor(24, 25, 27)},
        {QPalette::Shadow, QColor(0, 0, 0)},
        {QPalette::Highlight, QColor(38, 98, 178)},
        {QPalette::HighlightedText, QColor(255, 255, 255)},
        {QPalette::Link, QColor(138, 180, 248)},
        {QPalette::LinkVisited, QColor(197, 138, 249)},
    };
    QPalette palette;
    for (const auto& [role, colour] : roles) {
        palette.setColor(role, colour);
    }
    // Disabled widgets fade their text towards the background rather than vanish into it.
    const QColor faded(128, 130, 134);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText}) {
        palette.setColor(QPalette::Disabled, role, faded);
    }
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(64, 65, 70));
    return palette;
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    const auto [darker, lighter] = std::minmax(la, lb);
    return (lighter + 0.05) / (darker + 0.05);
}

QColor LabelColourOn(const QColor& fill) {
    // On a tie black wins: it is the paper's own line colour.
    return ContrastRatio(kWhite, fill) > ContrastRatio(kBlack, fill) ? kWhite : kBlack;
}
