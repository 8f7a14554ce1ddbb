#include "music/spelling.h"

#include <cstdlib>

namespace {

constexpr std::array<int, 7> kLetterPitches{0, 2, 4, 5, 7, 9, 11};
constexpr std::array<char, 7> kLetters{'C', 'D', 'E', 'F', 'G', 'A', 'B'};

int PositiveMod(int value, int modulus) {
    const int rest = value % modulus;
    return rest < 0 ? rest + modulus : rest;
}

int LetterPitch(int letter) {
    return kLetterPitches[static_cast<std::size_t>(PositiveMod(letter, 7))];
}

// The signed distance -6..5 from one pitch class to another, the shorter way round.
int NearestShift(int from, int to) {
    return PositiveMod(to - from + 6, 12) - 6;
}

} // namespace

int PitchClassOf(NoteName note) {
    return PositiveMod(LetterPitch(note.letter) + note.accidental, 12);
}

std::string NoteText(NoteName note) {
    std::string text(1, kLetters[static_cast<std::size_t>(PositiveMod(note.letter, 7))]);
    text.append(static_cast<std::size_t>(std::abs(note.accidental)),
                note.accidental < 0 ? 'b' : '#');
    return text;
}

NoteName PlainName(int pitchClass, bool flatKey) {
    const int pitch = PositiveMod(pitchClass, 12);
    for (int letter = 0; letter < 7; ++letter) {
        if (LetterPitch(letter) == pitch) {
            return {letter, 0};
        }
    }
    // A black key: the letter above it with a flat, or the one below with a sharp.
    for (int letter = 0; letter < 7; ++letter) {
        if (LetterPitch(letter) == PositiveMod(pitch + (flatKey ? 1 : -1), 12)) {
            return {letter, flatKey ? -1 : 1};
        }
    }
    return {};
}

SpelledScale SpellScale(NoteName tonic, const ModeFormula& formula) {
    SpelledScale scale{};
    const int tonicPitch = PitchClassOf(tonic);
    for (const ScaleDegree& degree : formula) {
        const int letter = PositiveMod(tonic.letter + degree.letter, 7);
        scale.notes.at(static_cast<std::size_t>(scale.count++)) = {
            letter, NearestShift(LetterPitch(letter), tonicPitch + degree.semitones)};
    }
    return scale;
}

bool HasDoubleAccidental(const SpelledScale& scale) {
    for (const NoteName& note : scale) {
        if (std::abs(note.accidental) > 1) {
            return true;
        }
    }
    return false;
}

NoteName SimplestName(NoteName note) {
    if (std::abs(note.accidental) <= 1) {
        return note;
    }
    const int pitch = PitchClassOf(note);
    const NoteName plain = PlainName(pitch, note.accidental < 0);
    return plain;
}

std::vector<NoteName> EnharmonicNames(NoteName note) {
    std::vector<NoteName> names;
    const int pitch = PitchClassOf(note);
    for (const int step : {-1, 1}) {
        const int letter = PositiveMod(note.letter + step, 7);
        const int accidental = NearestShift(LetterPitch(letter), pitch);
        if (std::abs(accidental) <= 1) {
            names.push_back({letter, accidental});
        }
    }
    return names;
}
