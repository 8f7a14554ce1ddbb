#pragma once

#include "music/scalefamilies.h"

#include <array>
#include <string>
#include <vector>

// A written note: a letter 0..6 (C to B) and the semitones its accidentals move it, negative
// for flats. Every note name the program shows is one of these turned into text.
struct NoteName {
    int letter = 0;
    int accidental = 0;

    friend bool operator==(const NoteName&, const NoteName&) = default;
};

// The written notes of a scale, the tonic first.
struct SpelledScale {
    std::array<NoteName, kMaxScaleNotes> notes{};
    int count = 0;

    NoteName* begin() { return notes.data(); }
    NoteName* end() { return notes.data() + count; }
    const NoteName* begin() const { return notes.data(); }
    const NoteName* end() const { return notes.data() + count; }
    std::size_t size() const { return static_cast<std::size_t>(count); }
    const NoteName& at(std::size_t index) const { return notes.at(index); }
    NoteName& operator[](std::size_t index) { return notes.at(index); }
    const NoteName& operator[](std::size_t index) const { return notes.at(index); }
};

// How the notes of a diagram are named: by the title's tonic as the window has always named it
// (sharps unless the key is a flat key), or as the key's own scale writes them.
enum class SpellingKind {
    Simple,
    Scale,
};

int PitchClassOf(NoteName note);
// "C", "F#", "Bb", "F##", "Bbb".
std::string NoteText(NoteName note);
// A pitch class by the key's accidental alone: flats in a flat key, sharps otherwise.
NoteName PlainName(int pitchClass, bool flatKey);

// Each note takes the letter its degree counts up from the tonic's and whatever accidental its
// pitch needs, double ones included; the caller decides what to do with those.
SpelledScale SpellScale(NoteName tonic, const ModeFormula& formula);
bool HasDoubleAccidental(const SpelledScale& scale);
// The name a reader expects instead of a double accidental: the plain letter where one sounds
// the pitch (F## is G), else one accidental in the same direction (B## is C#). Other notes
// are returned as they are.
NoteName SimplestName(NoteName note);
// The other names with at most one accidental for the same pitch: Db for C#, B# for C.
std::vector<NoteName> EnharmonicNames(NoteName note);
