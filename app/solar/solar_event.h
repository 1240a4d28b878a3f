// What the program computes of the Sun: an equinox or solstice, or a
// cross-quarter day by the mean or the true sun.
#pragma once

#include <cstdint>

namespace kalvest {

// Kinds of solar event. Their values are the rows of the event-name table
// that name them with the full captions (kKindQuarterCaption and
// kKindCrossQuarterNorth of run/event_names.h).
constexpr std::int16_t kLineEquinoxSolstice = 0;
constexpr std::int16_t kLineCrossQuarter = 1;

// Which sun a cross-quarter day is computed by.
enum MethodMark : std::int16_t {
    kMethodTrueSun = 0,
    kMethodMeanSun = 1,
    kMethodNone = -1,  // equinoxes and solstices
};

struct SolarEvent {
    std::int16_t kind;    // kLineEquinoxSolstice or kLineCrossQuarter
    std::int16_t code;    // event code (EventCode) or cross-quarter code
    std::int16_t method;  // MethodMark
};

}  // namespace kalvest
