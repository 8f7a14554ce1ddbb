#include "settings/decimaltext.h"

#include <limits>

namespace {

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

std::optional<int> ParseDecimalInt(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsCSpace(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // Accumulate as a negative number so that INT_MIN itself fits.
    constexpr long long kLowest = std::numeric_limits<int>::min();
    constexpr long long kHighest = std::numeric_limits<int>::max();
    long long magnitude = 0;
    bool anyDigit = false;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        anyDigit = true;
        magnitude = magnitude * 10 + (text[pos] - '0');
        if (magnitude > -kLowest) {
            return std::nullopt;
        }
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    const long long value = negative ? -magnitude : magnitude;
    if (value > kHighest) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

std::string FormatDecimalInt(int value) {
    return std::to_string(value);
}

std::optional<int> ParseWholeDecimalInt(std::string_view text) {
    const std::size_t first = !text.empty() && text.front() == '-' ? 1 : 0;
    if (text.size() == first) {
        return std::nullopt;
    }
    for (std::size_t pos = first; pos < text.size(); ++pos) {
        if (text[pos] < '0' || text[pos] > '9') {
            return std::nullopt;
        }
    }
    return ParseDecimalInt(text);
}
