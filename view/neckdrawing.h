#pragma once

#include "layout/necklayout.h"
#include "music/chords.h"
#include "music/musicmodel.h"
#include "music/positions.h"

#include <QFont>
#include <QRect>
#include <QSize>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CDrawSurface;
class QPaintDevice;
class QPainter;
struct CPrintInfo;

// Everything the seven neck diagrams are drawn from: the key, style, family and tuning (the
// music model), the drawing metrics and options, and the title width measured on the first
// pass. The view is one of these; the command-line export makes one of its own, without any
// window.
class CNeckDrawing : public CMusicModel {
public:
    CNeckDrawing() = default;
    virtual ~CNeckDrawing() = default;
    CNeckDrawing(const CNeckDrawing&) = default;
    CNeckDrawing& operator=(const CNeckDrawing&) = default;

    // x of string 0 of the first diagram, on screen and on paper, unless fret numbers need
    // more room.
    static constexpr int kLeftMargin = 20;

    int m_nTitleWidth = -1;      // widest title, measured once on the first pass; -1 until then
    bool m_bShortTitles = false; // titles show only the short form of the mode name
    int m_nStringSpacing = 20;
    int m_nFretSpacing = 30;
    int m_nNeckSpacing = 20;
    int m_nInlayRadius = 2;
    int m_nNoteRadius = 6;

    // Options beyond the plain diagrams; the defaults draw exactly the plain ones.
    LabelKind m_labelKind = LabelKind::None; // text inside the dots, which then grow to hold it
    bool m_bLeftHanded = false;              // each neck mirrored: highest string on the left
    bool m_bFretNumbers = false;             // marker frets numbered beside the first diagram
    bool m_bHorizontal = false;  // necks lie across, stacked, nut at the left, as in tablature
    bool m_bOpenStrings = false; // open strings named and, when in the scale, marked by the nut
    // The frets shown, m_nFirstFret to m_nLastFret: the nut only when the first is 0.
    int m_nFirstFret = 0;
    int m_nLastFret = kGuitarFrets;
    // Under three notes per string or CAGED, scale notes outside each neck's shape are drawn faint,
    // or not at all with m_bPositionsOnly.
    PositionKind m_positions = PositionKind::All;
    CagedShape m_caged = CagedShape::C; // the box shown under PositionKind::Caged
    bool m_bPositionsOnly = false;
    // A ring around each neck's chord tones, the chord's name in its title, and a second ring
    // in a colour of its own around its characteristic degree.
    ChordKind m_chordTones = ChordKind::None;
    bool m_bCharacteristic = false;

    // One full pass. clientSize is the size of the view's window, which sets the logical
    // extent even when printing; prcTarget is the device area to cover. Any metrics are drawn
    // without overflow: coordinates are worked out in 64 bits and held to a range every device
    // takes.
    // What a pass draws: everything; only what stays as the key changes (the background, frets,
    // strings, nut, markers and fret numbers); or only what follows the key (dots, labels,
    // open-string names and rings, titles).
    enum class Layers {
        All,
        Fixed,
        KeyDependent,
    };
    void DrawNecks(CDrawSurface* pDC, QSize clientSize, const QRect* prcTarget, bool bPrinting,
                   Layers layers = Layers::All);

    // A printer's or preview's page: the pass scaled from the window's client size onto the
    // usable page rectangle of pInfo, which is then marked as the job's last page.
    void PrintPage(QPainter* pDC, CPrintInfo* pInfo, QSize clientSize);

    // The size of a window that shows the whole pass: everything it draws (titles measured in
    // `font` on `pDevice`, or in the printed titles' font), with a margin as wide as the left
    // one on the right and below. The drawing itself is left as it is: its title width is not
    // measured by this.
    QSize PictureSize(const QFont& font, QPaintDevice* pDevice, bool bPrinting) const;

    // Whether the last pass's markers stay clear of its dots, so that the fixed and the
    // key-dependent layers can be drawn apart and give the picture of one whole pass.
    bool LastPassLayersApart() const {
        return m_pLastLayout && m_pLastLayout->MarkersClearOfDots();
    }

    // Where everything of a pass goes, with text measured in `font` on `pDevice` (or in the
    // printed titles' font): what the view tests a pointer against.
    NeckLayout Layout(const QFont& font, QPaintDevice* pDevice, bool bPrinting) const;

    // An open string's name as neck nMode spells it.
    QString OpenStringName(int nString, int nMode) const;

    // The mode name of diagram nMode in the current family, in full and in the short form of
    // a narrow title, in the user's language.
    QString FullModeName(int nMode) const;
    QString ShortModeName(int nMode) const;

    // The radius of the note dots: the fixed one, or with labels the largest the spacings allow.
    int DotRadius() const;

protected:
    // The pass asks the music model through these, so that a test can watch the questions.
    virtual int QueryNoteRole(int nFret, int nString, int nMode) const;
    virtual std::string QueryRootName(int nMode) const;

private:
    // A title as it is drawn: its text and the percent of the pass's font it is drawn in.
    struct FittedTitle {
        QString text;
        int percent = 100;
    };

    QString TitleOf(int nMode) const;
    // Each minor-family title on its own: the full mode name if it fits `room` at the pass's
    // font or smaller down to a legible floor, else the short name, else the tonic alone,
    // else nothing. The widest tonic stands in for the real one, so titles keep their form
    // as the key changes.
    std::vector<FittedTitle> FitTitles(CDrawSurface* pDC, std::int64_t room) const;
    NeckLayoutInput LayoutInput(CDrawSurface* pDC, bool bPrinting) const;
    // The layout for `input`, worked out again only when the input changed since the last pass.
    const NeckLayout& LayoutFor(const NeckLayoutInput& input) const;

    mutable std::shared_ptr<const NeckLayout> m_pLastLayout;
    mutable NeckLayoutInput m_lastLayoutInput;
    // x of the first neck: wide enough for the fret numbers, if shown, at their one size.
    std::int64_t LeftMargin(CDrawSurface* pDC, std::int64_t dotRadius) const;
};
