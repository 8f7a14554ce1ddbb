#include "view/neckdrawing.h"

#include "view/drawsurface.h"
#include "view/neckcolours.h"
#include "view/paintersurface.h"
#include "view/printframework.h"
#include "view/recordingsurface.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// Far beyond any device's edge, yet small enough that a scaled coordinate never overflows
// anything a painter computes with.
constexpr std::int64_t kCoordinateLimit = std::int64_t{1} << 22;

constexpr int kScreenTitleTop = 20;
constexpr int kScreenNeckTop = 40;
constexpr int kPrintTitleTop = 60;
constexpr int kPrintNeckTop = 80;

// Every fret number has this size; the margin beside the first neck grows to hold them.
constexpr int kFretNumberPixelSize = 11;
// Below this share of the pass's font a title is too small to read; a shorter form is drawn.
constexpr int kMinTitlePercent = 70;
constexpr int kTitlePercentStep = 5;

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

bool IsNumbered(int nRow) {
    return HasSingleMarker(nRow) || nRow == kDoubleMarkerRow;
}

bool IsMinorFamily(int nFamily) {
    return nFamily == static_cast<int>(ScaleFamily::HarmonicMinor) ||
           nFamily == static_cast<int>(ScaleFamily::MelodicMinor);
}

QString Latin(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

int CNeckDrawing::QueryNoteRole(int nFret, int nString, int nMode) const {
    return GetNoteRole(nFret, nString, nMode);
}

std::string CNeckDrawing::QueryRootName(int nMode) const {
    return GetRootName(nMode);
}

QString CNeckDrawing::FullModeName(int nMode) const {
    return Latin(GetModeName(nMode));
}

int CNeckDrawing::DotRadius() const {
    if (m_labelKind == LabelKind::None) {
        return m_nNoteRadius;
    }
    // Half the smaller spacing, less a pixel of air between neighbouring dots.
    const int smaller = std::min(m_nStringSpacing, m_nFretSpacing);
    return std::max(m_nNoteRadius, smaller / 2 - 1);
}

QString CNeckDrawing::TitleOf(int nMode) const {
    const QString name = m_bShortTitles ? Latin(GetShortModeName(nMode)) : FullModeName(nMode);
    return QString::fromStdString(QueryRootName(nMode)) + QLatin1Char(' ') + name;
}

std::array<CNeckDrawing::FittedTitle, CMusicModel::kModes>
CNeckDrawing::FitTitles(CDrawSurface* pDC, std::int64_t room) const {
    QString widestTonic;
    int widestTonicWidth = -1;
    for (const char letter : {'C', 'D', 'E', 'F', 'G', 'A', 'B'}) {
        for (const char* accidental : {"", "b", "#"}) {
            const QString tonic = QLatin1Char(letter) + QLatin1String(accidental);
            const int width = pDC->TextWidth(tonic);
            if (width > widestTonicWidth) {
                widestTonic = tonic;
                widestTonicWidth = width;
            }
        }
    }
    // The percent at which text fits the room with a blank's width to spare, or 0.
    const auto fittingPercent = [&](const QString& text) {
        int found = 0;
        for (int percent = 100; percent >= kMinTitlePercent && found == 0;
             percent -= kTitlePercentStep) {
            pDC->ScaleFont(percent);
            const std::int64_t width =
                std::int64_t{pDC->TextWidth(text)} + pDC->TextWidth(QStringLiteral(" "));
            if (width <= room) {
                found = percent;
            }
        }
        pDC->ScaleFont(100);
        return found;
    };
    std::array<FittedTitle, kModes> titles{};
    const int tonicPercent = fittingPercent(widestTonic);
    for (int i = 0; i < kModes; ++i) {
        const QString tonic = QString::fromStdString(QueryRootName(i));
        for (const QString& name : {FullModeName(i), Latin(GetShortModeName(i))}) {
            const int percent = fittingPercent(widestTonic + QLatin1Char(' ') + name);
            if (percent > 0) {
                titles.at(static_cast<std::size_t>(i)) = {tonic + QLatin1Char(' ') + name, percent};
                break;
            }
        }
        if (titles.at(static_cast<std::size_t>(i)).text.isEmpty() && tonicPercent > 0) {
            titles.at(static_cast<std::size_t>(i)) = {tonic, tonicPercent};
        }
    }
    return titles;
}

std::int64_t CNeckDrawing::LeftMargin(CDrawSurface* pDC, std::int64_t dotRadius) const {
    if (!m_bFretNumbers) {
        return kLeftMargin;
    }
    int widest = 0;
    for (int j = 0; j < m_nFrets; ++j) {
        if (IsNumbered(j)) {
            widest = std::max(widest,
                              pDC->FittedTextWidth(QString::number(j + 1), kFretNumberPixelSize));
        }
    }
    // A unit of air on either side of the numbers, and none of them under a dot.
    return std::max<std::int64_t>(kLeftMargin, dotRadius + widest + 2);
}

QSize CNeckDrawing::PictureSize(const QFont& font, QPaintDevice* pDevice, bool bPrinting) const {
    CNeckDrawing copy(*this);
    CRecordingSurface recorder;
    recorder.SetFont(font, pDevice);
    copy.DrawNecks(&recorder, QSize(1, 1), nullptr, bPrinting);
    const CSurfaceRect extent = recorder.DrawingExtent();
    const auto side = [](int edge) {
        return static_cast<int>(std::clamp<std::int64_t>(std::int64_t{edge} + kLeftMargin, 1,
                                                         std::numeric_limits<int>::max()));
    };
    return {side(extent.right), side(extent.bottom)};
}

void CNeckDrawing::DrawNecks(CDrawSurface* pDC, QSize clientSize, const QRect* prcTarget,
                             bool bPrinting) {
    if (pDC == nullptr) {
        return;
    }
    const QRect target = prcTarget != nullptr ? *prcTarget : QRect(QPoint(0, 0), clientSize);
    const double scale = pDC->SetIsotropicMapping(clientSize, target.size());

    if (bPrinting) {
        pDC->SelectTitleFont();
        pDC->SetTransparentBackground();
    }

    const std::int64_t S = m_nStringSpacing;
    const std::int64_t F = m_nFretSpacing;
    const std::int64_t N = m_nNeckSpacing;
    const std::int64_t R = DotRadius();
    const std::int64_t r = m_nInlayRadius;

    const std::int64_t P = 5 * S + N;
    // The major family's titles are all long or all short, by its widest title, as they
    // always were; the minor families' much longer names are fitted one by one.
    const bool fitTitles = IsMinorFamily(m_nFamily);
    std::array<FittedTitle, kModes> fitted{};
    if (fitTitles) {
        fitted = FitTitles(pDC, P);
    } else if (m_nTitleWidth == -1) {
        m_nTitleWidth = pDC->TextWidth(QStringLiteral("C# ") + FullModeName(4));
        if (m_nTitleWidth > 6 * S) {
            m_bShortTitles = true;
        }
    }
    const std::int64_t margin = LeftMargin(pDC, R);

    const CNeckColours colours = bPrinting ? PaperColours() : pDC->ScreenColours();
    const CSurfacePen linePen{colours.line};
    const CSurfacePen tonicPen{colours.tonic};
    const CSurfacePen scalePen{colours.scale};
    const CSurfaceBrush markerBrush{colours.line};
    const CSurfaceBrush tonicBrush{colours.tonic};
    const CSurfaceBrush scaleBrush{colours.scale};
    const CSurfaceBrush backgroundBrush{colours.background};
    const QColor tonicLabel = LabelColourOn(colours.tonic);
    const QColor scaleLabel = LabelColourOn(colours.scale);

    pDC->RememberTools();
    pDC->SelectPen(linePen);
    pDC->SelectBrush(backgroundBrush);
    const std::int64_t targetLeft = target.left();
    const std::int64_t targetTop = target.top();
    std::int64_t fillWidth = target.width();
    std::int64_t fillHeight = target.height();
    if (scale > 0.0 && scale < 1.0) {
        // The target's numbers are logical units of the mapping; when it shrinks the picture
        // they would cover only part of the target.
        fillWidth = static_cast<std::int64_t>(std::ceil(double(fillWidth) / scale));
        fillHeight = static_cast<std::int64_t>(std::ceil(double(fillHeight) / scale));
    }
    pDC->FillRect(Box(targetLeft, targetTop, targetLeft + fillWidth, targetTop + fillHeight),
                  backgroundBrush);
    pDC->SetTextColour(colours.title);
    pDC->SetTransparentBackground();

    const std::int64_t T = bPrinting ? kPrintTitleTop : kScreenTitleTop;
    const std::int64_t Y = bPrinting ? kPrintNeckTop : kScreenNeckTop;
    const int labelPixelSize = static_cast<int>(std::clamp<std::int64_t>(R, 1, 1 << 16));

    for (int i = 0; i < kModes; ++i) {
        const std::int64_t x = margin + i * P;
        const std::int64_t right = x + 5 * S;
        for (int j = 0; j < m_nFrets; ++j) {
            const std::int64_t top = Y + j * F;
            const std::int64_t bottom = Y + (j + 1) * F;
            const std::int64_t middle = top + F / 2;
            pDC->Line(Point(x, top), Point(right, top));
            if (j == 0) {
                pDC->Line(Point(x, Y + 1), Point(right, Y + 1));
            }
            for (int k = 0; k < StringCount(); ++k) {
                const std::int64_t sx = x + k * S;
                // A mirrored neck shows the highest string at the left.
                const int string = m_bLeftHanded ? StringCount() - 1 - k : k;
                pDC->Line(Point(sx, top), Point(sx, bottom));
                const int role = QueryNoteRole(j + 1, string, i);
                if (role == 0) {
                    continue;
                }
                pDC->SelectPen(role == 2 ? tonicPen : scalePen);
                pDC->SelectBrush(role == 2 ? tonicBrush : scaleBrush);
                const CSurfaceRect dot = Box(sx - R + 1, middle - R + 2, sx + R, middle + R + 1);
                pDC->Ellipse(dot);
                if (m_labelKind != LabelKind::None) {
                    pDC->FittedText(
                        dot, QString::fromStdString(GetNoteLabel(m_labelKind, j + 1, string, i)),
                        role == 2 ? tonicLabel : scaleLabel, labelPixelSize,
                        CDrawSurface::TextFit::InEllipse);
                }
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
        const std::int64_t closing = Y + m_nFrets * F;
        pDC->Line(Point(x, closing), Point(right, closing));
        if (!fitTitles) {
            pDC->TextOut(Point(x, T), TitleOf(i));
            continue;
        }
        const FittedTitle& title = fitted.at(static_cast<std::size_t>(i));
        if (title.text.isEmpty()) {
            continue;
        }
        if (title.percent != 100) {
            pDC->ScaleFont(title.percent);
        }
        pDC->TextOut(Point(x, T), title.text);
        if (title.percent != 100) {
            pDC->ScaleFont(100);
        }
    }

    if (m_bFretNumbers) {
        // In the margin left of the first neck, clear of its dots. A row too low for the
        // numbers gets a taller box around its middle, so every number keeps the one size.
        const std::int64_t numbersRight = margin - R;
        const std::int64_t height = std::max<std::int64_t>(F, kFretNumberPixelSize + 2);
        for (int j = 0; j < m_nFrets; ++j) {
            if (IsNumbered(j)) {
                const std::int64_t top = Y + j * F + (F - height) / 2;
                pDC->FittedText(Box(0, top, numbersRight, top + height), QString::number(j + 1),
                                colours.fretNumber, kFretNumberPixelSize,
                                CDrawSurface::TextFit::RightAligned);
            }
        }
    }

    pDC->RestoreTools();
    if (bPrinting) {
        pDC->RestoreFont();
    }
}

void CNeckDrawing::PrintPage(QPainter* pDC, CPrintInfo* pInfo, QSize clientSize) {
    const QRect rectDraw = pInfo->m_rectDraw;
    pInfo->SetMaxPage(1);
    CPainterSurface surface(pDC, PaperColours());
    DrawNecks(&surface, clientSize, &rectDraw, true);
    pInfo->m_bContinuePrinting = false;
}
