#include "view/recordingsurface.h"

#include "view/paintersurface.h"
#include "view/zoomsteps.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>
#include <cstdint>

void CRecordingSurface::SetFont(const QFont& font, QPaintDevice* pDevice) {
    m_font = font;
    m_pDevice = pDevice;
}

void CRecordingSurface::SetCharacterWidth(int nWidth, int nHeight) {
    m_nCharacterWidth = nWidth;
    m_nCharacterHeight = nHeight;
}

void CRecordingSurface::SetWindowColour(const QColor& colour) {
    m_colours.background = colour;
}

void CRecordingSurface::SetScreenColours(const CNeckColours& colours) {
    m_colours = colours;
}

std::vector<CRecordedCall> CRecordingSurface::CallsOf(CRecordedCall::Kind kind) const {
    std::vector<CRecordedCall> calls;
    std::copy_if(m_calls.begin(), m_calls.end(), std::back_inserter(calls),
                 [kind](const CRecordedCall& call) { return call.kind == kind; });
    return calls;
}

CSurfaceRect CRecordingSurface::DrawingExtent() const {
    bool any = false;
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t right = 0;
    std::int64_t bottom = 0;
    const auto add = [&](std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b) {
        if (r <= l || b <= t) {
            return;
        }
        left = any ? std::min(left, l) : l;
        top = any ? std::min(top, t) : t;
        right = any ? std::max(right, r) : r;
        bottom = any ? std::max(bottom, b) : b;
        any = true;
    };
    for (const CRecordedCall& call : m_calls) {
        switch (call.kind) {
        case CRecordedCall::Kind::Line: {
            // A one-unit pen covers the unit right of and below each point it passes.
            const std::int64_t l = std::min(call.from.x(), call.to.x());
            const std::int64_t t = std::min(call.from.y(), call.to.y());
            const std::int64_t r = std::max(call.from.x(), call.to.x());
            const std::int64_t b = std::max(call.from.y(), call.to.y());
            add(l, t, r + 1, b + 1);
            break;
        }
        case CRecordedCall::Kind::Ellipse:
            add(call.rect.left, call.rect.top, call.rect.right, call.rect.bottom);
            break;
        case CRecordedCall::Kind::TextOut:
            add(call.from.x(), call.from.y(), std::int64_t{call.from.x()} + call.width,
                std::int64_t{call.from.y()} + call.height);
            break;
        default:
            break;
        }
    }
    if (!any) {
        return {};
    }
    const auto narrow = [](std::int64_t value) {
        return static_cast<int>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
    };
    return {narrow(left), narrow(top), narrow(right), narrow(bottom)};
}

void CRecordingSurface::Clear() {
    m_calls.clear();
}

CRecordedCall& CRecordingSurface::Record(CRecordedCall::Kind kind) {
    CRecordedCall& call = m_calls.emplace_back();
    call.kind = kind;
    call.pen = m_pen;
    call.brush = m_brush;
    call.colour = m_textColour;
    call.titleFont = m_bTitleFont;
    return call;
}

QFont CRecordingSurface::CurrentFont() const {
    QFont font = m_bTitleFont ? PrintTitleFont() : m_font;
    if (m_nFontPercent == 100) {
        return font;
    }
    if (font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, font.pixelSize() * m_nFontPercent / 100));
    } else {
        font.setPointSizeF(font.pointSizeF() * m_nFontPercent / 100.0);
    }
    return font;
}

int CRecordingSurface::MeasureWidth(const QString& text) const {
    if (m_nCharacterWidth > 0) {
        return static_cast<int>(text.size()) * m_nCharacterWidth * m_nFontPercent / 100;
    }
    return QFontMetrics(CurrentFont(), m_pDevice).horizontalAdvance(text);
}

int CRecordingSurface::MeasureHeight() const {
    if (m_nCharacterWidth > 0) {
        return m_nCharacterHeight * m_nFontPercent / 100;
    }
    return QFontMetrics(CurrentFont(), m_pDevice).height();
}

CNeckColours CRecordingSurface::ScreenColours() const {
    return m_colours;
}

double CRecordingSurface::SetIsotropicMapping(QSize windowExtent, QSize viewportExtent) {
    CRecordedCall& call = Record(CRecordedCall::Kind::Mapping);
    call.windowExtent = windowExtent;
    call.viewportExtent = viewportExtent;
    return ZoomSteps::FitScale(windowExtent, viewportExtent);
}

void CRecordingSurface::SelectTitleFont() {
    m_bTitleFont = true;
    Record(CRecordedCall::Kind::SelectTitleFont);
}

void CRecordingSurface::RestoreFont() {
    m_bTitleFont = false;
    Record(CRecordedCall::Kind::RestoreFont);
}

void CRecordingSurface::RememberTools() {
    m_rememberedPen = m_pen;
    m_rememberedBrush = m_brush;
    m_rememberedTextColour = m_textColour;
    Record(CRecordedCall::Kind::RememberTools);
}

void CRecordingSurface::RestoreTools() {
    m_pen = m_rememberedPen;
    m_brush = m_rememberedBrush;
    m_textColour = m_rememberedTextColour;
    Record(CRecordedCall::Kind::RestoreTools);
}

void CRecordingSurface::SelectPen(const CSurfacePen& pen) {
    m_pen = pen;
    Record(CRecordedCall::Kind::SelectPen);
}

void CRecordingSurface::SelectBrush(const CSurfaceBrush& brush) {
    m_brush = brush;
    Record(CRecordedCall::Kind::SelectBrush);
}

void CRecordingSurface::SetTextColour(const QColor& colour) {
    m_textColour = colour;
    Record(CRecordedCall::Kind::TextColour);
}

void CRecordingSurface::SetTransparentBackground() {
    Record(CRecordedCall::Kind::TransparentBackground);
}

void CRecordingSurface::Line(QPoint from, QPoint to) {
    CRecordedCall& call = Record(CRecordedCall::Kind::Line);
    call.from = from;
    call.to = to;
}

void CRecordingSurface::Ellipse(const CSurfaceRect& box) {
    Record(CRecordedCall::Kind::Ellipse).rect = box;
}

void CRecordingSurface::FillRect(const CSurfaceRect& rect, const CSurfaceBrush& brush) {
    CRecordedCall& call = Record(CRecordedCall::Kind::FillRect);
    call.rect = rect;
    call.brush = brush;
}

void CRecordingSurface::TextOut(QPoint topLeft, const QString& text) {
    CRecordedCall& call = Record(CRecordedCall::Kind::TextOut);
    call.from = topLeft;
    call.text = text;
    call.width = MeasureWidth(text);
    call.height = MeasureHeight();
}

int CRecordingSurface::TextWidth(const QString& text) {
    const int width = MeasureWidth(text);
    CRecordedCall& call = Record(CRecordedCall::Kind::TextWidth);
    call.text = text;
    call.width = width;
    return width;
}

void CRecordingSurface::ScaleFont(int nPercent) {
    m_nFontPercent = nPercent;
    Record(CRecordedCall::Kind::ScaleFont).width = nPercent;
}

int CRecordingSurface::FittedTextWidth(const QString& text, int nPixelSize) {
    if (m_nCharacterWidth > 0) {
        return static_cast<int>(text.size()) * m_nCharacterWidth;
    }
    QFont font = m_bTitleFont ? PrintTitleFont() : m_font;
    font.setPixelSize(std::max(1, nPixelSize));
    return static_cast<int>(
        std::ceil(QFontMetricsF(font, m_pDevice).tightBoundingRect(text).width()));
}

void CRecordingSurface::FittedText(const CSurfaceRect& box, const QString& text,
                                   const QColor& colour, int nPixelSize, TextFit fit) {
    CRecordedCall& call = Record(CRecordedCall::Kind::FittedText);
    call.rect = box;
    call.text = text;
    call.colour = colour;
    call.width = nPixelSize;
    call.fit = fit;
}
