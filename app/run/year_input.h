// The check of a typed year, without the window: what the year box's text
// (or a year on kalvest-cli's command line) means, and the current year
// that a rejection puts back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kalvest {

// The years a check accepts, both inclusive.
struct YearRange {
    std::int32_t first;
    std::int32_t last;
};
// The window's year box and its settings file: 1 through 3000.
inline constexpr YearRange kWindowYears{1, 3000};
// kalvest-cli: -3000 through 3000 (year 0 is 1 BC).
inline constexpr YearRange kCommandLineYears{-3000, 3000};

inline constexpr std::int32_t kFirstYear = kWindowYears.first;
inline constexpr std::int32_t kLastYear = kWindowYears.last;

// Messages of the check, and the title of all three.
inline constexpr const char* kYearMissingMessage =
    "Year must be specified (-3000 through 3000).";
inline constexpr const char* kYearNotWholeMessage = "Invalid input for year.";
inline constexpr const char* kInvalidInputTitle = "Invalid input";
// Program-text numbers of the out-of-range message and its title.
inline constexpr std::int16_t kYearOutOfRangeTextNumber = 24;
inline constexpr std::int16_t kYearOutOfRangeTitleNumber = 25;

enum class YearVerdict {
    kAccepted,    // within the range (1 through 3000 in the window)
    kMissing,     // empty after trimming
    kNotWhole,    // not an optionally signed string of digits
    kOutOfRange,  // a whole number outside the range
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
YearCheck CheckYearText(const std::string& text, YearRange range = kWindowYears);

// The current year of the system clock, local time.
std::int32_t CurrentYear();

}  // namespace kalvest
