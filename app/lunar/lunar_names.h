// The words of the moon calendar: phase, eclipse and contact names, as
// keys for machine-read output and as text for people.
#pragma once

#include <cstdint>
#include <string_view>

#include "lunar/moon_events.h"

namespace kalvest {

// "new", "first_quarter", "full", "last_quarter".
std::string_view MoonPhaseKey(MoonPhase phase);

// "classical", "precise".
std::string_view MoonMethodKey(MoonMethod method);

// "New moon", "First quarter", "Full moon", "Last quarter".
std::string_view MoonPhaseName(MoonPhase phase);

// The class as varquel names it: "partial solar eclipse" (1) ...
// "total lunar eclipse" (10); the empty text for 0 and unknown classes.
std::string_view EclipseClassName(std::int32_t eclipse_class);

// varquel's four-character tag without its trailing blanks: "P", "CA",
// "CT", "NCT", "NCA", "CAT", "NCAT", "LP", "LU", "LT"; empty for 0.
std::string_view EclipseClassTag(std::int32_t eclipse_class);

// "penumbral_begin", "partial_begin", "total_begin", "total_end",
// "partial_end", "penumbral_end".
std::string_view LunarContactKey(LunarContact contact);

// "Penumbral phase begins" ... "Penumbral phase ends".
std::string_view LunarContactName(LunarContact contact);

}  // namespace kalvest
