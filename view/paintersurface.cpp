#include "view/paintersurface.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

QFont PrintTitleFont() {
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    // A pixel size is taken in the painter's logical units, so it scales with the page.
    font.setPixelSize(14);
    return font;
}

CPainterSurface::CPainterSurface(QPainter* pPainter, const QColor& windowColour)
    : m_pPainter(pPainter)
    , m_windowColour(windowColour)
    , m_textColour(pPainter->pen().color())
    , m_originalTransform(pPainter->worldTransform())
    , m_original{pPainter->pen(), pPainter->brush(), m_textColour, pPainter->backgroundMode()}
    , m_remembered(m_original)
    , m_originalFont(pPainter->font())
    , m_rememberedFont(m_originalFont) {}

CPainterSurface::~CPainterSurface() {
    m_pPainter->setPen(m_original.pen);
    m_pPainter->setBrush(m_original.brush);
    m_pPainter->setBackgroundMode(m_original.backgroundMode);
    m_pPainter->setFont(m_originalFont);
    m_pPainter->setWorldTransform(m_originalTransform);
}

QColor CPainterSurface::WindowColour() const {
    return m_windowColour;
}

void CPainterSurface::SetIsotropicMapping(QSize windowExtent, QSize viewportExtent) {
    // An empty or negative extent has no scale to give; the mapping then stays one to one
    // rather than dividing by zero.
    qreal scale = 1.0;
    if (windowExtent.width() > 0 && windowExtent.height() > 0 && viewportExtent.width() > 0 &&
        viewportExtent.height() > 0) {
        scale = std::min(qreal(viewportExtent.width()) / windowExtent.width(),
                         qreal(viewportExtent.height()) / windowExtent.height());
    }
    m_pPainter->setWorldTransform(QTransform::fromScale(scale, scale) * m_originalTransform);
}

void CPainterSurface::SelectTitleFont() {
    m_rememberedFont = m_pPainter->font();
    m_pPainter->setFont(PrintTitleFont());
}

void CPainterSurface::RestoreFont() {
    m_pPainter->setFont(m_rememberedFont);
}

void CPainterSurface::RememberTools() {
    m_remembered = {m_pPainter->pen(), m_pPainter->brush(), m_textColour,
                    m_pPainter->backgroundMode()};
}

void CPainterSurface::RestoreTools() {
    m_pPainter->setPen(m_remembered.pen);
    m_pPainter->setBrush(m_remembered.brush);
    m_textColour = m_remembered.textColour;
    m_pPainter->setBackgroundMode(m_remembered.backgroundMode);
}

const QPen& CPainterSurface::PenFor(const CSurfacePen& pen) {
    for (const auto& [key, made] : m_pens) {
        if (key == pen) {
            return made;
        }
    }
    // A flat cap leaves the end point out, so the segments of a string meet without overlap.
    return m_pens.emplace_back(pen, QPen(QBrush(pen.colour), pen.width, Qt::SolidLine, Qt::FlatCap))
        .second;
}

const QBrush& CPainterSurface::BrushFor(const CSurfaceBrush& brush) {
    for (const auto& [key, made] : m_brushes) {
        if (key == brush) {
            return made;
        }
    }
    return m_brushes.emplace_back(brush, QBrush(brush.colour)).second;
}

void CPainterSurface::SelectPen(const CSurfacePen& pen) {
    m_pPainter->setPen(PenFor(pen));
}

void CPainterSurface::SelectBrush(const CSurfaceBrush& brush) {
    m_pPainter->setBrush(BrushFor(brush));
}

void CPainterSurface::SetTextColour(const QColor& colour) {
    m_textColour = colour;
}

void CPainterSurface::SetTransparentBackground() {
    m_pPainter->setBackgroundMode(Qt::TransparentMode);
}

void CPainterSurface::Line(QPoint from, QPoint to) {
    m_pPainter->drawLine(from, to);
}

void CPainterSurface::Ellipse(const CSurfaceRect& box) {
    // A painter's ellipse in QRect(x, y, w, h) with a one-unit pen covers w + 1 columns, so the
    // figure covers left to right - 1 as the device-context rectangle does.
    const int width = box.right - box.left - 1;
    const int height = box.bottom - box.top - 1;
    if (width < 0 || height < 0) {
        return;
    }
    m_pPainter->drawEllipse(QRect(box.left, box.top, width, height));
}

void CPainterSurface::FillRect(const CSurfaceRect& rect, const CSurfaceBrush& brush) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) {
        return;
    }
    m_pPainter->fillRect(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top),
                         BrushFor(brush));
}

void CPainterSurface::TextOut(QPoint topLeft, const QString& text) {
    const QPen linePen = m_pPainter->pen();
    m_pPainter->setPen(m_textColour);
    const QFontMetrics metrics(m_pPainter->font(), m_pPainter->device());
    m_pPainter->drawText(QPoint(topLeft.x(), topLeft.y() + metrics.ascent()), text);
    m_pPainter->setPen(linePen);
}

int CPainterSurface::TextWidth(const QString& text) {
    return QFontMetrics(m_pPainter->font(), m_pPainter->device()).horizontalAdvance(text);
}
