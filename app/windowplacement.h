#pragma once

#include <QSize>

// The frame's outer rectangle as it is stored: left, top, width and height in screen pixels.
struct WindowPlacement {
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;

    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// The first-run placement: 80 % of the work area's width (single precision, truncated), its
// full height, centred horizontally, top at 0, counted from the screen's origin.
WindowPlacement DefaultPlacement(QSize workArea);

// The stored rectangle when it is plausible for this work area (positive size no larger than
// the area, corner inside it); otherwise the default placement in its entirety.
WindowPlacement RestoredPlacement(const WindowPlacement& stored, QSize workArea);

// What is written back after a move or resize: a negative corner becomes 0 and a size beyond
// the work area becomes the area's; nothing else changes.
WindowPlacement ClampedPlacement(const WindowPlacement& current, QSize workArea);
