#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

// Dialog units of a font: a quarter of its average character width across, an eighth of its
// height down. A dialog measured in them keeps its proportions at any font size.
class CDialogUnits final {
public:
    explicit CDialogUnits(const QFont& font);

    // Converts the edges rather than the extent, so controls that touch in units touch in pixels.
    QRect ToPixels(const QRect& rectUnits) const;
    QSize ToPixels(const QSize& sizeUnits) const;

    int ToPixelsX(int nUnits) const;
    int ToPixelsY(int nUnits) const;

private:
    qreal m_fAverageCharWidth;
    qreal m_fCharHeight;
};
