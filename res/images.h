#pragma once

#include <QCursor>
#include <QIcon>

// The application icon, drawn for 16, 22, 24, 32 and 48 pixels and sharp at whole multiples of
// those; a white fingerboard behind its grid keeps it seen on dark panels.
QIcon ApplicationIcon();
// Toolbar button `index` (0 to 8: A to G, Preferences, Print), drawn on a 16-by-15 pixel grid
// and rendered afresh for each size and display scale; a null icon for any other index.
QIcon ToolbarImage(int index);
// The hand shown over links, hot spot at its top-left corner.
QCursor LinkHandCursor();
