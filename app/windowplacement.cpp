#include "app/windowplacement.h"

#include <algorithm>

WindowPlacement DefaultPlacement(QSize workArea) {
    const int width = static_cast<int>(static_cast<float>(workArea.width()) * 0.8F);
    const int height = workArea.height();
    return {(workArea.width() - width) / 2, (workArea.height() - height) / 2, width, height};
}

WindowPlacement RestoredPlacement(const WindowPlacement& stored, QSize workArea) {
    const int w = workArea.width();
    const int h = workArea.height();
    // The right and bottom edges are not checked: a window dragged partly off the screen
    // comes back where it was left.
    const bool plausible = stored.cx > 0 && stored.cy > 0 && stored.x >= 0 && stored.y >= 0 &&
                           stored.cx <= w && stored.cy <= h && stored.x <= w && stored.y <= h;
    return plausible ? stored : DefaultPlacement(workArea);
}

WindowPlacement ClampedPlacement(const WindowPlacement& current, QSize workArea) {
    WindowPlacement clamped = current;
    clamped.x = std::max(clamped.x, 0);
    clamped.y = std::max(clamped.y, 0);
    clamped.cx = std::min(clamped.cx, workArea.width());
    clamped.cy = std::min(clamped.cy, workArea.height());
    return clamped;
}
