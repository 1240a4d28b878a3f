#include "outside/dantrow.h"

#include <cstring>
#include <string>

namespace kalvest {
namespace {

// Division rounding toward minus infinity, so that the conversions hold for
// day numbers before the epoch as well.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

}  // namespace

extern "C" void jdn_to_euro_date(EuroDate* date) {
    // Day count from 1 March of year -4800, split into 400- or 4-year
    // cycles, years, and five-month spans starting in March.
    const std::int64_t jdn = date->jdn;
    std::int64_t centuries = 0;
    std::int64_t c = 0;
    if (date->calendar == kCalendarJulian) {
        c = jdn + 32082;
    } else {
        const std::int64_t a = jdn + 32044;
        centuries = FloorDiv(4 * a + 3, 146097);
        c = a - FloorDiv(146097 * centuries, 4);
    }
    const std::int64_t d = FloorDiv(4 * c + 3, 1461);
    const std::int64_t e = c - FloorDiv(1461 * d, 4);
    const std::int64_t m = FloorDiv(5 * e + 2, 153);
    date->day = static_cast<std::int32_t>(e - FloorDiv(153 * m + 2, 5) + 1);
    date->month = static_cast<std::int32_t>(m + 3 - 12 * FloorDiv(m, 10));
    date->year = static_cast<std::int32_t>(100 * centuries + d - 4800 +
                                           FloorDiv(m, 10));
}

extern "C" std::int32_t euro_day_of_week(std::int32_t jdn) {
    // JDN 0 was a Monday.
    const std::int64_t r = (static_cast<std::int64_t>(jdn) + 1) % 7;
    return static_cast<std::int32_t>(r < 0 ? r + 7 : r);
}

extern "C" void separate_thousands(const char* number, std::int32_t separator,
                                   char* out) {
    const std::size_t length = std::strlen(number);
    std::size_t digits_begin = 0;
    if (number[0] == '-' || number[0] == '+') digits_begin = 1;
    std::size_t digits_end = digits_begin;
    while (digits_end < length && number[digits_end] >= '0' &&
           number[digits_end] <= '9') {
        ++digits_end;
    }

    std::string text(number, digits_begin);
    const std::size_t digit_count = digits_end - digits_begin;
    for (std::size_t i = 0; i < digit_count; ++i) {
        if (i > 0 && (digit_count - i) % 3 == 0) {
            text += static_cast<char>(separator);
        }
        text += number[digits_begin + i];
    }
    text.append(number + digits_end);

    const std::size_t n = text.size() < kThousandsBufferChars
                              ? text.size()
                              : kThousandsBufferChars;
    std::memcpy(out, text.data(), n);
    out[n] = '\0';
}

}  // namespace kalvest
