#include "view/neckdrawing.h"

#include "view/drawsurface.h"
#include "view/paintersurface.h"
#include "view/printframework.h"

#include <QPainter>

#include <algorithm>
#include <cstdint>

namespace {

// Far beyond any device's edge, yet small enough that a scaled coordinate never overflows
// anything a painter computes with.
constexpr std::int64_t kCoordinateLimit = std::int64_t{1} << 22;

constexpr int kScreenTitleTop = 20;
constexpr int kScreenNeckTop = 40;
constexpr int kPrintTitleTop = 60;
constexpr int kPrintNeckTop = 80;
constexpr int kLastFretLine = CMusicModel::kFrets;

const QColor kLineColour(0, 0, 0);
const QColor kTonicColour(255, 127, 127);
const QColor kScaleColour(0, 0, 255);
const QColor kTitleColour(0, 0, 255);
const QColor kPrintBackground(255, 255, 255);

int Clamped(std::int64_t value) {
    return static_cast<int>(std::clamp(value, -kCoordinateLimit, kCoordinateLimit));
}

QPoint Point(std::int64_t x, std::int64_t y) {
    return {Clamped(x), Clamped(y)};
}

CSurfaceRect Box(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
    return {Clamped(left), Clamped(top), Clamped(right), Clamped(bottom)};
}

// Rows whose fret carries one position marker midway across the neck (frets 3 ... 21).
bool HasSingleMarker(int nRow) {
    switch (nRow) {
    case 2:
    case 4:
    case 6:
    case 8:
    case 14:
    case 16:
    case 18:
    case 20:
        return true;
    default:
        return false;
    }
}

constexpr int kDoubleMarkerRow = 11; // fret 12

QString ModeName(int nMode) {
    const std::string_view name = CMusicModel::m_strModeNames.at(static_cast<std::size_t>(nMode));
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

int CNeckDrawing::QueryNoteRole(int nFret, int nString, int nMode) const {
    return GetNoteRole(nFret, nString, nMode);
}

std::string CNeckDrawing::QueryRootName(int nMode) const {
    return GetRootName(nMode);
}

QString CNeckDrawing::TitleOf(int nMode) const {
    QString name = ModeName(nMode);
    if (m_bShortTitles) {
        name.truncate(3);
    }
    return QString::fromStdString(QueryRootName(nMode)) + QLatin1Char(' ') + name;
}

void CNeckDrawing::DrawNecks(CDrawSurface* pDC, QSize clientSize, const QRect* prcTarget,
                             bool bPrinting) {
    if (pDC == nullptr) {
        return;
    }
    const QRect target = prcTarget != nullptr ? *prcTarget : QRect(QPoint(0, 0), clientSize);
    pDC->SetIsotropicMapping(clientSize, target.size());

    if (bPrinting) {
        pDC->SelectTitleFont();
        pDC->SetTransparentBackground();
    }

    const std::int64_t S = m_nStringSpacing;
    const std::int64_t F = m_nFretSpacing;
    const std::int64_t N = m_nNeckSpacing;
    const std::int64_t R = m_nNoteRadius;
    const std::int64_t r = m_nInlayRadius;

    if (m_nTitleWidth == -1) {
        m_nTitleWidth = pDC->TextWidth(QStringLiteral("C# ") + ModeName(4));
        if (m_nTitleWidth > 6 * S) {
            m_bShortTitles = true;
        }
    }

    const CSurfacePen linePen{kLineColour};
    const CSurfacePen tonicPen{kTonicColour};
    const CSurfacePen scalePen{kScaleColour};
    const CSurfaceBrush markerBrush{kLineColour};
    const CSurfaceBrush tonicBrush{kTonicColour};
    const CSurfaceBrush scaleBrush{kScaleColour};
    const CSurfaceBrush backgroundBrush{bPrinting ? kPrintBackground : pDC->WindowColour()};

    pDC->RememberTools();
    pDC->SelectPen(linePen);
    pDC->SelectBrush(backgroundBrush);
    const std::int64_t targetLeft = target.left();
    const std::int64_t targetTop = target.top();
    pDC->FillRect(
        Box(targetLeft, targetTop, targetLeft + target.width(), targetTop + target.height()),
        backgroundBrush);
    pDC->SetTextColour(kTitleColour);
    pDC->SetTransparentBackground();

    const std::int64_t T = bPrinting ? kPrintTitleTop : kScreenTitleTop;
    const std::int64_t Y = bPrinting ? kPrintNeckTop : kScreenNeckTop;
    const std::int64_t P = 5 * S + N;

    for (int i = 0; i < kModes; ++i) {
        const std::int64_t x = kLeftMargin + i * P;
        const std::int64_t right = x + 5 * S;
        for (int j = 0; j < kFrets; ++j) {
            const std::int64_t top = Y + j * F;
            const std::int64_t bottom = Y + (j + 1) * F;
            const std::int64_t middle = top + F / 2;
            pDC->Line(Point(x, top), Point(right, top));
            if (j == 0) {
                pDC->Line(Point(x, Y + 1), Point(right, Y + 1));
            }
            for (int k = 0; k < kStrings; ++k) {
                const std::int64_t sx = x + k * S;
                pDC->Line(Point(sx, top), Point(sx, bottom));
                const int role = QueryNoteRole(j + 1, k, i);
                if (role == 0) {
                    continue;
                }
                pDC->SelectPen(role == 2 ? tonicPen : scalePen);
                pDC->SelectBrush(role == 2 ? tonicBrush : scaleBrush);
                pDC->Ellipse(Box(sx - R + 1, middle - R + 2, sx + R, middle + R + 1));
                pDC->SelectPen(linePen);
                pDC->SelectBrush(backgroundBrush);
            }
            pDC->SelectBrush(markerBrush);
            const auto marker = [&](std::int64_t c) {
                pDC->Ellipse(Box(c - r + 1, middle, c + r + 1, middle + 2 * r));
            };
            if (HasSingleMarker(j)) {
                marker(x + 2 * S + S / 2);
            } else if (j == kDoubleMarkerRow) {
                marker(x + 3 * S + S / 2);
                marker(x + S + S / 2);
            }
            pDC->SelectBrush(backgroundBrush);
        }
        const std::int64_t closing = Y + kLastFretLine * F;
        pDC->Line(Point(x, closing), Point(right, closing));
        pDC->TextOut(Point(x, T), TitleOf(i));
    }

    pDC->RestoreTools();
    if (bPrinting) {
        pDC->RestoreFont();
    }
}

void CNeckDrawing::PrintPage(QPainter* pDC, CPrintInfo* pInfo, QSize clientSize) {
    const QRect rectDraw = pInfo->m_rectDraw;
    pInfo->SetMaxPage(1);
    CPainterSurface surface(pDC, kPrintBackground);
    DrawNecks(&surface, clientSize, &rectDraw, true);
    pInfo->m_bContinuePrinting = false;
}
