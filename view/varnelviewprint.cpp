#include "view/varnelview.h"

#include "view/paintersurface.h"

#include <QPainter>

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
    // The window's client size sets the logical extent, so the page shows what the window shows.
    PrintPage(pDC, pInfo, size());
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
    CPainterSurface surface(pDC, BackgroundColour());
    const QRect client = rect();
    DrawNecks(&surface, client.size(), &client, false);
}
