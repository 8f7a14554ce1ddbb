#pragma once

#include "music/musicmodel.h"

#include <QRect>
#include <QSize>

#include <string>

class CDrawSurface;
class QPainter;
struct CPrintInfo;

// Everything the seven neck diagrams are drawn from: the key and style (the music model), the
// drawing metrics, and the title width measured on the first pass. The view is one of these;
// the command-line export makes one of its own, without any window.
class CNeckDrawing : public CMusicModel {
public:
    CNeckDrawing() = default;
    virtual ~CNeckDrawing() = default;
    CNeckDrawing(const CNeckDrawing&) = default;
    CNeckDrawing& operator=(const CNeckDrawing&) = default;

    // x of string 0 of the first diagram, on screen and on paper.
    static constexpr int kLeftMargin = 20;

    int m_nTitleWidth = -1;      // widest title, measured once on the first pass; -1 until then
    bool m_bShortTitles = false; // titles show only the first three letters of the mode
    int m_nStringSpacing = 20;
    int m_nFretSpacing = 30;
    int m_nNeckSpacing = 20;
    int m_nInlayRadius = 2;
    int m_nNoteRadius = 6;

    // One full pass. clientSize is the size of the view's window, which sets the logical
    // extent even when printing; prcTarget is the device area to cover. Any metrics are drawn
    // without overflow: coordinates are worked out in 64 bits and held to a range every device
    // takes.
    void DrawNecks(CDrawSurface* pDC, QSize clientSize, const QRect* prcTarget, bool bPrinting);

    // A printer's or preview's page: the pass scaled from the window's client size onto the
    // usable page rectangle of pInfo, which is then marked as the job's last page.
    void PrintPage(QPainter* pDC, CPrintInfo* pInfo, QSize clientSize);

protected:
    // The pass asks the music model through these, so that a test can watch the questions.
    virtual int QueryNoteRole(int nFret, int nString, int nMode) const;
    virtual std::string QueryRootName(int nMode) const;

private:
    QString TitleOf(int nMode) const;
};
