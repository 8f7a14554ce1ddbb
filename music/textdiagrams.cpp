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

} // namespace

std::string FormatDiagramsAsText(const CMusicModel& model) {
    std::string text;
    for (int mode = 0; mode < CMusicModel::kModes; ++mode) {
        if (mode > 0) {
            text += '\n';
        }
        text += model.GetRootName(mode);
        text += ' ';
        text += CMusicModel::m_strModeNames.at(static_cast<std::size_t>(mode));
        text += '\n';
        for (int fret = 1; fret <= CMusicModel::kFrets; ++fret) {
            if (fret < 10) {
                text += ' ';
            }
            text += std::to_string(fret);
            text += ' ';
            for (int string = 0; string < CMusicModel::kStrings; ++string) {
                text += RoleMark(model.GetNoteRole(fret, string, mode));
            }
            text += '\n';
        }
    }
    return text;
}
