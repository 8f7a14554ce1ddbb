#pragma once

#include "layout/layoutbox.h"

#include <QPoint>

#include <optional>
#include <vector>

// What a picture of necks is laid out from: the metrics in logical units, the instrument's
// string count, the frets shown, and the options that move things. Nothing here is measured: text
// sizes come in as numbers.
struct NeckLayoutInput {
    int necks = 7;
    int strings = 6;
    // Frets firstFret to lastFret: rows for frets 1 and up, and the nut when firstFret is 0.
    int firstFret = 0;
    int lastFret = 22;
    int stringSpacing = 20;
    int fretSpacing = 30;
    int neckSpacing = 20;
    int dotRadius = 6;
    int inlayRadius = 2;
    // Where titles and necks start from the top: 20 and 40 on screen, 60 and 80 on paper.
    int titleTop = 20;
    int neckTop = 40;
    // x of the first neck's nearest string (vertical) or its edge (horizontal).
    int leftMargin = 20;
    bool horizontal = false;
    bool leftHanded = false;
    bool openStrings = false;
    bool fretNumbers = false;
    // Height of the small text that names fret numbers and open strings.
    int smallTextHeight = 13;
    // Width a string's name needs beside a horizontal neck.
    int stringNameWidth = 24;

    friend bool operator==(const NeckLayoutInput&, const NeckLayoutInput&) = default;
};

// A line from one point to another; the end point itself is not drawn.
struct LayoutSegment {
    QPoint from;
    QPoint to;
};

// One place a note can be: its string (0 the lowest) and fret (0 the open string), the dot
// drawn there, and the area a pointer over it counts as.
struct LayoutCell {
    int string = 0;
    int fret = 0;
    QPoint centre;
    CSurfaceRect dot;
    CSurfaceRect area;
};

// One fret's row across a neck, in the order it is drawn: the fret line on its nut side, then
// for each string from the drawing's first column its piece of string and its cell, then the
// position markers.
struct LayoutRow {
    int fret = 0;
    LayoutSegment fretLine;
    std::vector<LayoutSegment> strings; // by column
    std::vector<LayoutCell> cells;      // by column, as strings
    std::vector<CSurfaceRect> markers;
};

struct LayoutStringName {
    int string = 0;
    CSurfaceRect box;
};

struct NeckGeometry {
    QPoint title;                     // top-left corner of the title
    CSurfaceRect frame;               // the fretted part: strings and frets
    std::optional<LayoutSegment> nut; // drawn just inside the first fret line
    std::vector<LayoutRow> rows;
    LayoutSegment closingLine;         // the last fret line
    std::vector<LayoutCell> openCells; // beyond the nut, by string, with the open-strings option
    std::vector<LayoutStringName> stringNames;
};

struct LayoutFretNumber {
    int fret = 0;
    CSurfaceRect box;
};

// A note under a point: neck, string (0 the lowest) and fret (0 the open string).
struct LayoutHit {
    int neck = 0;
    int string = 0;
    int fret = 0;

    friend bool operator==(const LayoutHit&, const LayoutHit&) = default;
};

// Every rectangle of a picture of necks, worked out once from its input: what painting plays
// onto a device, and what a pointer is tested against. Coordinates are logical units, held to a
// range every device takes, whatever the metrics.
class NeckLayout {
public:
    explicit NeckLayout(const NeckLayoutInput& input);

    const NeckLayoutInput& Input() const { return m_input; }
    const std::vector<NeckGeometry>& Necks() const { return m_necks; }
    // Boxes for the numbered frets, beside the first neck (vertical) or below the last.
    const std::vector<LayoutFretNumber>& FretNumbers() const { return m_fretNumbers; }
    // The fret of the first row, and how many rows there are.
    int FirstRowFret() const;
    int RowCount() const;
    // The distance from one neck to the next, across (vertical) or down (horizontal).
    int NeckPitch() const;
    // Room for a neck's title: from its corner to the next neck's.
    int TitleRoom() const;

    // Whether no position marker comes within a unit of a dot: then the markers, drawn before
    // or after the dots, give the same picture.
    bool MarkersClearOfDots() const { return m_bMarkersClear; }

    // The cell under a point, or nothing.
    std::optional<LayoutHit> HitTest(QPoint point) const;
    // The neck whose title band holds the point, or nothing.
    std::optional<int> TitleAt(QPoint point, int titleHeight) const;

private:
    NeckGeometry LayOutNeck(int neck) const;
    NeckGeometry LayOutVertical(int neck) const;
    NeckGeometry LayOutHorizontal(int neck) const;
    void LayOutFretNumbers();
    bool FindMarkersClear() const;

    NeckLayoutInput m_input;
    std::vector<NeckGeometry> m_necks;
    std::vector<LayoutFretNumber> m_fretNumbers;
    bool m_bMarkersClear = true;
};

// Fretboard inlays: one at frets 3, 5, 7, 9, 15, 17, 19 and 21, two at 12 and 24.
int MarkerCount(int fret);
