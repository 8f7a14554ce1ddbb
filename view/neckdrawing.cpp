#include "view/neckdrawing.h"

#include "view/drawsurface.h"
#include "view/modenames.h"
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

CSurfaceRect Box(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
    return {Clamped(left), Clamped(top), Clamped(right), Clamped(bottom)};
}

bool IsMajorFamily(int nFamily) {
    return ScaleFamilyOf(nFamily).name == kScaleFamilies[0].name;
}

// A colour 70% of the way to the background: still its hue, plainly behind the full dots, on
// light and dark palettes alike.
QColor Faint(const QColor& colour, const QColor& background) {
    const auto mix = [](int from, int to) { return from + (to - from) * 7 / 10; };
    return QColor(mix(colour.red(), background.red()), mix(colour.green(), background.green()),
                  mix(colour.blue(), background.blue()));
}

// How far a chord tone's ring stands out from its dot; a characteristic note that is a chord
// tone too gets its ring as far again outside that one.
constexpr int kChordRingGap = 2;

CSurfaceRect Grown(const CSurfaceRect& box, int by) {
    return {box.left - by, box.top - by, box.right + by, box.bottom + by};
}

// A strong amber: apart from the tonic, scale and title colours, and readable on both the light
// and the dark background.
QColor CharacteristicColour() {
    return QColor(0xd9, 0x6c, 0x00);
}

// A violet for the blues scale's b5: neither the tonic's red nor the scale's blue, and at 3:1
// or more against both the light and the dark background.
QColor BlueNoteColour() {
    return QColor(0xa4, 0x5e, 0xe0);
}

} // namespace

int CNeckDrawing::QueryNoteRole(int nFret, int nString, int nMode) const {
    return GetNoteRole(nFret, nString, nMode);
}

std::string CNeckDrawing::QueryRootName(int nMode) const {
    return GetRootName(nMode);
}

QString CNeckDrawing::FullModeName(int nMode) const {
    return TranslatedModeName(GetModeName(nMode));
}

QString CNeckDrawing::ShortModeName(int nMode) const {
    return TranslatedModeName(GetShortModeName(nMode));
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
    const QString name = m_bShortTitles ? ShortModeName(nMode) : FullModeName(nMode);
    return QString::fromStdString(QueryRootName(nMode)) + QLatin1Char(' ') + name;
}

std::vector<CNeckDrawing::FittedTitle> CNeckDrawing::FitTitles(CDrawSurface* pDC,
                                                               std::int64_t room) const {
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
    std::vector<FittedTitle> titles(static_cast<std::size_t>(NeckCount()));
    const int tonicPercent = fittingPercent(widestTonic);
    for (int i = 0; i < NeckCount(); ++i) {
        const QString tonic = QString::fromStdString(QueryRootName(i));
        // A scale that skips a degree of the chord names none. The chord's root is the title's
        // tonic, which the widest tonic stands in for while fitting.
        const std::string chordName = ChordName(*this, i, m_chordTones);
        const bool chord = !chordName.empty();
        const QString suffix =
            chord ? QString::fromStdString(chordName.substr(QueryRootName(i).size())) : QString();
        const QString dot = QStringLiteral(" \u00b7 ");
        for (const QString& name : {FullModeName(i), ShortModeName(i)}) {
            const QString measured = widestTonic + QLatin1Char(' ') + name +
                                     (chord ? dot + widestTonic + suffix : QString());
            const int percent = fittingPercent(measured);
            if (percent > 0) {
                titles.at(static_cast<std::size_t>(i)) = {
                    tonic + QLatin1Char(' ') + name + (chord ? dot + tonic + suffix : QString()),
                    percent};
                break;
            }
        }
        // The chord alone says more than the bare tonic.
        if (chord && titles.at(static_cast<std::size_t>(i)).text.isEmpty()) {
            const int percent = fittingPercent(widestTonic + suffix);
            if (percent > 0) {
                titles.at(static_cast<std::size_t>(i)) = {tonic + suffix, percent};
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
    for (int fret = std::max(m_nFirstFret, 1); fret <= m_nLastFret && pDC != nullptr; ++fret) {
        if (MarkerCount(fret) > 0) {
            widest =
                std::max(widest, pDC->FittedTextWidth(QString::number(fret), kFretNumberPixelSize));
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

NeckLayoutInput CNeckDrawing::LayoutInput(CDrawSurface* pDC, bool bPrinting) const {
    NeckLayoutInput input;
    input.necks = NeckCount();
    input.strings = StringCount();
    input.firstFret = m_nFirstFret;
    input.lastFret = m_nLastFret;
    input.stringSpacing = m_nStringSpacing;
    input.fretSpacing = m_nFretSpacing;
    input.neckSpacing = m_nNeckSpacing;
    input.dotRadius = DotRadius();
    input.inlayRadius = m_nInlayRadius;
    input.titleTop = bPrinting ? kPrintTitleTop : kScreenTitleTop;
    input.neckTop = bPrinting ? kPrintNeckTop : kScreenNeckTop;
    input.horizontal = m_bHorizontal;
    input.leftHanded = m_bLeftHanded;
    input.openStrings = m_bOpenStrings;
    input.fretNumbers = m_bFretNumbers;
    input.smallTextHeight = kFretNumberPixelSize + 2;
    // Fret numbers stand beside a vertical neck; a horizontal one has them below.
    input.leftMargin =
        static_cast<int>(m_bHorizontal ? kLeftMargin
                                       : std::min<std::int64_t>(LeftMargin(pDC, input.dotRadius),
                                                                std::numeric_limits<int>::max()));
    if (m_bOpenStrings && pDC != nullptr) {
        int widest = 0;
        for (int string = 0; string < StringCount(); ++string) {
            widest = std::max(
                widest, pDC->FittedTextWidth(OpenStringName(string, 0), kFretNumberPixelSize));
        }
        input.stringNameWidth = widest + 6;
    }
    return input;
}

const NeckLayout& CNeckDrawing::LayoutFor(const NeckLayoutInput& input) const {
    if (!m_pLastLayout || !(input == m_lastLayoutInput)) {
        m_pLastLayout = std::make_shared<const NeckLayout>(input);
        m_lastLayoutInput = input;
    }
    return *m_pLastLayout;
}

NeckLayout CNeckDrawing::Layout(const QFont& font, QPaintDevice* pDevice, bool bPrinting) const {
    CRecordingSurface recorder;
    recorder.SetFont(font, pDevice);
    return NeckLayout(LayoutInput(&recorder, bPrinting));
}

QString CNeckDrawing::OpenStringName(int nString, int nMode) const {
    // In the neck's scale the open note is named as the scale names it; else as the key would.
    const std::string inScale = GetNoteLabel(LabelKind::Notes, 0, nString, nMode);
    return QString::fromStdString(!inScale.empty() ? inScale
                                                   : PitchName(GetPitchClass(0, nString)));
}

void CNeckDrawing::DrawNecks(CDrawSurface* pDC, QSize clientSize, const QRect* prcTarget,
                             bool bPrinting, Layers layers) {
    const bool fixed = layers != Layers::KeyDependent;
    const bool moving = layers != Layers::Fixed;
    if (pDC == nullptr) {
        return;
    }
    const QRect target = prcTarget != nullptr ? *prcTarget : QRect(QPoint(0, 0), clientSize);
    const double scale = pDC->SetIsotropicMapping(clientSize, target.size());

    if (bPrinting) {
        pDC->SelectTitleFont();
        pDC->SetTransparentBackground();
    }

    const NeckLayout& layout = LayoutFor(LayoutInput(pDC, bPrinting));
    const std::int64_t S = m_nStringSpacing;
    const std::int64_t R = DotRadius();
    const std::int64_t room = layout.TitleRoom();
    // The major family's titles are all long or all short, by its widest title, as they
    // always were; the other families' longer names, and every title of a horizontal neck,
    // are fitted one by one.
    // Chord names lengthen every title, so then the major family's are fitted one by one too.
    const bool fitTitles =
        !IsMajorFamily(m_nFamily) || m_bHorizontal || m_chordTones != ChordKind::None;
    std::vector<FittedTitle> fitted;
    if (fitTitles) {
        fitted = FitTitles(pDC, room);
    } else if (m_nTitleWidth == -1) {
        m_nTitleWidth = pDC->TextWidth(QStringLiteral("C# ") + FullModeName(4));
        if (m_nTitleWidth > 6 * S) {
            m_bShortTitles = true;
        }
    }

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
    const QColor faintTonic = Faint(colours.tonic, colours.background);
    const QColor faintScale = Faint(colours.scale, colours.background);
    const CSurfacePen faintTonicPen{faintTonic};
    const CSurfacePen faintScalePen{faintScale};
    const CSurfaceBrush faintTonicBrush{faintTonic};
    const CSurfaceBrush faintScaleBrush{faintScale};
    const QColor faintTonicLabel = LabelColourOn(faintTonic);
    const QColor faintScaleLabel = LabelColourOn(faintScale);
    // Rings hold no fill, so that the dot and the string stay seen through them.
    const CSurfaceBrush hollowBrush{QColor(Qt::transparent)};
    const CSurfacePen chordPen{colours.title};
    const CSurfacePen characteristicPen{CharacteristicColour()};
    const CSurfacePen blueNotePen{BlueNoteColour()};
    const CSurfaceBrush blueNoteBrush{BlueNoteColour()};
    const QColor blueNoteLabel = LabelColourOn(BlueNoteColour());

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
    if (fixed) {
        pDC->FillRect(Box(targetLeft, targetTop, targetLeft + fillWidth, targetTop + fillHeight),
                      backgroundBrush);
    }
    pDC->SetTextColour(colours.title);
    pDC->SetTransparentBackground();

    const int labelPixelSize = static_cast<int>(std::clamp<std::int64_t>(R, 1, 1 << 16));
    const auto line = [pDC, fixed](const LayoutSegment& segment) {
        if (fixed) {
            pDC->Line(segment.from, segment.to);
        }
    };

    const bool blues = moving && ScaleFamilyOf(m_nFamily).blueNote >= 0;
    for (int i = 0; i < NeckCount(); ++i) {
        const NeckGeometry& neck = layout.Necks().at(static_cast<std::size_t>(i));
        const PositionShape shape =
            moving ? ShapeOf(*this, m_positions, m_caged, i) : PositionShape();
        for (std::size_t j = 0; j < neck.rows.size(); ++j) {
            const LayoutRow& row = neck.rows[j];
            line(row.fretLine);
            if (j == 0 && neck.nut) {
                line(*neck.nut);
            }
            for (std::size_t k = 0; k < row.cells.size(); ++k) {
                const LayoutCell& cell = row.cells[k];
                line(row.strings[k]);
                const int role = moving ? QueryNoteRole(cell.fret, cell.string, i) : 0;
                if (role == 0) {
                    continue;
                }
                const bool faint = IsOutsideShape(m_positions, shape, cell.string, cell.fret);
                if (faint && m_bPositionsOnly) {
                    continue;
                }
                const bool blue = blues && !faint && IsBlueNote(cell.fret, cell.string, i);
                if (faint) {
                    pDC->SelectPen(role == 2 ? faintTonicPen : faintScalePen);
                    pDC->SelectBrush(role == 2 ? faintTonicBrush : faintScaleBrush);
                } else if (blue) {
                    pDC->SelectPen(blueNotePen);
                    pDC->SelectBrush(blueNoteBrush);
                } else {
                    pDC->SelectPen(role == 2 ? tonicPen : scalePen);
                    pDC->SelectBrush(role == 2 ? tonicBrush : scaleBrush);
                }
                pDC->Ellipse(cell.dot);
                if (m_labelKind != LabelKind::None) {
                    const QColor& label = faint  ? (role == 2 ? faintTonicLabel : faintScaleLabel)
                                          : blue ? blueNoteLabel
                                                 : (role == 2 ? tonicLabel : scaleLabel);
                    pDC->FittedText(cell.dot,
                                    QString::fromStdString(
                                        GetNoteLabel(m_labelKind, cell.fret, cell.string, i)),
                                    label, labelPixelSize, CDrawSurface::TextFit::InEllipse);
                }
                const bool chordTone = IsChordTone(*this, m_chordTones, cell.fret, cell.string, i);
                const bool characteristic =
                    m_bCharacteristic && IsCharacteristicNote(*this, cell.fret, cell.string, i);
                if (chordTone || characteristic) {
                    pDC->SelectBrush(hollowBrush);
                }
                if (chordTone) {
                    pDC->SelectPen(chordPen);
                    pDC->Ellipse(Grown(cell.dot, kChordRingGap));
                }
                if (characteristic) {
                    pDC->SelectPen(characteristicPen);
                    pDC->Ellipse(Grown(cell.dot, chordTone ? 2 * kChordRingGap : kChordRingGap));
                }
                if (fixed) {
                    pDC->SelectPen(linePen);
                    pDC->SelectBrush(backgroundBrush);
                }
            }
            if (fixed) {
                pDC->SelectBrush(markerBrush);
                for (const CSurfaceRect& marker : row.markers) {
                    pDC->Ellipse(marker);
                }
                pDC->SelectBrush(backgroundBrush);
            }
        }
        line(neck.closingLine);
        if (!moving) {
            continue;
        }
        // An open string in the scale gets a ring beyond the nut, in its role's colour.
        for (const LayoutCell& cell : neck.openCells) {
            const int role = QueryNoteRole(0, cell.string, i);
            // No shape holds an open string.
            const bool faint = IsOutsideShape(m_positions, shape, cell.string, 0);
            if (role != 0 && !(faint && m_bPositionsOnly)) {
                const bool blue = blues && !faint && IsBlueNote(0, cell.string, i);
                pDC->SelectPen(faint  ? (role == 2 ? faintTonicPen : faintScalePen)
                               : blue ? blueNotePen
                                      : (role == 2 ? tonicPen : scalePen));
                pDC->Ellipse(cell.dot);
                pDC->SelectPen(linePen);
            }
        }
        for (const LayoutStringName& name : neck.stringNames) {
            pDC->FittedText(name.box, OpenStringName(name.string, i), colours.fretNumber,
                            kFretNumberPixelSize, CDrawSurface::TextFit::Centred);
        }
        if (!fitTitles) {
            pDC->TextOut(neck.title, TitleOf(i));
            continue;
        }
        const FittedTitle& title = fitted.at(static_cast<std::size_t>(i));
        if (title.text.isEmpty()) {
            continue;
        }
        if (title.percent != 100) {
            pDC->ScaleFont(title.percent);
        }
        pDC->TextOut(neck.title, title.text);
        if (title.percent != 100) {
            pDC->ScaleFont(100);
        }
    }

    for (const LayoutFretNumber& number :
         fixed ? layout.FretNumbers() : std::vector<LayoutFretNumber>{}) {
        pDC->FittedText(
            number.box, QString::number(number.fret), colours.fretNumber, kFretNumberPixelSize,
            m_bHorizontal ? CDrawSurface::TextFit::Centred : CDrawSurface::TextFit::RightAligned);
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
