#include "common/decimal_text.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

namespace kalvest {

#if defined(__cpp_lib_to_chars)

std::size_t WriteFixedDecimal(char* buffer, std::size_t size, double value, int decimals) {
    const std::to_chars_result result =
        std::to_chars(buffer, buffer + size, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc()) return 0;
    return static_cast<std::size_t>(result.ptr - buffer);
}

std::optional<double> ParseDecimal(std::string_view text) {
    double value = 0;
    const std::from_chars_result result =
        std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

#else

// The programs that build this variant never leave the C locale, whose
// decimal point strtod and printf then use.
std::size_t WriteFixedDecimal(char* buffer, std::size_t size, double value, int decimals) {
    const int length = std::snprintf(buffer, size, "%.*f", decimals, value);
    if (length < 0 || static_cast<std::size_t>(length) >= size) return 0;
    return static_cast<std::size_t>(length);
}

std::optional<double> ParseDecimal(std::string_view text) {
    // strtod also reads blanks, hexadecimal and "inf", which from_chars
    // does not take in its default format.
    if (text.empty() || text.find_first_not_of("+-.0123456789eE") != std::string_view::npos) {
        return std::nullopt;
    }
    const std::string copy(text);
    char* end = nullptr;
    const double value = std::strtod(copy.c_str(), &end);
    if (end != copy.c_str() + copy.size()) return std::nullopt;
    return value;
}

#endif

}  // namespace kalvest
