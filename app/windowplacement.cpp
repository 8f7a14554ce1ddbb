#include "app/windowplacement.h"

#include <algorithm>

namespace {

QRect Rect(const WindowPlacement& p) {
    return {p.x, p.y, p.cx, p.cy};
}

// The title bar is what the user drags a window by: some of its width must be on a screen, and
// enough of the window must be on that screen's usable part to be seen and grabbed.
bool IsReachable(const WindowPlacement& stored, const DesktopAreas& desktop) {
    const QRect window = Rect(stored);
    const QRect topEdge(window.left(), window.top(), window.width(), 1);
    for (qsizetype i = 0; i < desktop.screens.size() && i < desktop.available.size(); ++i) {
        const QRect seen = window.intersected(desktop.available.at(i));
        const QRect top = topEdge.intersected(desktop.screens.at(i));
        if (seen.width() >= kMinVisible.width() && seen.height() >= kMinVisible.height() &&
            top.width() >= kMinVisible.width()) {
            return true;
        }
    }
    return false;
}

} // namespace

DesktopAreas DesktopAreas::Single(QSize workArea) {
    const QRect area(QPoint(0, 0), workArea);
    return {{area}, {area}, workArea};
}

QRect DesktopAreas::Bounds() const {
    QRect whole;
    for (const QRect& screen : screens) {
        whole = whole.united(screen);
    }
    QRect usable;
    for (const QRect& area : available) {
        usable = usable.united(area);
    }
    return {whole.topLeft(), usable.size()};
}

WindowPlacement DefaultPlacement(QSize workArea) {
    const int width = static_cast<int>(static_cast<float>(workArea.width()) * 0.8F);
    const int height = workArea.height();
    return {(workArea.width() - width) / 2, (workArea.height() - height) / 2, width, height};
}

WindowPlacement RestoredPlacement(const WindowPlacement& stored, const DesktopAreas& desktop) {
    const QRect bounds = desktop.Bounds();
    const int x = stored.x - bounds.left();
    const int y = stored.y - bounds.top();
    const int w = bounds.width();
    const int h = bounds.height();
    // The right and bottom edges are not checked: a window dragged partly off the screen comes
    // back where it was left, as long as enough of it can still be reached.
    const bool plausible = stored.cx > 0 && stored.cy > 0 && x >= 0 && y >= 0 && stored.cx <= w &&
                           stored.cy <= h && x <= w && y <= h;
    return plausible && IsReachable(stored, desktop) ? stored
                                                     : DefaultPlacement(desktop.primaryWorkArea);
}

WindowPlacement RestoredPlacement(const WindowPlacement& stored, QSize workArea) {
    return RestoredPlacement(stored, DesktopAreas::Single(workArea));
}

WindowPlacement ClampedPlacement(const WindowPlacement& current, const QRect& desktop) {
    WindowPlacement clamped = current;
    clamped.x = std::max(clamped.x, desktop.left());
    clamped.y = std::max(clamped.y, desktop.top());
    clamped.cx = std::min(clamped.cx, desktop.width());
    clamped.cy = std::min(clamped.cy, desktop.height());
    return clamped;
}

WindowPlacement ClampedPlacement(const WindowPlacement& current, QSize workArea) {
    return ClampedPlacement(current, QRect(QPoint(0, 0), workArea));
}
