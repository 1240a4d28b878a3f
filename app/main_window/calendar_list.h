// The main window's calendar list and the calendar each entry stands for.
#pragma once

#include <array>
#include <cstdint>

#include "outside/dantrow.h"

namespace kalvest {

// The entries in list order; the first is selected at start-up.
constexpr std::array<const char*, 2> kCalendarEntries = {"Gregorian (proleptic) calendar (CE)",
                                                         "Julian calendar (JC)"};
constexpr int kJulianCalendarIndex = 1;

// The calendar code of list entry `index`: Julian for its entry, Gregorian
// for every other index (no selection included).
constexpr std::int16_t CalendarCodeOfListIndex(int index) {
    return index == kJulianCalendarIndex ? kCalendarJulian : kCalendarGregorian;
}

}  // namespace kalvest
