#include "view/neckdrawing.h"

// Placeholder until the drawing lands in this file.
void CNeckDrawing::DrawNecks(CDrawSurface*, QSize, const QRect*, bool) {}
