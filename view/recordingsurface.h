#pragma once

#include "view/drawsurface.h"

#include <QFont>

#include <vector>

class QPaintDevice;

// One call made on a recording surface, with its arguments and, for the figures, the pen and
// brush selected at that moment.
struct CRecordedCall {
    enum class Kind {
        Mapping,
        SelectTitleFont,
        RestoreFont,
        RememberTools,
        RestoreTools,
        SelectPen,
        SelectBrush,
        TextColour,
        TransparentBackground,
        Line,
        Ellipse,
        FillRect,
        TextOut,
        TextWidth,
        FittedText,
        ScaleFont,
    };

    Kind kind = Kind::Line;
    QSize windowExtent;   // Mapping
    QSize viewportExtent; // Mapping
    QPoint from;          // Line; TextOut: the top-left corner
    QPoint to;            // Line
    CSurfaceRect rect;    // Ellipse, FillRect, FittedText
    CSurfacePen pen;      // SelectPen; the pen in effect for Line and Ellipse
    CSurfaceBrush brush;  // SelectBrush, FillRect; the brush in effect for Ellipse
    QColor colour;        // TextColour, FittedText; the text colour in effect for TextOut
    QString text;         // TextOut, TextWidth, FittedText
    // TextOut, TextWidth: the measured width; FittedText: pixel size; ScaleFont: the percent
    int width = 0;
    int height = 0;         // TextOut: the height of a line of text
    bool titleFont = false; // TextOut, TextWidth: whether the printed titles' font was selected
    CDrawSurface::TextFit fit = CDrawSurface::TextFit::InEllipse; // FittedText
};

// Draws nothing and records every call in order, for tests and for working out how large the
// drawing is. Text is measured with the metrics of a given font, or with a fixed width per
// character when one is set, so that a result does not depend on the fonts installed.
class CRecordingSurface final : public CDrawSurface {
public:
    CRecordingSurface() = default;

    // The font that stands for the device's own; pDevice (optional) gives the resolution.
    void SetFont(const QFont& font, QPaintDevice* pDevice = nullptr);
    // Every character this many units wide (and text this many high); 0 goes back to the font.
    void SetCharacterWidth(int nWidth, int nHeight = 16);
    void SetWindowColour(const QColor& colour);
    void SetScreenColours(const CNeckColours& colours);

    const std::vector<CRecordedCall>& Calls() const { return m_calls; }
    std::vector<CRecordedCall> CallsOf(CRecordedCall::Kind kind) const;
    // The union of every line, ellipse and text drawn (not the background fill), in the
    // device-context convention: right and bottom just outside. Empty when nothing was drawn.
    CSurfaceRect DrawingExtent() const;
    void Clear();

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
    CRecordedCall& Record(CRecordedCall::Kind kind);
    // The font text is measured in: the device's or the printed titles', scaled as asked.
    QFont CurrentFont() const;
    int MeasureWidth(const QString& text) const;
    int MeasureHeight() const;

    std::vector<CRecordedCall> m_calls;
    QFont m_font;
    QPaintDevice* m_pDevice = nullptr;
    int m_nCharacterWidth = 0;
    int m_nCharacterHeight = 16;
    CNeckColours m_colours = PaperColours();
    bool m_bTitleFont = false;
    int m_nFontPercent = 100;
    CSurfacePen m_pen{QColor(0, 0, 0)};
    CSurfaceBrush m_brush{QColor(255, 255, 255)};
    QColor m_textColour{0, 0, 0};
    CSurfacePen m_rememberedPen = m_pen;
    CSurfaceBrush m_rememberedBrush = m_brush;
    QColor m_rememberedTextColour = m_textColour;
};
