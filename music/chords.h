#pragma once

#include "music/musicmodel.h"

#include <string>

// Which chord built on each neck's tonic from its own scale stands out: none, the triad of
// degrees 1 3 5, or the seventh chord of degrees 1 3 5 7.
enum class ChordKind {
    None,
    Triad,
    Seventh,
};

// The chord symbol's suffix after the root for the semitones of its third, fifth and, in a
// seventh chord, seventh (-1 in a triad): "" "m" "dim" "+" "(b5)"; "maj7" "m7" "7" "m7b5"
// "dim7" "m(maj7)" "+maj7" "+7" "7b5". A chord none of those name lists its intervals:
// "(b3 #5)".
std::string ChordSuffix(int nThird, int nFifth, int nSeventh = -1);

// Neck nMode's chord as a chord symbol, its root spelled as the neck's title spells its tonic:
// "Dm7". Empty for ChordKind::None.
std::string ChordName(const CMusicModel& model, int nMode, ChordKind kind);

// Whether a cell of neck nMode is a note of that neck's chord (the tonic among them).
bool IsChordTone(const CMusicModel& model, ChordKind kind, int nFret, int nString, int nMode);

// The degree 1..7 that sets a mode of a family apart from the major or natural minor scale
// nearest to it, or 0 for the major scale itself. The major family's modes each differ by one
// degree from Ionian or Aeolian; a minor-family mode named after a major mode with one
// altered degree ("Dorian #4") marks that degree; each minor scale marks its raised seventh,
// Phrygian Dominant its major third against Phrygian, and the altered scales the degree that
// parts them from Locrian: the diminished fourth, and in Altered bb7 the diminished seventh.
int CharacteristicDegree(int nFamily, int nFamilyMode);

// Whether a cell of neck nMode holds that neck's characteristic degree.
bool IsCharacteristicNote(const CMusicModel& model, int nFret, int nString, int nMode);
