#pragma once

#include <QList>
#include <QRect>
#include <QSize>

// The frame's outer rectangle as it is stored: left, top, width and height in screen pixels.
struct WindowPlacement {
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;

    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// The screens a placement is checked against, in screen pixels.
struct DesktopAreas {
    QList<QRect> screens;   // each screen whole
    QList<QRect> available; // the usable part of each, in the same order
    QSize primaryWorkArea;  // what the default placement is made for

    // One screen at the origin whose usable part is all of it.
    static DesktopAreas Single(QSize workArea);
    // Where placements are measured: from the top-left corner of all the screens, as wide and
    // high as all their usable parts together. On one screen: its origin and its work area.
    QRect Bounds() const;
};

// The first-run placement: 80 % of the work area's width (single precision, truncated), its
// full height, centred horizontally, top at 0, counted from the screen's origin.
WindowPlacement DefaultPlacement(QSize workArea);

// The stored rectangle when it is plausible for this desktop (positive size no larger than the
// desktop, corner inside it) and the user can reach it: at least kMinVisible of it on the usable
// part of one screen, with its top edge on that screen. Otherwise the default placement in its
// entirety.
WindowPlacement RestoredPlacement(const WindowPlacement& stored, const DesktopAreas& desktop);
WindowPlacement RestoredPlacement(const WindowPlacement& stored, QSize workArea);

// What is written back after a move or resize: a corner before the desktop's origin becomes the
// origin and a size beyond the desktop's becomes the desktop's; nothing else changes.
WindowPlacement ClampedPlacement(const WindowPlacement& current, const QRect& desktop);
WindowPlacement ClampedPlacement(const WindowPlacement& current, QSize workArea);

inline constexpr QSize kMinVisible{100, 50};
