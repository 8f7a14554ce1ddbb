#pragma once

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

// Semitones above the tonic of each degree of a seven-note scale, the tonic first.
using ScaleSteps = std::array<int, 7>;
using SpelledScale = std::array<NoteName, 7>;

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

// Each degree takes the next letter up from the tonic's and whatever accidental its pitch
// needs, double ones included; the caller decides what to do with those.
SpelledScale SpellScale(NoteName tonic, const ScaleSteps& steps);
bool HasDoubleAccidental(const SpelledScale& scale);
// The name a reader expects instead of a double accidental: the plain letter where one sounds
// the pitch (F## is G), else one accidental in the same direction (B## is C#). Other notes
// are returned as they are.
NoteName SimplestName(NoteName note);
// The other names with at most one accidental for the same pitch: Db for C#, B# for C.
std::vector<NoteName> EnharmonicNames(NoteName note);
