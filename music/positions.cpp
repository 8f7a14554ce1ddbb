#include "music/positions.h"

#include <algorithm>

namespace {

constexpr int kNotesPerString = 3;

bool InScale(const CMusicModel& model, int nMode, int nMidi) {
    // The lowest string serves for any pitch above it: only the pitch class counts.
    return model.GetNoteRole(nMidi - model.m_nTuning.front(), 0, nMode) != 0;
}

int NextScalePitch(const CMusicModel& model, int nMode, int nMidi) {
    int next = nMidi + 1;
    while (!InScale(model, nMode, next)) {
        ++next;
    }
    return next;
}

std::vector<PositionNote> WalkFrom(const CMusicModel& model, int nMode, int nStartFret) {
    const std::vector<int>& tuning = model.m_nTuning;
    const int strings = static_cast<int>(tuning.size());
    std::vector<PositionNote> notes;
    int pitch = tuning.front() + nStartFret;
    for (int string = 0; string < strings; ++string) {
        const int open = tuning.at(static_cast<std::size_t>(string));
        const int firstFret = pitch - open;
        for (int taken = 0; taken < kNotesPerString; ++taken) {
            if (taken == kNotesPerString - 1 && string + 1 < strings &&
                pitch - tuning.at(static_cast<std::size_t>(string + 1)) > firstFret) {
                // Strings tuned this close leave the third note in reach on the next string
                // further up the neck; keeping it here would stretch the shape forward.
                break;
            }
            const int fret = pitch - open;
            if (fret < 1 || fret > model.m_nFrets) {
                return {};
            }
            notes.push_back({string, fret});
            pitch = NextScalePitch(model, nMode, pitch);
        }
    }
    return notes;
}

} // namespace

PositionShape::PositionShape(std::vector<PositionNote> notes)
    : m_notes(std::move(notes)) {
    for (const PositionNote& note : m_notes) {
        if (note.string >= 0 && note.string < CMusicModel::kMaxStrings && note.fret >= 0 &&
            note.fret < 32) {
            m_fretBits.at(static_cast<std::size_t>(note.string)) |= std::uint32_t{1} << note.fret;
        }
    }
}

bool PositionShape::Contains(int nString, int nFret) const {
    if (nString < 0 || nString >= CMusicModel::kMaxStrings || nFret < 0 || nFret >= 32) {
        return false;
    }
    return (m_fretBits.at(static_cast<std::size_t>(nString)) >> nFret & 1U) != 0;
}

PositionShape ThreeNotesPerString(const CMusicModel& model, int nMode) {
    if (model.m_nTuning.empty()) {
        return {};
    }
    int start = 1;
    while (start <= 12 && model.GetNoteRole(start, 0, nMode) != 2) {
        ++start;
    }
    for (const int fret : {start, start + 12}) {
        std::vector<PositionNote> notes = WalkFrom(model, nMode, fret);
        if (!notes.empty()) {
            return PositionShape(std::move(notes));
        }
    }
    return {};
}

bool IsOutsideShape(PositionKind kind, const PositionShape& shape, int nString, int nFret) {
    return kind == PositionKind::ThreePerString && !shape.IsEmpty() &&
           !shape.Contains(nString, nFret);
}
