// The wheel of the year as a drawing sees it, without drawing it: where on
// the circle each event of a year falls, and every text the picture shows.
// A place on the wheel is a turn, the fraction of the local calendar year
// that has passed at the instant (0 at the local midnight that begins
// 1 January, 1 at the one that begins the next year); the picture puts 0
// at the top and runs clockwise, as a clock does.
//
// The window and the exported pictures draw this one layout, so that they
// always agree; the drawing itself lives beside it (wheel_painter.*).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "datetime/date_time_text.h"
#include "datetime/time_zone.h"
#include "lunar/moon_events.h"

namespace kalvest {

struct WheelRequest {
    std::int32_t year = 0;  // astronomical numbering
    std::int16_t calendar_code = kCalendarGregorian;
    bool southern = false;  // the southern hemisphere's names
    bool moon = false;      // a ring of the year's full and new moons and eclipses
    bool terms = false;     // a ring of the 24 solar terms by the true sun
    // How the title names the zone: "Europe/Dublin", "GMT+05:30".
    std::string zone_name;
    // Every instant precisely, as --precise and the window's precise option
    // ask: the turning points and solar terms by ComputeInstant's and
    // SolarTermsOfYear's precise forms, the moons by MoonMethod::kPrecise.
    bool precise = false;
    // The times of the texts to the minute or to the second.
    TimePrecision precision = TimePrecision::kMinutes;
};

// An equinox or a solstice.
struct WheelQuarter {
    std::int16_t event = 0;  // event code, 0 March equinox .. 3 December solstice
    std::string name;        // for the hemisphere: "Spring equinox"
    double turn = 0;
    std::string time_text;   // "2025-03-20 CE 09:01 GMT"
};

// A cross-quarter day by both methods.
struct WheelCrossQuarter {
    std::int16_t code = 0;  // cross-quarter code
    std::string name;       // for the hemisphere: "Imbolc"
    double true_turn = 0;
    double mean_turn = 0;
    std::string true_text;  // "True sun 2025-02-03 CE 14:10 GMT"
    std::string mean_text;  // "Mean sun 2025-02-03 CE 21:30 GMT"
    std::string gap_text;   // "True sun 7 h 20 min earlier"
    // Mean sun minus true sun, in whole minutes: positive when the true
    // sun comes first.
    std::int64_t gap_minutes = 0;
};

// The first day of a month.
struct WheelMonth {
    double turn = 0;       // where the month begins
    double end_turn = 0;   // where the next begins (1 for December)
    std::string name;      // "Jan"
};

// A new or full moon of the ring.
struct WheelMoon {
    MoonPhase phase = MoonPhase::kFull;  // kNew or kFull
    double turn = 0;
    std::string label;          // "14 Mar"
    std::int32_t eclipse_class = kNoEclipse;
    std::string eclipse_text;   // "Total lunar eclipse", empty without one
};

// A solar term of the ring.
struct WheelTerm {
    double turn = 0;
    std::string name;       // "Lichun", the pinyin without tone marks
    int longitude_degrees = 0;
    bool turning_point = false;  // an equinox, solstice or cross-quarter day
};

// The marks the legend explains.
enum class WheelMark {
    kEquinoxSolstice,
    kTrueSun,
    kMeanSun,
    kGap,  // the gauge of the gap between the two suns
    kFullMoon,
    kNewMoon,
    kEclipse,
    kSolarTerm,
};

struct WheelLegendEntry {
    WheelMark mark;
    std::string text;
};

struct WheelLayout {
    std::string title;     // "The wheel of the year 2025 CE"
    std::string subtitle;  // "Gregorian calendar, Europe/Dublin, Northern Hemisphere"
    std::string year_text;  // "2025", for the wheel's hub
    bool southern = false;  // the seasons between the spokes follow the hemisphere
    std::array<WheelQuarter, 4> quarters;              // by event code
    std::array<WheelCrossQuarter, 4> cross_quarters;   // by cross-quarter code
    std::array<WheelMonth, 12> months;
    std::vector<WheelMoon> moons;  // in time order; empty without the ring
    std::vector<WheelTerm> terms;  // in time order; empty without the ring
    std::vector<WheelLegendEntry> legend;
    // One line for each eclipse of the moon ring: "14 Mar: Total lunar eclipse".
    std::vector<std::string> eclipse_lines;
    std::string footnote;  // how the two suns are meant, one line
};

// The layout of `request.year` in `zone`, each instant as the window
// computes it (or precisely, as the request says) and written by the
// program's local-time text. Needs
// InitPeriodicTerms; throws LibraryError when varquel is missing, and
// std::out_of_range for a year the moon calendar does not reach.
WheelLayout MakeWheelLayout(const WheelRequest& request, const TimeZone& zone);

// The Julian Day (UT) of the local midnight that begins day number `jdn`
// in `zone`.
double LocalMidnightJd(std::int64_t jdn, const TimeZone& zone);

// The turn of `jd_ut` in the local year that runs from `year_start` to
// `year_end` (both Julian Days, UT), taken into [0, 1): an instant outside
// the year (a Julian-calendar date far from the seasons) goes round.
double TurnOf(double jd_ut, double year_start, double year_end);

// "7 h 20 min", "1 d 2 h 5 min", "0 min": a span of whole minutes.
std::string SpanText(std::int64_t minutes);

}  // namespace kalvest
