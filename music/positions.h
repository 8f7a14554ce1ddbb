#pragma once

#include "music/musicmodel.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

// Which notes of a neck stand out: every scale note, the three-notes-per-string shape that
// starts on the neck's tonic, or every note inside the fret window (which the window alone
// already gives, so it draws as All does).
enum class PositionKind {
    All,
    ThreePerString,
    Window,
};

struct PositionNote {
    int string = 0; // 0 the lowest
    int fret = 0;

    friend bool operator==(const PositionNote&, const PositionNote&) = default;
};

// The cells of one neck's shape, in ascending pitch. Empty when the shape does not fit the
// instrument's frets, and then no note of that neck is set apart.
class PositionShape {
public:
    PositionShape() = default;
    explicit PositionShape(std::vector<PositionNote> notes);

    const std::vector<PositionNote>& Notes() const { return m_notes; }
    bool IsEmpty() const { return m_notes.empty(); }
    bool Contains(int nString, int nFret) const;

private:
    std::vector<PositionNote> m_notes;
    // The frets of each string's notes as bits, so that a drawing asks of every cell cheaply.
    std::array<std::uint32_t, CMusicModel::kMaxStrings> m_fretBits{};
};

// Neck nMode's three-notes-per-string shape under the model's key, style, family and
// instrument. It starts on the neck's tonic on the lowest string at the lowest fret from 1 up
// (an open string is never part of a shape, so every shape is fingered), and walks the scale
// up: three notes on a string, or two when the third could be played on the next string above
// the fret where this string's first note is, then on to the next string. A shape that would
// need a fret below 1 or past the last is tried an octave higher; one that still does not fit
// is empty.
PositionShape ThreeNotesPerString(const CMusicModel& model, int nMode);

// Whether a scale note of neck nMode is drawn faint under `kind`: only outside a shape that
// exists.
bool IsOutsideShape(PositionKind kind, const PositionShape& shape, int nString, int nFret);
