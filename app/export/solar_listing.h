// The solar events of a run of years as a listing for the writers: the
// lines a calculation run of the main window makes, year after year, with
// every time in a zone of one's choice.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "datetime/date_time_text.h"
#include "datetime/time_zone.h"
#include "export/event_list.h"
#include "run/calculation_run.h"
#include "run/event_names.h"

namespace kalvest {

struct SolarListingRequest {
    std::int32_t first_year = 0;
    std::int32_t last_year = 0;  // inclusive
    // Events, methods, calendar and whether the text lines end with the
    // weekday; its year and zone_minutes are not used.
    RunSelection selection;
    // Every instant by ComputeInstant's precise form, to the second,
    // instead of as the window computes it.
    bool precise = false;
    // The time of day to the minute, as the window shows it, or to the
    // second, in the text lines and the time column alike.
    TimePrecision precision = TimePrecision::kMinutes;
};

// The columns, in order: year, kind ("equinox-solstice" or
// "cross-quarter"), code, method ("mean", "true"; null for equinoxes and
// solstices), jd_ut, delta_t_minutes, date, time, zone (the abbreviation
// of the instant), weekday, utc_offset_minutes.
//
// Each year's lines come in the run's order and form one section; the
// text line of each is the main window's output line (for a fixed zone of
// whole minutes, neither precise nor to the second, character for
// character). Throws LibraryError when a
// library the computation needs is missing.
void ListSolarEvents(const SolarListingRequest& request, const TimeZone& zone,
                     const EventNameTable& names, ListingWriter& writer);

// The columns of ListSolarEvents, for writers that join listings.
const std::vector<std::string>& SolarEventColumns();

// The same listing kept whole.
EventList SolarEventListing(const SolarListingRequest& request, const TimeZone& zone,
                            const EventNameTable& names);

}  // namespace kalvest
