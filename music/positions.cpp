#include "music/positions.h"

#include <algorithm>

namespace {

// The pitch classes a walk takes, as bits: asked of the model once, not at every step. The
// lowest string serves for any pitch: only the pitch class counts. The blues scale's b5 is a
// passing note the walk leaves out.
unsigned WalkedPitches(const CMusicModel& model, int nMode) {
    const int open = model.m_nTuning.front();
    unsigned pitches = 0;
    for (int fret = 0; fret < 12; ++fret) {
        if (model.GetNoteRole(fret, 0, nMode) != 0 && !model.IsBlueNote(fret, 0, nMode)) {
            pitches |= 1U << ((open + fret) % 12);
        }
    }
    return pitches;
}

int NextScalePitch(unsigned pitches, int nMidi) {
    int next = nMidi + 1;
    // An empty set would never end the search; every scale has notes, but the guard is cheap.
    while (pitches != 0 && ((pitches >> (next % 12)) & 1U) == 0) {
        ++next;
    }
    return next;
}

// The blues scale's b5 between the two frets of a string's walked notes.
void AddBlueNotes(const CMusicModel& model, int nMode, std::vector<PositionNote>& notes) {
    std::vector<PositionNote> blue;
    for (std::size_t i = 0; i + 1 < notes.size(); ++i) {
        if (notes[i].string != notes[i + 1].string) {
            continue;
        }
        for (int fret = notes[i].fret + 1; fret < notes[i + 1].fret; ++fret) {
            if (model.IsBlueNote(fret, notes[i].string, nMode)) {
                blue.push_back({notes[i].string, fret});
            }
        }
    }
    notes.insert(notes.end(), blue.begin(), blue.end());
    // A shape's notes rise in pitch.
    const auto pitch = [&model](const PositionNote& note) {
        return model.m_nTuning.at(static_cast<std::size_t>(note.string)) + note.fret;
    };
    std::stable_sort(
        notes.begin(), notes.end(),
        [&pitch](const PositionNote& a, const PositionNote& b) { return pitch(a) < pitch(b); });
}

std::vector<PositionNote> WalkFrom(const CMusicModel& model, int nMode, int nStartFret) {
    const std::vector<int>& tuning = model.m_nTuning;
    const int strings = static_cast<int>(tuning.size());
    const int perString = model.GetNeckSteps(nMode).count >= 7 ? 3 : 2;
    const unsigned pitches = WalkedPitches(model, nMode);
    std::vector<PositionNote> notes;
    int pitch = tuning.front() + nStartFret;
    for (int string = 0; string < strings; ++string) {
        const int open = tuning.at(static_cast<std::size_t>(string));
        const int firstFret = pitch - open;
        for (int taken = 0; taken < perString; ++taken) {
            if (perString == 3 && taken == 2 && string + 1 < strings &&
                pitch - tuning.at(static_cast<std::size_t>(string) + 1) > firstFret) {
                // Strings tuned this close leave the third note in reach on the next string
                // further up the neck; keeping it here would stretch the shape forward.
                break;
            }
            const int fret = pitch - open;
            if (fret < 1 || fret > model.m_nFrets) {
                return {};
            }
            notes.push_back({string, fret});
            pitch = NextScalePitch(pitches, pitch);
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
            AddBlueNotes(model, nMode, notes);
            return PositionShape(std::move(notes));
        }
    }
    return {};
}

PositionShape CagedBox(const CMusicModel& model, int nMode, CagedShape shape) {
    struct Box {
        int rootString; // counted from the lowest of the six highest strings
        int below;      // frets the box reaches below the root
        int above;
    };
    static constexpr std::array<Box, 5> kBoxes{{
        {1, 3, 0}, // C
        {1, 1, 2}, // A
        {0, 3, 0}, // G
        {0, 1, 2}, // E
        {2, 0, 3}, // D
    }};
    const Box& box = kBoxes.at(static_cast<std::size_t>(shape));
    const int strings = model.StringCount();
    const int rootString = std::min(std::max(strings - 6, 0) + box.rootString, strings - 1);
    if (rootString < 0) {
        return {};
    }
    for (int root = 0; root <= 12 + box.below; ++root) {
        if (model.GetNoteRole(root, rootString, nMode) != 2 || root - box.below < 1) {
            continue;
        }
        if (root + box.above > model.m_nFrets) {
            return {};
        }
        std::vector<PositionNote> notes;
        for (int string = 0; string < strings; ++string) {
            for (int fret = root - box.below; fret <= root + box.above; ++fret) {
                if (model.GetNoteRole(fret, string, nMode) != 0) {
                    notes.push_back({string, fret});
                }
            }
        }
        return PositionShape(std::move(notes));
    }
    return {};
}

PositionShape ShapeOf(const CMusicModel& model, PositionKind kind, CagedShape caged, int nMode) {
    switch (kind) {
    case PositionKind::ThreePerString:
        return ThreeNotesPerString(model, nMode);
    case PositionKind::Caged:
        return CagedBox(model, nMode, caged);
    default:
        return {};
    }
}

bool IsOutsideShape(PositionKind kind, const PositionShape& shape, int nString, int nFret) {
    return (kind == PositionKind::ThreePerString || kind == PositionKind::Caged) &&
           !shape.IsEmpty() && !shape.Contains(nString, nFret);
}
