#include "music/keyname.h"
#include "tests/fuzz/fuzzcheck.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace {

// Every spelling a guitarist may write, with the pitch class of its natural letter and its
// accidental: the only texts that may parse.
std::map<std::string, KeyChoice, std::less<>> Spellings() {
    const std::map<char, int> naturals{{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5},
                                       {'G', 7}, {'A', 9}, {'B', 11}};
    const std::map<std::string, int> accidentals{
        {"", 0}, {"b", -1}, {"#", 1}, {"\u266D", -1}, {"\u266F", 1}};
    std::map<std::string, KeyChoice, std::less<>> spellings;
    for (const auto& [letter, pitch] : naturals) {
        const char lower = static_cast<char>(letter - 'A' + 'a');
        for (const auto& [suffix, accidental] : accidentals) {
            spellings[letter + suffix] = KeyChoice{pitch, accidental};
            spellings[lower + suffix] = KeyChoice{pitch, accidental};
        }
    }
    return spellings;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto kSpellings = Spellings();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = ParseKeyName(text);
    const auto known = kSpellings.find(text);
    FuzzCheck(parsed.has_value() == (known != kSpellings.end()),
              "a key parses exactly when it is a letter A-G with an optional b, #, flat or sharp");
    if (parsed) {
        FuzzCheck(parsed->key == known->second.key &&
                      parsed->accidental == known->second.accidental,
                  "a parsed key is its letter's natural pitch and its suffix's accidental");
    }
    return 0;
}
