// The Moon's phases and eclipses of a run of years as a listing for the
// writers: the lines of kalvest-cli --moon and --eclipses and of the moon
// list window, the CSV and JSON rows, and the calendar events.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "datetime/date_time_text.h"
#include "datetime/time_zone.h"
#include "export/event_list.h"

namespace kalvest {

struct MoonListingRequest {
    std::int32_t first_year = 0;
    std::int32_t last_year = 0;  // inclusive
    std::int16_t calendar_code = kCalendarGregorian;
    bool eclipses_only = false;    // only the new and full moons with an eclipse
    bool include_weekday = false;  // the text lines end with the weekday
    TimePrecision precision = TimePrecision::kMinutes;  // every time to the minute or second
    // The phases by MoonMethod::kPrecise instead of varquel's series alone,
    // as --precise and the window's precise option ask.
    bool precise = false;
};

// Every phase of each year (or only those with an eclipse) in time order;
// each year is one section. Throws LibraryError when varquel is missing,
// and std::out_of_range for a year the moon calendar does not reach.
//
// Columns, in order: year, lunation, phase ("new", "first_quarter",
// "full", "last_quarter"), jde, jd_ut, delta_t_minutes, date, time, zone
// (the abbreviation of the instant), weekday, utc_offset_minutes, eclipse
// (varquel's class, 0 for none), eclipse_kind ("total lunar eclipse"),
// saros, greatest_jd_ut, greatest_local, gamma, mag_penumbral, mag_umbral,
// then for each contact of a lunar eclipse in time order (penumbral_begin,
// partial_begin, total_begin, total_end, partial_end, penumbral_end) the
// key with "_jd_ut" and with "_local". A local value is the date, time and
// zone text ("2025-09-07 CE 19:53 IST"). Values that a phase does not have
// are null: the eclipse's fields but `eclipse` itself without an eclipse,
// the magnitudes and contacts of a solar eclipse, the contacts of phases
// of a lunar eclipse that do not occur. The last column, method, says how
// the phases were computed: "classical" or "precise" (MoonMethodKey).
//
// The text of a phase is one line in the style of the solar events'
// ("Full moon ..................... 2025-03-14 CE 06:54 GMT"); an eclipse
// adds lines under it: its kind ("  Total lunar eclipse, umbral magnitude
// 1.178", a solar eclipse by its kind alone) and, for a lunar eclipse, its
// contacts and greatest eclipse in time order, their dates in the same
// column. Lines are separated by line feeds.
//
// The calendar entry of a phase lasts no time ("Full moon, total lunar
// eclipse"); a lunar eclipse adds one from its first to its last contact.
// Their UIDs depend on the lunation and phase alone.
void ListMoonEvents(const MoonListingRequest& request, const TimeZone& zone,
                    ListingWriter& writer);

// The columns of ListMoonEvents, for writers that join listings.
const std::vector<std::string>& MoonColumns();

// The same listing kept whole.
EventList MoonEventListing(const MoonListingRequest& request, const TimeZone& zone);

// "Phases of the Moon and eclipses in 2025 CE, GMT+01:00" (or "Eclipses
// in ..."): the title of a listing of one year, the year text as the user
// typed it.
std::string MoonListingTitle(const std::string& year_text, std::int16_t calendar_code,
                             const std::string& zone_text, bool eclipses_only);

}  // namespace kalvest
