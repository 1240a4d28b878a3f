// The 24 solar terms of a run of years as a listing for the writers: each
// term by the true sun (dingqi), the mean sun (pingqi) or both, with its
// angle, its names and the turning point of the program that it is, every
// time in a zone of one's choice.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "datetime/date_time_text.h"
#include "datetime/time_zone.h"
#include "export/event_list.h"
#include "run/event_names.h"
#include "solar/solar_term_names.h"

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
// utc_offset_minutes, hanzi (the simplified characters, "惊蛰"),
// hanzi_traditional ("驚蟄"; the same as hanzi for most terms).
//
// Each year is one section: its terms from Xiaohan to Dongzhi, each by the
// methods asked for, the earlier instant first (the true sun on a tie), so
// that the whole year is in time order. A text line reads
//
//   315° 立春         Lìchūn       Start of Spring       true sun  2025-02-03 CE 22:10 CST  Imbolc
//   345° 惊蛰 / 驚蟄  Jīngzhé      Awakening of Insects  true sun  2025-03-05 CE 16:06 CST
//
// with the weekday after the zone (", Monday") when asked for and the
// turning point, if any, last. The characters are HanziText's; each column
// is padded to the same width in terminal columns (DisplayWidth), so that
// the dates line up in a terminal and in a fixed-pitch font whose Chinese
// characters are twice as wide as its letters. The names come from `names`; an iCalendar
// event's UID is made of the year, the angle and the method
// ("2025-solar-term-315-true@kalvest"). Throws LibraryError when a library
// the computation needs is missing.
void ListSolarTerms(const SolarTermListingRequest& request, const TimeZone& zone,
                    const EventNameTable& names, ListingWriter& writer);

// The columns of ListSolarTerms, for writers that join listings.
const std::vector<std::string>& SolarTermColumns();

// The term's characters as the text lines show them: the simplified ones,
// then " / " and the traditional ones where these differ ("惊蛰 / 驚蟄";
// "立春").
std::string HanziText(const SolarTermName& name);

// "Solar terms of 2025 CE, Asia/Shanghai": the title of a listing of one
// year, the year text as the user typed it.
std::string SolarTermListingTitle(const std::string& year_text, std::int16_t calendar_code,
                                  const std::string& zone_text);

// The same listing kept whole.
EventList SolarTermListing(const SolarTermListingRequest& request, const TimeZone& zone,
                           const EventNameTable& names);

}  // namespace kalvest
