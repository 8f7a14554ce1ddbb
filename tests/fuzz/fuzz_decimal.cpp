#include "settings/decimaltext.h"
#include "tests/fuzz/fuzzcheck.h"

#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

// The C library's reading of the same text: strtoll in the "C" locale skips the same blanks,
// takes the same sign and digits and stops at the first other byte, a zero byte included.
std::optional<int> ReferenceParse(std::string_view text) {
    const std::string copy(text);
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(copy.c_str(), &end, 10);
    if (end == copy.c_str() || errno == ERANGE || value < INT_MIN || value > INT_MAX) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = ParseDecimalInt(text);
    FuzzCheck(parsed == ReferenceParse(text), "the number read matches strtoll's");
    if (parsed) {
        FuzzCheck(ParseDecimalInt(FormatDecimalInt(*parsed)) == parsed,
                  "a number read survives being written and read again");
    }
    return 0;
}
