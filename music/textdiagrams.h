#pragma once

#include <string>

class CMusicModel;

struct TextDiagramOptions {
    // Each row runs from the highest string to the lowest, as a left-handed player sees the neck.
    bool leftHanded = false;
    // Scale notes show their degree digit 1..7 (1 the tonic) instead of 'o' and '@'.
    bool degreeLabels = false;
};

// The seven diagrams as plain text: per diagram a title line (root and the family's mode name),
// then one line per fret 1 to 22 with the fret number in two columns, a blank, and one character
// per string, lowest first: '-' not in the scale, 'o' a scale note, '@' the tonic. Diagrams are
// parted by an empty line.
std::string FormatDiagramsAsText(const CMusicModel& model, const TextDiagramOptions& options = {});
