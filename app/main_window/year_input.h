// The check of the typed year, without the window: what the year box's
// text means, and the current year that a rejection puts back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kalvest {

inline constexpr std::int32_t kFirstYear = 1;
inline constexpr std::int32_t kLastYear = 3000;

// Messages of the check, and the title of all three.
inline constexpr const char* kYearMissingMessage =
    "Year must be specified (-3000 through 3000).";
inline constexpr const char* kYearNotWholeMessage = "Invalid input for year.";
inline constexpr const char* kInvalidInputTitle = "Invalid input";
// Program-text numbers of the out-of-range message and its title.
inline constexpr std::int16_t kYearOutOfRangeTextNumber = 24;
inline constexpr std::int16_t kYearOutOfRangeTitleNumber = 25;

enum class YearVerdict {
    kAccepted,    // 1 through 3000
    kMissing,     // empty after trimming
    kNotWhole,    // not an optionally signed string of digits
    kOutOfRange,  // a whole number outside 1 through 3000
};

struct YearCheck {
    std::string trimmed;  // the text without leading and trailing blanks
    YearVerdict verdict = YearVerdict::kMissing;
    // The number the text stands for (a lone sign stands for 0); empty when
    // the text is no whole number or its digits do not fit 32 bits.
    std::optional<std::int32_t> value;
};

// Trims blanks (spaces only), tests the form with the string helpers'
// whole-number test (sign allowed, commas not) and the range. A number too
// large for 32 bits is out of range, never an overflow.
YearCheck CheckYearText(const std::string& text);

// The current year of the system clock, local time.
std::int32_t CurrentYear();

}  // namespace kalvest
