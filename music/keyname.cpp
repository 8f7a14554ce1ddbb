#include "music/keyname.h"

#include <array>

namespace {

std::optional<int> LetterPitch(char letter) {
    static constexpr std::array<int, 7> kPitchFromA{9, 11, 0, 2, 4, 5, 7};
    if (letter >= 'a' && letter <= 'g') {
        letter = static_cast<char>(letter - 'a' + 'A');
    }
    if (letter < 'A' || letter > 'G') {
        return std::nullopt;
    }
    return kPitchFromA[static_cast<std::size_t>(letter - 'A')];
}

std::optional<int> AccidentalFromSuffix(std::string_view suffix) {
    if (suffix.empty()) {
        return 0;
    }
    if (suffix == "b" || suffix == "\u266D") {
        return -1;
    }
    if (suffix == "#" || suffix == "\u266F") {
        return 1;
    }
    return std::nullopt;
}

} // namespace

std::optional<KeyChoice> ParseKeyName(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    const auto key = LetterPitch(text.front());
    const auto accidental = AccidentalFromSuffix(text.substr(1));
    if (!key || !accidental) {
        return std::nullopt;
    }
    return KeyChoice{*key, *accidental};
}
