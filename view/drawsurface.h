#pragma once

#include "layout/layoutbox.h"
#include "view/neckcolours.h"

#include <QColor>
#include <QPoint>
#include <QSize>
#include <QString>

// A solid pen; its width is in logical units, so it scales with the mapping.
struct CSurfacePen {
    QColor colour;
    int width = 1;

    friend bool operator==(const CSurfacePen&, const CSurfacePen&) = default;
};

// A solid brush.
struct CSurfaceBrush {
    QColor colour;

    friend bool operator==(const CSurfaceBrush&, const CSurfaceBrush&) = default;
};

// The device a drawing pass talks to, in the terms of a device context: a mapping, a selected
// pen, brush and font, a text colour and background mode, and a handful of figures drawn with
// them. Coordinates are logical units of the mapping. Implemented over QPainter for every real
// device, and by a recorder that tests read.
class CDrawSurface {
public:
    virtual ~CDrawSurface() = default;

    // The colours of a screen pass, from the desktop's palette; the background is the system
    // window colour.
    virtual CNeckColours ScreenColours() const = 0;

    // Isotropic mapping with logical (0, 0) at device (0, 0): windowExtent logical units are shown
    // on at most viewportExtent device units, with one scale factor for both directions, which
    // is returned (1 when either extent is empty).
    virtual double SetIsotropicMapping(QSize windowExtent, QSize viewportExtent) = 0;

    // Selects the printed titles' font (bold "Arial", 14 logical units high), remembering the
    // font it replaces; RestoreFont selects the remembered one again.
    virtual void SelectTitleFont() = 0;
    virtual void RestoreFont() = 0;

    // Remembers the pen, brush, text colour and background mode that RestoreTools selects again.
    virtual void RememberTools() = 0;
    virtual void RestoreTools() = 0;

    virtual void SelectPen(const CSurfacePen& pen) = 0;
    virtual void SelectBrush(const CSurfaceBrush& brush) = 0;
    virtual void SetTextColour(const QColor& colour) = 0;
    // Text is drawn without filling the space behind it.
    virtual void SetTransparentBackground() = 0;

    // A segment with the selected pen; the end point itself is left out, as LineTo leaves it.
    virtual void Line(QPoint from, QPoint to) = 0;
    // Outlined with the selected pen and filled with the selected brush.
    virtual void Ellipse(const CSurfaceRect& box) = 0;
    virtual void FillRect(const CSurfaceRect& rect, const CSurfaceBrush& brush) = 0;
    // The point is the top-left corner of the text.
    virtual void TextOut(QPoint topLeft, const QString& text) = 0;
    // Width of the text in the current font, in logical units.
    virtual int TextWidth(const QString& text) = 0;
    // TextOut and TextWidth use the selected font at nPercent of its size until the next call;
    // 100 gives the selected font back as it was.
    virtual void ScaleFont(int nPercent) = 0;

    // Small text (a dot's label, a fret number) in the current font family at the largest
    // pixel size from nPixelSize down to a legible floor at which it fits: centred inside the
    // ellipse that `box` bounds, or right-aligned or centred in `box`, centred vertically. Left
    // out when it fits at no legible size.
    enum class TextFit {
        InEllipse,
        RightAligned,
        Centred,
    };
    virtual void FittedText(const CSurfaceRect& box, const QString& text, const QColor& colour,
                            int nPixelSize, TextFit fit) = 0;
    // The width of the ink of right-aligned FittedText at nPixelSize, so that a box can be
    // made wide enough for it.
    virtual int FittedTextWidth(const QString& text, int nPixelSize) = 0;
};

// Smaller text than this cannot be read on screen or paper; it is left out instead.
inline constexpr int kMinLegiblePixelSize = 6;
