#include "music/textdiagrams.h"

#include <algorithm>

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

bool WritesLabels(LabelKind kind) {
    return kind == LabelKind::Notes || kind == LabelKind::Intervals ||
           kind == LabelKind::Extensions;
}

std::size_t WidestLabel(const CMusicModel& model, LabelKind kind) {
    std::size_t widest = 1;
    for (int mode = 0; mode < CMusicModel::kModes; ++mode) {
        for (int fret = 1; fret <= model.m_nFrets; ++fret) {
            for (int string = 0; string < model.StringCount(); ++string) {
                widest = std::max(widest, model.GetNoteLabel(kind, fret, string, mode).size());
            }
        }
    }
    return widest;
}

} // namespace

std::string FormatDiagramsAsText(const CMusicModel& model, const TextDiagramOptions& options) {
    std::string text = model.RespellingNotice();
    if (!text.empty()) {
        text += '\n';
    }
    const bool labels = WritesLabels(options.labels);
    const std::size_t width = labels ? WidestLabel(model, options.labels) : 1;
    for (int mode = 0; mode < CMusicModel::kModes; ++mode) {
        if (mode > 0) {
            text += '\n';
        }
        text += model.GetRootName(mode);
        text += ' ';
        text += model.GetModeName(mode);
        text += '\n';
        for (int fret = 1; fret <= model.m_nFrets; ++fret) {
            if (fret < 10) {
                text += ' ';
            }
            text += std::to_string(fret);
            text += ' ';
            for (int column = 0; column < model.StringCount(); ++column) {
                const int string = options.leftHanded ? model.StringCount() - 1 - column : column;
                if (!labels) {
                    text += CellMark(model, options, fret, string, mode);
                    continue;
                }
                std::string cell = model.GetNoteLabel(options.labels, fret, string, mode);
                if (cell.empty()) {
                    cell.push_back('-');
                }
                if (column > 0) {
                    text += ' ';
                }
                if (column + 1 < model.StringCount()) {
                    // The last cell is left unpadded, so no line ends in blanks.
                    cell.resize(width, ' ');
                }
                text += cell;
            }
            text += '\n';
        }
    }
    return text;
}
