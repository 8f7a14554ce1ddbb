#pragma once

#include "view/drawsurface.h"

#include <QBrush>
#include <QFont>
#include <QPen>
#include <QTransform>

#include <utility>
#include <vector>

class QPainter;

// The font of printed titles: bold "Arial", 14 logical units high.
QFont PrintTitleFont();

// A drawing surface over a painter that is already active on the screen, a printer, a preview,
// an image or an SVG generator. Whatever it changes on the painter (pen, brush, font, background
// mode, transform) it puts back when it is destroyed, so the painter is handed back as it came.
class CPainterSurface final : public CDrawSurface {
public:
    // windowColour is what a screen pass fills its background with: the palette's window
    // colour on screen, white for an exported image.
    CPainterSurface(QPainter* pPainter, const QColor& windowColour);
    ~CPainterSurface() override;
    CPainterSurface(const CPainterSurface&) = delete;
    CPainterSurface& operator=(const CPainterSurface&) = delete;

    QColor WindowColour() const override;
    void SetIsotropicMapping(QSize windowExtent, QSize viewportExtent) override;
    void SelectTitleFont() override;
    void RestoreFont() override;
    void RememberTools() override;
    void RestoreTools() override;
    void SelectPen(const CSurfacePen& pen) override;
    void SelectBrush(const CSurfaceBrush& brush) override;
    void SetTextColour(const QColor& colour) override;
    void SetTransparentBackground() override;
    void Line(QPoint from, QPoint to) override;
    void Ellipse(const CSurfaceRect& box) override;
    void FillRect(const CSurfaceRect& rect, const CSurfaceBrush& brush) override;
    void TextOut(QPoint topLeft, const QString& text) override;
    int TextWidth(const QString& text) override;

private:
    struct Tools {
        QPen pen;
        QBrush brush;
        QColor textColour;
        Qt::BGMode backgroundMode = Qt::TransparentMode;
    };

    const QPen& PenFor(const CSurfacePen& pen);
    const QBrush& BrushFor(const CSurfaceBrush& brush);

    QPainter* m_pPainter;
    QColor m_windowColour;
    // Text has a colour of its own, as on a device context; the pen keeps the line colour.
    QColor m_textColour;
    const QTransform m_originalTransform;
    const Tools m_original;
    Tools m_remembered;
    QFont m_originalFont;
    QFont m_rememberedFont;
    // A pass switches between a handful of tools hundreds of times; each is made once.
    std::vector<std::pair<CSurfacePen, QPen>> m_pens;
    std::vector<std::pair<CSurfaceBrush, QBrush>> m_brushes;
};
