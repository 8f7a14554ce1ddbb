#include "view/paintersurface.h"

#include "view/zoomsteps.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>

QFont PrintTitleFont() {
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    // A pixel size is taken in the painter's logical units, so it scales with the page.
    font.setPixelSize(14);
    return font;
}

CPainterSurface::CPainterSurface(QPainter* pPainter, const QColor& windowColour)
    : CPainterSurface(pPainter, [&windowColour] {
        CNeckColours colours = PaperColours();
        colours.background = windowColour;
        return colours;
    }()) {}

CPainterSurface::CPainterSurface(QPainter* pPainter, const CNeckColours& screenColours)
    : m_pPainter(pPainter)
    , m_colours(screenColours)
    , m_textColour(pPainter->pen().color())
    , m_originalTransform(pPainter->worldTransform())
    , m_original{pPainter->pen(), pPainter->brush(), m_textColour, pPainter->backgroundMode()}
    , m_remembered(m_original)
    , m_originalFont(pPainter->font())
    , m_rememberedFont(m_originalFont)
    , m_bRaster(pPainter->paintEngine() != nullptr &&
                pPainter->paintEngine()->type() == QPaintEngine::Raster) {}

CPainterSurface::~CPainterSurface() {
    FlushLines();
    m_pendingPen.reset();
    m_pendingBrush.reset();
    m_pPainter->setPen(m_original.pen);
    m_pPainter->setBrush(m_original.brush);
    m_pPainter->setBackgroundMode(m_original.backgroundMode);
    m_pPainter->setFont(m_originalFont);
    m_pPainter->setWorldTransform(m_originalTransform);
}

CNeckColours CPainterSurface::ScreenColours() const {
    return m_colours;
}

double CPainterSurface::SetIsotropicMapping(QSize windowExtent, QSize viewportExtent) {
    FlushLines();
    // An empty or negative extent has no scale to give; the mapping then stays one to one
    // rather than dividing by zero.
    const qreal scale = ZoomSteps::FitScale(windowExtent, viewportExtent);
    const QTransform world = QTransform::fromScale(scale, scale) * m_originalTransform;
    m_pPainter->setWorldTransform(world);
    m_dDeviceScale = std::abs(m_pPainter->deviceTransform().m11());
    const bool raster = m_bRaster;
    const double ratio = m_pPainter->device()->devicePixelRatioF();
    // On a scaled raster screen the surface puts every figure on whole pixels itself.
    m_bMapsItself = m_bDeviceAligned && raster && world.type() <= QTransform::TxScale &&
                    world.type() != QTransform::TxNone;
    m_toPainter = m_bMapsItself ? world : QTransform();
    if (m_bMapsItself) {
        m_pPainter->setWorldTransform(QTransform());
    }
    const bool wholePixels = m_bMapsItself || (world.type() <= QTransform::TxTranslate &&
                                               world.dx() == std::round(world.dx()) &&
                                               world.dy() == std::round(world.dy()));
    m_bBlits = raster && wholePixels && ratio == std::round(ratio);
    // What is left of the scale for the painter to apply; a fraction of it would make a dot
    // lopsided unless it is smoothed.
    const double painterScale = m_bMapsItself ? ratio : m_dDeviceScale;
    m_bSmooth = m_bDeviceAligned && std::abs(painterScale - std::round(painterScale)) > 1e-6;
    // Vector output stays as it was: its viewer smooths at whatever size it shows.
    m_bShrunk = raster && (scale < 1.0 || m_dDeviceScale < 1.0);
    return scale;
}

QPoint CPainterSurface::Mapped(QPoint point) const {
    if (!m_bMapsItself) {
        return point;
    }
    const QPointF mapped = m_toPainter.map(QPointF(point));
    return {qRound(mapped.x()), qRound(mapped.y())};
}

CSurfaceRect CPainterSurface::Mapped(const CSurfaceRect& rect) const {
    const QPoint topLeft = Mapped(QPoint(rect.left, rect.top));
    const QPoint bottomRight = Mapped(QPoint(rect.right, rect.bottom));
    return {topLeft.x(), topLeft.y(), bottomRight.x(), bottomRight.y()};
}

void CPainterSurface::FlushLines() {
    if (m_lines.empty()) {
        return;
    }
    ApplyTools();
    m_pPainter->drawLines(m_lines.data(), static_cast<int>(m_lines.size()));
    m_lines.clear();
}

void CPainterSurface::ApplyTools() {
    if (m_pendingPen) {
        m_pPainter->setPen(*m_pendingPen);
        m_pendingPen.reset();
    }
    if (m_pendingBrush) {
        m_pPainter->setBrush(*m_pendingBrush);
        m_pendingBrush.reset();
    }
}

const QPen& CPainterSurface::CurrentPen() const {
    return m_pendingPen ? *m_pendingPen : m_pPainter->pen();
}

const QBrush& CPainterSurface::CurrentBrush() const {
    return m_pendingBrush ? *m_pendingBrush : m_pPainter->brush();
}

template <typename Draw>
void CPainterSurface::WithLogicalMapping(Draw draw) {
    FlushLines();
    ApplyTools();
    if (!m_bMapsItself) {
        draw();
        return;
    }
    m_pPainter->setWorldTransform(m_toPainter);
    draw();
    m_pPainter->setWorldTransform(QTransform());
}

void CPainterSurface::SelectTitleFont() {
    FlushLines();
    m_rememberedFont = m_pPainter->font();
    m_pPainter->setFont(PrintTitleFont());
}

void CPainterSurface::RestoreFont() {
    FlushLines();
    m_pPainter->setFont(m_rememberedFont);
}

void CPainterSurface::RememberTools() {
    ApplyTools();
    m_remembered = {m_pPainter->pen(), m_pPainter->brush(), m_textColour,
                    m_pPainter->backgroundMode()};
}

void CPainterSurface::RestoreTools() {
    FlushLines();
    m_pendingPen.reset();
    m_pendingBrush.reset();
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
    QPen made(QBrush(pen.colour), pen.width, Qt::SolidLine, Qt::FlatCap);
    if (m_bDeviceAligned && m_dDeviceScale != 1.0) {
        // A whole number of device pixels, the same for every line wherever it falls.
        made.setCosmetic(true);
        made.setWidthF(std::max(1.0, std::floor(m_dDeviceScale * pen.width + 1e-6)));
    }
    return m_pens.emplace_back(pen, made).second;
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
    const QPen& made = PenFor(pen);
    // A vector device records every change of pen, so it is told each one, as it always was.
    if (!m_bRaster) {
        FlushLines();
        m_pPainter->setPen(made);
        return;
    }
    // A raster painter hears of a pen only when it draws with it: dots blitted as images need
    // only its colour, and telling the painter of every change costs more than the blit.
    if (CurrentPen() != made) {
        FlushLines();
        m_pendingPen = made;
    }
}

void CPainterSurface::SelectBrush(const CSurfaceBrush& brush) {
    if (!m_bRaster) {
        m_pPainter->setBrush(BrushFor(brush));
        return;
    }
    m_pendingBrush = BrushFor(brush);
}

void CPainterSurface::SetTextColour(const QColor& colour) {
    m_textColour = colour;
}

void CPainterSurface::SetTransparentBackground() {
    m_pPainter->setBackgroundMode(Qt::TransparentMode);
}

void CPainterSurface::Line(QPoint from, QPoint to) {
    if (!m_bRaster) {
        // Each segment stays an element of its own in an SVG or PDF.
        m_pPainter->drawLine(from, to);
        return;
    }
    m_lines.emplace_back(Mapped(from), Mapped(to));
}

void CPainterSurface::Ellipse(const CSurfaceRect& logicalBox) {
    FlushLines();
    // A painter's ellipse in QRect(x, y, w, h) with a one-unit pen covers w + 1 columns, so the
    // figure covers left to right - 1 as the device-context rectangle does.
    const CSurfaceRect box = Mapped(logicalBox);
    const int width = box.right - box.left - 1;
    const int height = box.bottom - box.top - 1;
    if (width < 0 || height < 0) {
        return;
    }
    // Hundreds of dots share a handful of looks.
    constexpr int kLargestCopied = 256;
    if (m_bBlits && width < kLargestCopied && height < kLargestCopied) {
        m_pPainter->drawImage(QPoint(box.left - 1, box.top - 1), DotImage(width, height));
        return;
    }
    ApplyTools();
    if (!m_bSmooth && !m_bShrunk) {
        m_pPainter->drawEllipse(QRect(box.left, box.top, width, height));
        return;
    }
    // At a fractional scale an unsmoothed dot comes out lopsided, and a shrunk one a diamond.
    m_pPainter->setRenderHint(QPainter::Antialiasing, true);
    m_pPainter->drawEllipse(QRect(box.left, box.top, width, height));
    m_pPainter->setRenderHint(QPainter::Antialiasing, false);
}

const QImage& CPainterSurface::DotImage(int nWidth, int nHeight) {
    const QPen& pen = CurrentPen();
    const QBrush& brush = CurrentBrush();
    const double ratio = m_pPainter->device()->devicePixelRatioF();
    const auto key = std::make_tuple(pen.color().rgba(), brush.color().rgba(), nWidth, nHeight,
                                     pen.widthF(), ratio, m_bShrunk);
    // Dots come in runs of one look.
    if (m_pLastDot != nullptr && key == m_lastDotKey) {
        return *m_pLastDot;
    }
    const QImage& image = FindDotImage(key, nWidth, nHeight, ratio);
    m_lastDotKey = key;
    m_pLastDot = &image;
    return image;
}

const QImage& CPainterSurface::FindDotImage(const DotImages::key_type& key, int nWidth, int nHeight,
                                            double ratio) {
    const QPen& pen = CurrentPen();
    const QBrush& brush = CurrentBrush();
    const auto found = m_pDots->find(key);
    if (found != m_pDots->end()) {
        return found->second;
    }
    // Zooming through many sizes and palettes would otherwise keep every look ever drawn.
    constexpr std::size_t kMostKept = 256;
    if (m_pDots->size() >= kMostKept) {
        m_pDots->clear();
        m_pLastDot = nullptr;
    }
    // A pixel of room around the figure, which the outline may reach into.
    QImage image(QSize(nWidth + 3, nHeight + 3) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, m_bShrunk);
    painter.setPen(pen);
    painter.setBrush(brush);
    painter.drawEllipse(QRect(1, 1, nWidth, nHeight));
    painter.end();
    return m_pDots->emplace(key, std::move(image)).first->second;
}

void CPainterSurface::FillRect(const CSurfaceRect& logicalRect, const CSurfaceBrush& brush) {
    FlushLines();
    const CSurfaceRect rect = Mapped(logicalRect);
    if (rect.right <= rect.left || rect.bottom <= rect.top) {
        return;
    }
    m_pPainter->fillRect(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top),
                         BrushFor(brush));
}

void CPainterSurface::TextOut(QPoint topLeft, const QString& text) {
    WithLogicalMapping([&] {
        const QPen linePen = m_pPainter->pen();
        m_pPainter->setPen(m_textColour);
        const QFontMetrics metrics(m_pPainter->font(), m_pPainter->device());
        m_pPainter->drawText(QPoint(topLeft.x(), topLeft.y() + metrics.ascent()), text);
        m_pPainter->setPen(linePen);
    });
}

int CPainterSurface::TextWidth(const QString& text) {
    const QFontMetrics metrics(m_pPainter->font(), m_pPainter->device());
    if (m_pKept == nullptr) {
        return metrics.horizontalAdvance(text);
    }
    // Titles are fitted at every pass, measured at several sizes each.
    auto key = std::make_tuple(m_pPainter->font().key(), m_pPainter->device()->logicalDpiX(), text);
    const auto found = m_pKept->textWidths.find(key);
    if (found != m_pKept->textWidths.end()) {
        return found->second;
    }
    constexpr std::size_t kMostKept = 1024;
    if (m_pKept->textWidths.size() >= kMostKept) {
        m_pKept->textWidths.clear();
    }
    const int width = metrics.horizontalAdvance(text);
    m_pKept->textWidths.emplace(std::move(key), width);
    return width;
}

void CPainterSurface::ScaleFont(int nPercent) {
    FlushLines();
    if (!m_bFontScaled) {
        m_unscaledFont = m_pPainter->font();
    }
    if (nPercent == 100) {
        if (m_bFontScaled) {
            m_pPainter->setFont(m_unscaledFont);
            m_bFontScaled = false;
        }
        return;
    }
    QFont font = m_unscaledFont;
    if (font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, font.pixelSize() * nPercent / 100));
    } else {
        font.setPointSizeF(font.pointSizeF() * nPercent / 100.0);
    }
    m_pPainter->setFont(font);
    m_bFontScaled = true;
}

int CPainterSurface::FittedTextWidth(const QString& text, int nPixelSize) {
    QFont font = m_pPainter->font();
    font.setPixelSize(std::max(1, nPixelSize));
    const QFontMetricsF metrics(font, m_pPainter->device());
    return static_cast<int>(std::ceil(metrics.tightBoundingRect(text).width()));
}

const CPainterSurface::FittedLayout& CPainterSurface::LayoutFor(const CSurfaceRect& box,
                                                                const QString& text, int nPixelSize,
                                                                TextFit fit) {
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    const auto key = std::make_tuple(text, nPixelSize, width, height, static_cast<int>(fit));
    const auto found = m_layouts.find(key);
    if (found != m_layouts.end()) {
        return found->second;
    }
    FittedLayout layout;
    QFont font = m_pPainter->font();
    if (fit == TextFit::InEllipse) {
        font.setWeight(QFont::DemiBold);
    }
    // The outline takes half a unit of every side.
    const double semiWidth = width / 2.0 - 0.5;
    const double semiHeight = height / 2.0 - 0.5;
    for (int size = nPixelSize; size >= kMinLegiblePixelSize; --size) {
        font.setPixelSize(size);
        const QFontMetricsF metrics(font, m_pPainter->device());
        const QRectF ink = metrics.tightBoundingRect(text);
        bool fits = false;
        QPointF origin; // of the baseline, from the box's top-left corner
        if (fit == TextFit::InEllipse) {
            const double x = ink.width() / 2.0 / semiWidth;
            const double y = ink.height() / 2.0 / semiHeight;
            fits = semiWidth > 0 && semiHeight > 0 && x * x + y * y <= 1.0;
            origin = QPointF(width / 2.0, height / 2.0) - ink.center();
        } else {
            fits = ink.width() <= width && ink.height() <= height;
            const double x =
                fit == TextFit::Centred ? width / 2.0 - ink.center().x() : width - ink.right();
            origin = QPointF(x, height / 2.0 - ink.center().y());
        }
        if (fits) {
            layout.font = font;
            layout.text = QStaticText(text);
            layout.text.setTextFormat(Qt::PlainText);
            layout.text.prepare(m_pPainter->transform(), font);
            layout.offset = origin - QPointF(0, metrics.ascent());
            break;
        }
    }
    return m_layouts.emplace(key, std::move(layout)).first->second;
}

void CPainterSurface::FittedText(const CSurfaceRect& box, const QString& text, const QColor& colour,
                                 int nPixelSize, TextFit fit) {
    if (text.isEmpty() || box.right <= box.left || box.bottom <= box.top) {
        return;
    }
    const FittedLayout& layout = LayoutFor(box, text, nPixelSize, fit);
    if (layout.text.text().isEmpty()) {
        return;
    }
    FlushLines();
    const CSurfaceRect painterBox = Mapped(box);
    if (m_bBlits) {
        const QImage& image = LabelImage(painterBox, box, text, colour, nPixelSize, fit);
        m_pPainter->drawImage(QPoint(painterBox.left - 1, painterBox.top - 1), image);
        return;
    }
    WithLogicalMapping([&] {
        const QFont font = m_pPainter->font();
        const QPen pen = m_pPainter->pen();
        m_pPainter->setFont(layout.font);
        m_pPainter->setPen(colour);
        m_pPainter->drawStaticText(QPointF(box.left, box.top) + layout.offset, layout.text);
        m_pPainter->setPen(pen);
        m_pPainter->setFont(font);
    });
}

const QImage& CPainterSurface::LabelImage(const CSurfaceRect& painterBox, const CSurfaceRect& box,
                                          const QString& text, const QColor& colour, int nPixelSize,
                                          TextFit fit) {
    const int width = painterBox.right - painterBox.left;
    const int height = painterBox.bottom - painterBox.top;
    const auto key = std::make_tuple(text, colour.rgba(), nPixelSize, box.right - box.left,
                                     box.bottom - box.top, width, height, static_cast<int>(fit));
    const auto found = m_labels.find(key);
    if (found != m_labels.end()) {
        return found->second;
    }
    const FittedLayout& layout = LayoutFor(box, text, nPixelSize, fit);
    const double ratio = m_pPainter->device()->devicePixelRatioF();
    QImage image(QSize(width + 2, height + 2) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(m_pPainter->renderHints());
    painter.translate(1, 1);
    painter.scale(m_toPainter.m11(), m_toPainter.m22());
    painter.setFont(layout.font);
    painter.setPen(colour);
    painter.drawStaticText(layout.offset, layout.text);
    painter.end();
    return m_labels.emplace(key, std::move(image)).first->second;
}
