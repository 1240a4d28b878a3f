// The 24 solar terms of a run of years as a listing for the writers: each
// term by the true sun (dingqi), the mean sun (pingqi) or both, with its
// angle, its names and the turning point of the program that it is, every
// time in a zone of one's choice.
#pragma once

#include <cstdint>

#include "datetime/date_time_text.h"
#include "datetime/time_zone.h"
#include "export/event_list.h"
#include "run/event_names.h"

namespace kalvest {

struct SolarTermListingRequest {
    std::int32_t first_year = 0;
    std::int32_t last_year = 0;  // inclusive
    bool true_sun = true;
    bool mean_sun = true;
    // The precise variants of SolarTermsOfYear: the mean sun between the
    // true-sun December solstices, UT by the modern Delta T.
    bool precise = false;
    std::int16_t calendar_code = kCalendarGregorian;
    bool include_weekday = false;  // at the end of each text line
    TimePrecision precision = TimePrecision::kMinutes;
};

// The columns, in order: year, solar_longitude (the term's angle in whole
// degrees, 285 for Xiaohan), name (the pinyin in plain letters, "Lichun"),
// pinyin (with its tone marks, "Lìchūn"), english ("Start of Spring"),
// turning_point ("Imbolc", "Spring (March) equinox"; null for the sixteen
// terms that are none), method ("true" or "mean"), jd_ut, delta_t_minutes
// (the Delta T the instant was corrected with), date, time, zone, weekday,
// utc_offset_minutes.
//
// Each year is one section: its terms from Xiaohan to Dongzhi, each by the
// methods asked for, the earlier instant first (the true sun on a tie), so
// that the whole year is in time order. A text line reads
//
//   315° Lìchūn      Start of Spring       true sun  2025-02-03 CE 22:10 CST  Imbolc
//
// with the weekday after the zone (", Monday") when asked for and the
// turning point, if any, last. The names come from `names`; an iCalendar
// event's UID is made of the year, the angle and the method
// ("2025-solar-term-315-true@kalvest"). Throws LibraryError when a library
// the computation needs is missing.
void ListSolarTerms(const SolarTermListingRequest& request, const TimeZone& zone,
                    const EventNameTable& names, ListingWriter& writer);

// The same listing kept whole.
EventList SolarTermListing(const SolarTermListingRequest& request, const TimeZone& zone,
                           const EventNameTable& names);

}  // namespace kalvest
