#pragma once

#include <QColor>
#include <QPalette>

// The colours of one drawing pass.
struct CNeckColours {
    QColor background; // the fill behind the necks
    QColor line;       // strings, frets, nut, position markers (outline and fill)
    QColor tonic;      // tonic dots, outline and fill
    QColor scale;      // other scale dots, outline and fill
    QColor title;      // the diagram titles
    QColor fretNumber; // fret numbers beside the first neck: quieter than line, still readable

    friend bool operator==(const CNeckColours&, const CNeckColours&) = default;
};

// Print, preview and PDF: black lines, light red tonics, blue scale dots and titles on white,
// with mid-grey (96, 96, 96) fret numbers.
CNeckColours PaperColours();

// The screen. On a light palette (Base at least as light as Text) these are the paper colours
// over Base, with Text for lines and Link for titles, untouched. On a dark palette every colour
// is lightened, keeping its hue, just enough to stand out 3:1 from Base; where even white cannot,
// it becomes whichever of black or white stands out more.
CNeckColours ScreenColours(const QPalette& palette);

// A dark palette that fills every role a widget reads, for rendering the program dark.
QPalette DarkNeckPalette();

// How far two colours stand apart in relative luminance, from 1 (the same) to 21 (black and
// white); the order of the arguments does not matter, and alpha is ignored.
double ContrastRatio(const QColor& a, const QColor& b);

// Black or white, whichever stands out more from fill: the colour of a label on a dot.
QColor LabelColourOn(const QColor& fill);
