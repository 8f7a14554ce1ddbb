#include "view/screenpass.h"

#include "view/neckdrawing.h"
#include "view/paintersurface.h"

#include <QPaintDevice>
#include <QPainter>

#include <cmath>

namespace {

// A larger kept image costs more memory than drawing afresh costs time.
constexpr qint64 kMaxKeptPixels = qint64{1} << 24;

void Pass(QPainter& painter, CNeckDrawing& drawing, QSize size, double scale,
          const CNeckColours& colours, CNeckDrawing::Layers layers, CPainterSurface::Kept& kept) {
    painter.save();
    QRect logical(QPoint(0, 0), size);
    if (scale != 1.0) {
        // Zoomed: the pass draws in units of the unzoomed drawing, over as many of them as the
        // device holds.
        painter.scale(scale, scale);
        logical.setSize(QSize(static_cast<int>(std::ceil(size.width() / scale)),
                              static_cast<int>(std::ceil(size.height() / scale))));
    }
    {
        // The surface takes the painter's mapping as it finds it.
        CPainterSurface surface(&painter, colours);
        surface.SetDeviceAligned(true);
        surface.ShareKept(&kept);
        drawing.DrawNecks(&surface, logical.size(), &logical, false, layers);
    }
    painter.restore();
}

} // namespace

CScreenPass::Key CScreenPass::KeyOf(const CNeckDrawing& drawing, QSize size, double scale,
                                    double ratio, const QFont& font, const CNeckColours& colours) {
    Key key;
    key.metrics = {drawing.m_nStringSpacing, drawing.m_nFretSpacing, drawing.m_nNeckSpacing,
                   drawing.DotRadius(),      drawing.m_nInlayRadius, drawing.StringCount(),
                   drawing.m_nFirstFret,     drawing.m_nLastFret,    drawing.m_bHorizontal,
                   drawing.m_bLeftHanded,    drawing.m_bOpenStrings, drawing.m_bFretNumbers};
    key.size = size;
    key.scale = scale;
    key.ratio = ratio;
    key.font = font.key();
    for (const QColor& colour : {colours.background, colours.line, colours.fretNumber}) {
        key.colours.push_back(colour.rgba());
    }
    return key;
}

void CScreenPass::Paint(QPainter& painter, CNeckDrawing& drawing, QSize size, double scale,
                        const CNeckColours& colours) {
    const double ratio = painter.device()->devicePixelRatioF();
    const QSize pixels = (QSizeF(size) * ratio).toSize();
    if (qint64{pixels.width()} * pixels.height() > kMaxKeptPixels || pixels.isEmpty()) {
        Pass(painter, drawing, size, scale, colours, CNeckDrawing::Layers::All, m_kept);
        return;
    }
    const Key key = KeyOf(drawing, size, scale, ratio, painter.font(), colours);
    if (m_image.isNull() || !(key == m_key)) {
        m_image = QImage(pixels, QImage::Format_RGB32);
        m_image.setDevicePixelRatio(ratio);
        QPainter fixed(&m_image);
        fixed.setFont(painter.font());
        fixed.setRenderHints(painter.renderHints());
        Pass(fixed, drawing, size, scale, colours, CNeckDrawing::Layers::Fixed, m_kept);
        fixed.end();
        m_key = key;
        m_bLayersApart = drawing.LastPassLayersApart();
    }
    // Markers that touch dots are drawn after them in a whole pass, so only a whole pass
    // gives that picture.
    if (!m_bLayersApart) {
        Pass(painter, drawing, size, scale, colours, CNeckDrawing::Layers::All, m_kept);
        return;
    }
    painter.drawImage(QPoint(0, 0), m_image);
    Pass(painter, drawing, size, scale, colours, CNeckDrawing::Layers::KeyDependent, m_kept);
}
