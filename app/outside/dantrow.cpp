#include "outside/dantrow.h"

#include <cstring>
#include <string>

namespace kalvest {

extern "C" void jdn_to_euro_date(EuroDate* date) {
    // Any code but the Julian calendar's is the Gregorian calendar.
    const CalendarDate converted = CalendarDateOfDayNumber(
        date->jdn, date->calendar == kCalendarJulian ? kCalendarJulian : kCalendarGregorian);
    date->year = static_cast<std::int32_t>(converted.year);
    date->month = converted.month;
    date->day = converted.day;
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
