#pragma once

#include <QColor>
#include <QPalette>

// The colours a link is painted in, unvisited and visited.
struct LinkColours {
    QColor normal;
    QColor visited;
};

// On a light palette (Window at least as light as WindowText) the classic colours, untouched.
// On a dark one the palette's own Link and LinkVisited, lightened where needed, keeping their
// hue, until they stand 4.5:1 apart from Window, as body text must.
LinkColours LinkColoursFor(const QPalette& palette, const QColor& classicNormal,
                           const QColor& classicVisited);
