#pragma once

#include "music/musicmodel.h"

#include <QRect>
#include <QSize>

class CDrawSurface;

// Everything the seven neck diagrams are drawn from: the key and style (the music model), the
// drawing metrics, and the title width measured on the first pass. The view is one of these;
// the command-line export makes one of its own, without any window.
class CNeckDrawing : public CMusicModel {
public:
    CNeckDrawing() = default;
    virtual ~CNeckDrawing() = default;
    CNeckDrawing(const CNeckDrawing&) = default;
    CNeckDrawing& operator=(const CNeckDrawing&) = default;

    int m_nTitleWidth = -1;     // widest title, measured once on the first pass; -1 until then
    bool m_bShortTitles = false; // titles show only the first three letters of the mode
    int m_nStringSpacing = 20;
    int m_nFretSpacing = 30;
    int m_nNeckSpacing = 20;
    int m_nInlayRadius = 2;
    int m_nNoteRadius = 6;

    // One full pass. clientSize is the size of the view's window, which sets the logical
    // extent even when printing; prcTarget is the device area to cover.
    void DrawNecks(CDrawSurface* pDC, QSize clientSize, const QRect* prcTarget, bool bPrinting);
};
