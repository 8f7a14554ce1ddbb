#include "music/textdiagrams.h"

#include <algorithm>
#include <vector>

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
    const int role = model.GetNoteRole(fret, string, mode);
    if (role == 1 && model.IsBlueNote(fret, string, mode)) {
        return 'b';
    }
    if (role == 1 && options.characteristic && IsCharacteristicNote(model, fret, string, mode)) {
        return '!';
    }
    if (role == 1 && IsChordTone(model, options.chordTones, fret, string, mode)) {
        return '*';
    }
    return RoleMark(role);
}

bool WritesLabels(LabelKind kind) {
    return kind == LabelKind::Notes || kind == LabelKind::Intervals ||
           kind == LabelKind::Extensions;
}

std::size_t WidestLabel(const CMusicModel& model, LabelKind kind) {
    std::size_t widest = 1;
    for (int mode = 0; mode < model.NeckCount(); ++mode) {
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
    const int strings = model.StringCount();
    const int last = options.lastFret < 0 ? model.m_nFrets : options.lastFret;
    std::vector<int> frets;
    if (options.openStrings && options.firstFret == 0) {
        frets.push_back(0);
    }
    for (int fret = std::max(options.firstFret, 1); fret <= last; ++fret) {
        frets.push_back(fret);
    }
    std::vector<PositionShape> shapes;
    for (int mode = 0; mode < model.NeckCount(); ++mode) {
        shapes.push_back(ShapeOf(model, options.positions, options.caged, mode));
    }
    const auto cell = [&](int fret, int string, int mode) {
        if (model.GetNoteRole(fret, string, mode) != 0 &&
            IsOutsideShape(options.positions, shapes[static_cast<std::size_t>(mode)], string,
                           fret)) {
            return std::string(options.positionsOnly ? "-" : ".");
        }
        if (!labels) {
            return std::string(1, CellMark(model, options, fret, string, mode));
        }
        std::string label = model.GetNoteLabel(options.labels, fret, string, mode);
        return label.empty() ? std::string("-") : label;
    };
    // Cells in a line: one character each run together; labels padded and parted by a blank,
    // the last one unpadded, so no line ends in blanks.
    const auto join = [&](const std::vector<std::string>& cells) {
        std::string line;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            std::string one = cells[i];
            if (labels && i > 0) {
                line += ' ';
            }
            if (labels && i + 1 < cells.size()) {
                one.resize(width, ' ');
            }
            line += one;
        }
        return line;
    };
    for (int mode = 0; mode < model.NeckCount(); ++mode) {
        if (mode > 0) {
            text += '\n';
        }
        text += model.GetRootName(mode);
        text += ' ';
        text += model.GetModeName(mode);
        const std::string chord = ChordName(model, mode, options.chordTones);
        if (!chord.empty()) {
            text += " \u00b7 " + chord;
        }
        text += '\n';
        if (options.horizontal) {
            std::vector<std::string> names;
            std::size_t nameWidth = 1;
            for (int string = 0; string < strings; ++string) {
                std::string name = model.GetNoteLabel(LabelKind::Notes, 0, string, mode);
                names.push_back(name.empty() ? model.PitchName(model.GetPitchClass(0, string))
                                             : name);
                nameWidth = std::max(nameWidth, names.back().size());
            }
            for (int string = strings - 1; string >= 0; --string) {
                std::vector<std::string> cells;
                for (const int fret : frets) {
                    cells.push_back(cell(fret, string, mode));
                }
                if (options.leftHanded) {
                    std::reverse(cells.begin(), cells.end());
                }
                std::string name = names[static_cast<std::size_t>(string)];
                name.resize(nameWidth, ' ');
                text += name + ' ' + join(cells) + '\n';
            }
            continue;
        }
        for (const int fret : frets) {
            if (fret < 10) {
                text += ' ';
            }
            text += std::to_string(fret);
            text += ' ';
            std::vector<std::string> cells;
            for (int column = 0; column < strings; ++column) {
                const int string = options.leftHanded ? strings - 1 - column : column;
                cells.push_back(cell(fret, string, mode));
            }
            text += join(cells);
            text += '\n';
        }
    }
    return text;
}
