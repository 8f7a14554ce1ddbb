#pragma once

#include "music/chords.h"
#include "music/musicmodel.h"
#include "music/positions.h"

#include <string>

struct TextDiagramOptions {
    // Each row runs from the highest string to the lowest, as a left-handed player sees the neck.
    bool leftHanded = false;
    // Scale notes show their degree digit 1..7 (1 the tonic) instead of 'o' and '@'.
    bool degreeLabels = false;
    // Notes, Intervals or Extensions: each scale note shows that label instead, in cells as
    // wide as the widest label of all seven diagrams, parted by a blank, '-' off the scale.
    // None and Degrees leave the one-character cells above.
    LabelKind labels = LabelKind::None;
    // Each diagram as rows of strings, highest string first, frets across, as tablature reads.
    bool horizontal = false;
    // A fret 0 line (a column when horizontal) for the open strings.
    bool openStrings = false;
    // Frets firstFret to lastFret (fret 0 is the open string); -1 runs to the instrument's last
    // fret.
    int firstFret = 0;
    int lastFret = -1;
    // Under three notes per string or CAGED a scale note outside its diagram's shape is '.', or
    // '-' as if off the scale with positionsOnly, whatever the labels.
    PositionKind positions = PositionKind::All;
    CagedShape caged = CagedShape::C;
    bool positionsOnly = false;
    // Each diagram's chord and characteristic degree, marked while the cells show no labels.
    ChordKind chordTones = ChordKind::None;
    bool characteristic = false;
};

// The family's diagrams (seven, five, two or one) as plain text: per diagram a title line (root and
// the family's mode name; with chord tones, a middle dot between blanks and the chord's name, in
// UTF-8: "D Dorian · Dm7"), then one line per fret shown (1 to 22 on a guitar; 0 first with open
// strings) with the fret number in two columns, a blank, and one character per string, lowest
// first: '-' not in the scale, 'o' a scale note, '@' the tonic, 'b' the blues scale's b5, '.' a
// scale note outside the diagram's shape, '*' another note of the diagram's chord, '!' its
// characteristic degree (before '*' when it is a chord tone too, as Mixolydian's b7 is in its
// seventh chord). Horizontal, a diagram is one line per string, highest first: the open
// string's name, a blank, and a character per fret shown, nut side first.
// Diagrams are parted by an empty line. When the scale spelling had to write the key or a diagram
// from another name, a first line says so ("A# major drawn as Bb major").
std::string FormatDiagramsAsText(const CMusicModel& model, const TextDiagramOptions& options = {});
