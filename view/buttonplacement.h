#pragma once

#include <QRect>
#include <QSize>

#include <array>
#include <vector>

// What decides where the Flat, Natural and Sharp buttons stand, all in view pixels.
struct ButtonPlacementInput {
    std::array<QRect, 3> usual; // over the first three necks, left to right
    std::vector<QRect> titles;  // every neck title's band
    QSize drawing;              // the drawing as the view shows it, from the top-left corner
    QSize visible;              // the part of the view the window shows
    bool fitted = false;        // the view is exactly the visible part, never scrolled
    std::array<int, 3> minimumWidths{}; // each button's room for its text
};

// The buttons' rectangles: where they usually stand, unless one would cover a title. Then they
// go in a row under the drawing, where a scrolled view grows to hold them; a fitted view with no
// room left below has them one under another beside the drawing, right of every title, or, with
// no room there either, in a row along its lower edge.
std::array<QRect, 3> PlaceAccidentalButtons(const ButtonPlacementInput& in);
