#include "music/textdiagrams.h"

#include "music/musicmodel.h"

namespace {

char RoleMark(int role) {
    switch (role) {
    case 0:
        return '-';
    case 2:
        return '@';
    default:
        return 'o';
    }
}

char CellMark(const CMusicModel& model, const TextDiagramOptions& options, int fret, int string,
              int mode) {
    if (options.degreeLabels) {
        const int degree = model.GetDegree(fret, string, mode);
        return degree == 0 ? '-' : static_cast<char>('0' + degree);
    }
    return RoleMark(model.GetNoteRole(fret, string, mode));
}

} // namespace

std::string FormatDiagramsAsText(const CMusicModel& model, const TextDiagramOptions& options) {
    std::string text;
    for (int mode = 0; mode < CMusicModel::kModes; ++mode) {
        if (mode > 0) {
            text += '\n';
        }
        text += model.GetRootName(mode);
        text += ' ';
        text += model.GetModeName(mode);
        text += '\n';
        for (int fret = 1; fret <= CMusicModel::kFrets; ++fret) {
            if (fret < 10) {
                text += ' ';
            }
            text += std::to_string(fret);
            text += ' ';
            for (int column = 0; column < CMusicModel::kStrings; ++column) {
                const int string = options.leftHanded ? CMusicModel::kStrings - 1 - column : column;
                text += CellMark(model, options, fret, string, mode);
            }
            text += '\n';
        }
    }
    return text;
}
