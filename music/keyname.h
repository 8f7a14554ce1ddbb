#pragma once

#include <optional>
#include <string_view>

struct KeyChoice {
    int key = 0;        // pitch class of the natural letter
    int accidental = 0; // -1, 0 or +1
};

// Reads a key as a guitarist writes it: a letter A to G in either case, optionally followed by
// "b", "#", "♭" or "♯" (UTF-8). Anything else, including surrounding blanks, is refused.
std::optional<KeyChoice> ParseKeyName(std::string_view text);
