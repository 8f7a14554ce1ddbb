#pragma once

#include <QRect>

class QPainter;
class QPrinter;
class QWidget;

// What the print machinery tells its client about one job, and what the client tells it back.
struct CPrintInfo {
    enum class Kind {
        Dialog,  // after the print dialog
        Direct,  // straight to the current printer
        Preview, // onto the preview's pages
    };

    Kind m_kind = Kind::Dialog;
    QPrinter* m_pPrinter = nullptr;
    QWidget* m_pParent = nullptr;
    QRect m_rectDraw;           // usable page area in device pixels, for the page being printed
    int m_nNumPreviewPages = 1; // pages the preview shows side by side
    bool m_bContinuePrinting = true;
    int m_nCurPage = 1;

    void SetMaxPage(int nMaxPage) { m_nMaxPage = nMaxPage; }
    int GetMaxPage() const { return m_nMaxPage; }
    int GetMinPage() const { return 1; }

private:
    int m_nMaxPage = 0xFFFF;
};

// The share of printing that a printable view supplies; the machinery calls these in order.
class CPrintClient {
public:
    virtual ~CPrintClient() = default;
    virtual bool OnPreparePrinting(CPrintInfo* pInfo) = 0;
    virtual void OnBeginPrinting(QPainter* pDC, CPrintInfo* pInfo) = 0;
    virtual void OnPrint(QPainter* pDC, CPrintInfo* pInfo) = 0;
    virtual void OnEndPrinting(QPainter* pDC, CPrintInfo* pInfo) = 0;
};

// For a dialog job, runs the print dialog with the page range of pInfo; false when cancelled.
// Direct and preview jobs show nothing and go on.
bool DoPreparePrinting(CPrintInfo* pInfo);

// A print job of the given kind (Dialog or Direct) through the page loop; false when nothing
// was printed (cancelled, or the printer could not be started).
bool RunPrintJob(CPrintClient& client, QPrinter& printer, CPrintInfo::Kind kind, QWidget* pParent);

// The modal print preview of the client's pages.
void RunPrintPreview(CPrintClient& client, QPrinter& printer, QWidget* pParent);

// The modal page setup of the printer, whose page and printer settings later jobs use; false
// when cancelled.
bool RunPrintSetup(QPrinter& printer, QWidget* pParent);
