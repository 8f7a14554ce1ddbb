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
    m_screenPass.Paint(*pDC, *this, rect().size(), ScreenScale(), ScreenColours(palette()));
    DrawSoundMarks(*pDC);
}
