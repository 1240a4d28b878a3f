// Numbers as decimal text and back, exactly and without regard to the
// locale. The C++ library's to_chars and from_chars do it where they take
// floating point; the browser's C++ library (Emscripten's libc++) does
// not yet, and there the C library's exact printf and strtod do.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace kalvest {

// Writes `value` with exactly `decimals` digits after the point into
// `buffer` (the exact decimal form, as printf's "%.*f" gives it) and
// returns the length written; 0 when the text does not fit in `size`.
std::size_t WriteFixedDecimal(char* buffer, std::size_t size, double value, int decimals);

// The nearest double to the whole of `text`, a decimal number such as
// "-25.35"; none when `text` is not entirely one.
std::optional<double> ParseDecimal(std::string_view text);

}  // namespace kalvest
