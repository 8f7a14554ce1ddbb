#pragma once

#include "view/drawsurface.h"

#include <QBrush>
#include <QFont>
#include <QPen>
#include <QStaticText>
#include <QTransform>

#include <map>
#include <optional>
#include <tuple>
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
    // Dot images by pen and brush colour, size, pen width, device pixel ratio and whether they
    // are smoothed.
    using DotImages = std::map<std::tuple<QRgb, QRgb, int, int, double, double, bool>, QImage>;
    // What a window's passes keep from one to the next: the dot images, and the widths of
    // texts by font, resolution and text.
    struct Kept {
        DotImages dots;
        std::map<std::tuple<QString, int, QString>, int> textWidths;
    };

    // The colours a screen pass draws with; paper passes bring their own.
    CPainterSurface(QPainter* pPainter, const CNeckColours& screenColours);
    // The light colours over windowColour: white for an exported image.
    CPainterSurface(QPainter* pPainter, const QColor& windowColour);
    ~CPainterSurface() override;
    CPainterSurface(const CPainterSurface&) = delete;
    CPainterSurface& operator=(const CPainterSurface&) = delete;

    // On a scaled screen (a zoom, a fitted window, a display scale of 1.5) every figure is put
    // on whole pixels and one-unit lines stay one device pixel wide (a whole number of them at
    // larger scales), so that the picture stays even and round. Off by default: paper scales
    // every line.
    void SetDeviceAligned(bool bAligned) { m_bDeviceAligned = bAligned; }
    // Dot images and text widths are taken from and kept in `pKept`, which outlives the
    // surface, so that a window's passes draw each look of dot and measure each title once.
    void ShareKept(Kept* pKept) {
        m_pKept = pKept;
        m_pDots = pKept != nullptr ? &pKept->dots : &m_dots;
        m_pLastDot = nullptr;
    }

    CNeckColours ScreenColours() const override;
    double SetIsotropicMapping(QSize windowExtent, QSize viewportExtent) override;
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
    void ScaleFont(int nPercent) override;
    void FittedText(const CSurfaceRect& box, const QString& text, const QColor& colour,
                    int nPixelSize, TextFit fit) override;
    int FittedTextWidth(const QString& text, int nPixelSize) override;

private:
    struct Tools {
        QPen pen;
        QBrush brush;
        QColor textColour;
        Qt::BGMode backgroundMode = Qt::TransparentMode;
    };

    const QPen& PenFor(const CSurfacePen& pen);
    const QBrush& BrushFor(const CSurfaceBrush& brush);

    // Where a logical point or rectangle falls on the painter, on whole pixels, when the
    // surface maps figures itself.
    QPoint Mapped(QPoint point) const;
    CSurfaceRect Mapped(const CSurfaceRect& rect) const;
    // Segments are drawn together, one call for every run of them with the same pen; anything
    // else drawn, or a new pen, draws the run first, so the order of drawing is kept.
    void FlushLines();
    // Runs a text drawing with the logical mapping in force.
    template <typename Draw>
    void WithLogicalMapping(Draw draw);
    // A figure drawn once into an image and then copied wherever it recurs: the same pixels as
    // drawing it there, for a fraction of the cost.
    void ApplyTools();
    const QPen& CurrentPen() const;
    const QBrush& CurrentBrush() const;
    const QImage& DotImage(int nWidth, int nHeight);
    const QImage& FindDotImage(const DotImages::key_type& key, int nWidth, int nHeight,
                               double ratio);
    const QImage& LabelImage(const CSurfaceRect& painterBox, const CSurfaceRect& box,
                             const QString& text, const QColor& colour, int nPixelSize,
                             TextFit fit);

    // Text laid out once per distinct text, size and box, however many dots show it.
    struct FittedLayout {
        QStaticText text; // empty when it fits at no legible size
        QFont font;
        QPointF offset; // of the text's top-left corner from the box's
    };
    const FittedLayout& LayoutFor(const CSurfaceRect& box, const QString& text, int nPixelSize,
                                  TextFit fit);

    QPainter* m_pPainter;
    CNeckColours m_colours;
    bool m_bDeviceAligned = false;
    double m_dDeviceScale = 1.0;
    bool m_bSmooth = false;
    // True while the surface maps figures onto the painter itself (m_toPainter), with the
    // painter left unscaled.
    bool m_bMapsItself = false;
    QTransform m_toPainter;
    // True when figures land on whole device pixels of a raster device, so images can stand in.
    bool m_bBlits = false;
    std::vector<QLine> m_lines;
    // Whether the pass is drawn smaller than one device pixel per unit: its dots are then only a
    // few pixels wide and come out as diamonds unless smoothed.
    bool m_bShrunk = false;
    // The pen and brush chosen since the painter last drew with them; see SelectPen.
    std::optional<QPen> m_pendingPen;
    std::optional<QBrush> m_pendingBrush;
    DotImages m_dots;
    DotImages* m_pDots = &m_dots;
    Kept* m_pKept = nullptr;
    DotImages::key_type m_lastDotKey;
    const QImage* m_pLastDot = nullptr; // in *m_pDots; std::map keeps it where it is
    std::map<std::tuple<QString, QRgb, int, int, int, int, int, int>, QImage> m_labels;
    // Text has a colour of its own, as on a device context; the pen keeps the line colour.
    QColor m_textColour;
    const QTransform m_originalTransform;
    const Tools m_original;
    Tools m_remembered;
    QFont m_originalFont;
    QFont m_rememberedFont;
    QFont m_unscaledFont;
    bool m_bFontScaled = false;
    // A raster device (a window, an image) rather than a vector one (SVG, PDF, a printer).
    bool m_bRaster;
    // A pass switches between a handful of tools hundreds of times; each is made once.
    std::vector<std::pair<CSurfacePen, QPen>> m_pens;
    std::vector<std::pair<CSurfaceBrush, QBrush>> m_brushes;
    std::map<std::tuple<QString, int, int, int, int>, FittedLayout> m_layouts;
};
