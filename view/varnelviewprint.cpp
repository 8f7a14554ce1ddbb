#include "view/varnelview.h"

#include "view/neckcolours.h"
#include "view/paintersurface.h"

#include <QPainter>

#include <cmath>

bool CVarnelView::OnPreparePrinting(CPrintInfo* pInfo) {
    if (pInfo != nullptr) {
        pInfo->SetMaxPage(1);
    }
    return DoPreparePrinting(pInfo);
}

void CVarnelView::OnBeginPrinting(QPainter*, CPrintInfo* pInfo) {
    pInfo->m_nNumPreviewPages = 1;
}

void CVarnelView::OnPrint(QPainter* pDC, CPrintInfo* pInfo) {
    // The window's client size sets the logical extent, so the page shows what the window
    // shows; fitted, the page shows the whole drawing.
    PrintPage(pDC, pInfo, IsFitted() ? PrintedDrawingSize() : VisibleSize());
}

void CVarnelView::OnEndPrinting(QPainter*, CPrintInfo*) {}

void CVarnelView::OnFilePrint() {
    RunPrintJob(*this, m_printer, CPrintInfo::Kind::Dialog, this);
}

bool CVarnelView::OnFilePrintDirect() {
    return RunPrintJob(*this, m_printer, CPrintInfo::Kind::Direct, this);
}

void CVarnelView::OnFilePrintPreview() {
    RunPrintPreview(*this, m_printer, this);
}

void CVarnelView::OnDraw(QPainter* pDC) {
    const QRect client = rect();
    const double scale = ScreenScale();
    if (scale == 1.0) {
        CPainterSurface surface(pDC, ScreenColours(palette()));
        surface.SetDeviceAligned(true);
        DrawNecks(&surface, client.size(), &client, false);
        return;
    }
    // Zoomed: the pass draws in units of the unzoomed drawing, over as many of them as the
    // view holds.
    pDC->scale(scale, scale);
    const QRect logical(0, 0, static_cast<int>(std::ceil(client.width() / scale)),
                        static_cast<int>(std::ceil(client.height() / scale)));
    CPainterSurface surface(pDC, ScreenColours(palette()));
    surface.SetDeviceAligned(true);
    DrawNecks(&surface, logical.size(), &logical, false);
}
