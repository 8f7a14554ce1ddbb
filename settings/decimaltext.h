#pragma once

#include <optional>
#include <string>
#include <string_view>

// Reads a number the way "%d" does: leading white space, an optional sign, then decimal digits;
// whatever follows the digits is ignored. Nothing past the end of the view is read. No digits,
// or a number beyond the range of int, gives nothing.
std::optional<int> ParseDecimalInt(std::string_view text);

// Only text that is a whole decimal number: an optional minus sign and digits, nothing before
// or after them. Anything else, or a number beyond the range of int, gives nothing.
std::optional<int> ParseWholeDecimalInt(std::string_view text);

// The text that a stored int is written as: "%d", so "-5" for minus five.
std::string FormatDecimalInt(int value);
