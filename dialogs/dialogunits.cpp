#include "dialogs/dialogunits.h"

#include <QFontMetricsF>
#include <QLatin1String>
#include <QtMath>

namespace {

// The average is taken over the Latin letters, as dialog managers measure it, rather than the
// font's own claim, which some font formats leave at zero or at the widest glyph.
constexpr QLatin1String kAlphabet("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
constexpr int kUnitsPerCharWidth = 4;
constexpr int kUnitsPerCharHeight = 8;

} // namespace

CDialogUnits::CDialogUnits(const QFont& font) {
    const QFontMetricsF metrics(font);
    m_fAverageCharWidth = metrics.horizontalAdvance(kAlphabet) / kAlphabet.size();
    m_fCharHeight = metrics.height();
}

int CDialogUnits::ToPixelsX(int nUnits) const {
    return qRound(nUnits * m_fAverageCharWidth / kUnitsPerCharWidth);
}

int CDialogUnits::ToPixelsY(int nUnits) const {
    return qRound(nUnits * m_fCharHeight / kUnitsPerCharHeight);
}

QRect CDialogUnits::ToPixels(const QRect& rectUnits) const {
    const int nLeft = ToPixelsX(rectUnits.x());
    const int nTop = ToPixelsY(rectUnits.y());
    const int nRight = ToPixelsX(rectUnits.x() + rectUnits.width());
    const int nBottom = ToPixelsY(rectUnits.y() + rectUnits.height());
    return QRect(nLeft, nTop, nRight - nLeft, nBottom - nTop);
}

QSize CDialogUnits::ToPixels(const QSize& sizeUnits) const {
    return QSize(ToPixelsX(sizeUnits.width()), ToPixelsY(sizeUnits.height()));
}
