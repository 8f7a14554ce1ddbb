#pragma once

#include "music/musicmodel.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

// Which notes of a neck stand out: every scale note, the three-notes-per-string shape that
// starts on the neck's tonic, every note inside the fret window (which the window alone
// already gives, so it draws as All does), or one CAGED box around the neck's tonic.
enum class PositionKind {
    All,
    ThreePerString,
    Window,
    Caged,
};

// The five CAGED boxes, in the order they follow each other up the neck.
enum class CagedShape {
    C,
    A,
    G,
    E,
    D,
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
// the fret where this string's first note is, then on to the next string. Scales of five or six
// notes take two on every string, which gives the pentatonic boxes; the blues scale walks its
// pentatonic notes and adds its b5 wherever it lies between a string's two. A shape that would
// need a fret below 1 or past the last is tried an octave higher; one that still does not fit
// is empty.
PositionShape ThreeNotesPerString(const CMusicModel& model, int nMode);

// Neck nMode's CAGED box: every scale note, on every string, within the four frets the chord
// shape of that name spans around the neck's tonic. The tonic lies on the lowest of the six
// highest strings for the G and E shapes, the next for C and A, the third for D; C and G end
// on it, A and E reach a fret below it and two above, D three above. The box starts at the
// lowest fret from 1 up where it fits, else is empty.
PositionShape CagedBox(const CMusicModel& model, int nMode, CagedShape shape);

// The shape neck nMode shows under `kind` (empty for All and Window).
PositionShape ShapeOf(const CMusicModel& model, PositionKind kind, CagedShape caged, int nMode);

// Whether a scale note of neck nMode is drawn faint under `kind`: only outside a shape that
// exists.
bool IsOutsideShape(PositionKind kind, const PositionShape& shape, int nString, int nFret);
