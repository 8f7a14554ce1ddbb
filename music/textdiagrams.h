#pragma once

#include <string>

class CMusicModel;

// The seven diagrams as plain text: per diagram a title line, then one line per fret 1 to 22
// with the fret number in two columns, a blank, and one character per string, lowest first:
// '-' not in the scale, 'o' a scale note, '@' the tonic. Diagrams are parted by an empty line.
std::string FormatDiagramsAsText(const CMusicModel& model);
