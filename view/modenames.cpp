#include "view/modenames.h"

#include <QCoreApplication>

#include <array>

namespace {

constexpr char kContext[] = "ModeNames";

// One line per name the model can give a neck, in full and in its short title form.
constexpr std::array kModeNames{
    // Major
    QT_TRANSLATE_NOOP("ModeNames", "Ionian"),
    QT_TRANSLATE_NOOP("ModeNames", "Dorian"),
    QT_TRANSLATE_NOOP("ModeNames", "Phrygian"),
    QT_TRANSLATE_NOOP("ModeNames", "Lydian"),
    QT_TRANSLATE_NOOP("ModeNames", "Mixolydian"),
    QT_TRANSLATE_NOOP("ModeNames", "Aeolian"),
    QT_TRANSLATE_NOOP("ModeNames", "Locrian"),
    QT_TRANSLATE_NOOP("ModeNames", "Ion"),
    QT_TRANSLATE_NOOP("ModeNames", "Dor"),
    QT_TRANSLATE_NOOP("ModeNames", "Phr"),
    QT_TRANSLATE_NOOP("ModeNames", "Lyd"),
    QT_TRANSLATE_NOOP("ModeNames", "Mix"),
    QT_TRANSLATE_NOOP("ModeNames", "Aeo"),
    QT_TRANSLATE_NOOP("ModeNames", "Loc"),
    // Harmonic minor
    QT_TRANSLATE_NOOP("ModeNames", "Harmonic Minor"),
    QT_TRANSLATE_NOOP("ModeNames", "Locrian #6"),
    QT_TRANSLATE_NOOP("ModeNames", "Ionian #5"),
    QT_TRANSLATE_NOOP("ModeNames", "Dorian #4"),
    QT_TRANSLATE_NOOP("ModeNames", "Phrygian Dominant"),
    QT_TRANSLATE_NOOP("ModeNames", "Lydian #2"),
    QT_TRANSLATE_NOOP("ModeNames", "Altered bb7"),
    QT_TRANSLATE_NOOP("ModeNames", "Harm. Min."),
    QT_TRANSLATE_NOOP("ModeNames", "Loc. #6"),
    QT_TRANSLATE_NOOP("ModeNames", "Ion. #5"),
    QT_TRANSLATE_NOOP("ModeNames", "Dor. #4"),
    QT_TRANSLATE_NOOP("ModeNames", "Phryg. Dom."),
    QT_TRANSLATE_NOOP("ModeNames", "Lyd. #2"),
    QT_TRANSLATE_NOOP("ModeNames", "Alt. bb7"),
    // Melodic minor
    QT_TRANSLATE_NOOP("ModeNames", "Melodic Minor"),
    QT_TRANSLATE_NOOP("ModeNames", "Dorian b2"),
    QT_TRANSLATE_NOOP("ModeNames", "Lydian #5"),
    QT_TRANSLATE_NOOP("ModeNames", "Lydian b7"),
    QT_TRANSLATE_NOOP("ModeNames", "Mixolydian b6"),
    QT_TRANSLATE_NOOP("ModeNames", "Locrian #2"),
    QT_TRANSLATE_NOOP("ModeNames", "Altered"),
    QT_TRANSLATE_NOOP("ModeNames", "Mel. Min."),
    QT_TRANSLATE_NOOP("ModeNames", "Dor. b2"),
    QT_TRANSLATE_NOOP("ModeNames", "Lyd. #5"),
    QT_TRANSLATE_NOOP("ModeNames", "Lyd. b7"),
    QT_TRANSLATE_NOOP("ModeNames", "Mixo. b6"),
    QT_TRANSLATE_NOOP("ModeNames", "Loc. #2"),
    QT_TRANSLATE_NOOP("ModeNames", "Alt."),
    // Harmonic major
    QT_TRANSLATE_NOOP("ModeNames", "Harmonic Major"),
    QT_TRANSLATE_NOOP("ModeNames", "Dorian b5"),
    QT_TRANSLATE_NOOP("ModeNames", "Phrygian b4"),
    QT_TRANSLATE_NOOP("ModeNames", "Lydian b3"),
    QT_TRANSLATE_NOOP("ModeNames", "Mixolydian b2"),
    QT_TRANSLATE_NOOP("ModeNames", "Lydian Augmented #2"),
    QT_TRANSLATE_NOOP("ModeNames", "Locrian bb7"),
    QT_TRANSLATE_NOOP("ModeNames", "Harm. Maj."),
    QT_TRANSLATE_NOOP("ModeNames", "Dor. b5"),
    QT_TRANSLATE_NOOP("ModeNames", "Phr. b4"),
    QT_TRANSLATE_NOOP("ModeNames", "Lyd. b3"),
    QT_TRANSLATE_NOOP("ModeNames", "Mix. b2"),
    QT_TRANSLATE_NOOP("ModeNames", "Lyd. Aug. #2"),
    QT_TRANSLATE_NOOP("ModeNames", "Loc. bb7"),
    // Major and minor pentatonic
    QT_TRANSLATE_NOOP("ModeNames", "Major Pentatonic"),
    QT_TRANSLATE_NOOP("ModeNames", "Egyptian"),
    QT_TRANSLATE_NOOP("ModeNames", "Man Gong"),
    QT_TRANSLATE_NOOP("ModeNames", "Ritusen"),
    QT_TRANSLATE_NOOP("ModeNames", "Minor Pentatonic"),
    QT_TRANSLATE_NOOP("ModeNames", "Maj. Pent."),
    QT_TRANSLATE_NOOP("ModeNames", "Egypt."),
    QT_TRANSLATE_NOOP("ModeNames", "Min. Pent."),
    // Blues
    QT_TRANSLATE_NOOP("ModeNames", "Blues"),
    QT_TRANSLATE_NOOP("ModeNames", "Major Blues"),
    QT_TRANSLATE_NOOP("ModeNames", "Blues Mode 3"),
    QT_TRANSLATE_NOOP("ModeNames", "Blues Mode 4"),
    QT_TRANSLATE_NOOP("ModeNames", "Blues Mode 5"),
    QT_TRANSLATE_NOOP("ModeNames", "Maj. Blues"),
    QT_TRANSLATE_NOOP("ModeNames", "Blues 3"),
    QT_TRANSLATE_NOOP("ModeNames", "Blues 4"),
    QT_TRANSLATE_NOOP("ModeNames", "Blues 5"),
    // Whole tone and diminished
    QT_TRANSLATE_NOOP("ModeNames", "Whole Tone"),
    QT_TRANSLATE_NOOP("ModeNames", "Wh. Tone"),
    QT_TRANSLATE_NOOP("ModeNames", "Half-Whole Diminished"),
    QT_TRANSLATE_NOOP("ModeNames", "Whole-Half Diminished"),
    QT_TRANSLATE_NOOP("ModeNames", "H-W Dim."),
    QT_TRANSLATE_NOOP("ModeNames", "W-H Dim."),
};

} // namespace

QString TranslatedModeName(std::string_view english) {
    for (const char* source : kModeNames) {
        if (english == source) {
            return QCoreApplication::translate(kContext, source);
        }
    }
    return QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size()));
}

std::span<const char* const> TranslatableModeNames() {
    return kModeNames;
}
