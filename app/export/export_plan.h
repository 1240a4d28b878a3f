// What an export writes: some years, the kinds of event asked for (the
// turning points of a selection, the solar terms, the Moon's phases, its
// eclipses), how they are computed and in which format. kalvest-cli's
// listings and the window's export dialog both come here, so that a file
// of the same choices is the same file from either.
//
// One kind gives that listing as it is (its own columns, kalvest-cli's
// output). Several kinds in one file give every event of the first kind,
// then of the next, in the order above; in CSV and JSON under the union of
// their columns, first "listing" ("turning_points", "solar_terms",
// "moon"), each event with null (an empty CSV field) where its listing has
// no such column.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "datetime/date_time_text.h"
#include "datetime/time_zone.h"
#include "export/event_list.h"
#include "run/calculation_run.h"
#include "run/event_names.h"
#include "run/reminder.h"

namespace kalvest {

enum class ExportFormat { kText, kCsv, kJson, kICalendar };

struct ExportPlan {
    std::int32_t first_year = 0;
    std::int32_t last_year = 0;  // inclusive
    // The turning points' events and methods (the solar terms' methods
    // too), the calendar and whether text lines end with the weekday; its
    // year and zone_minutes are not used.
    RunSelection selection;
    bool turning_points = false;  // the events of `selection`
    // By the methods of `selection`; by both where it ticks neither.
    bool solar_terms = false;
    bool moon_phases = false;     // every phase of the Moon
    // The new and full moons with an eclipse. With the phases, each phase's
    // eclipse comes with it (and in iCalendar a lunar eclipse as an event
    // of its own, from its first to its last contact); without them only
    // the phases with an eclipse. Phases without eclipses leave the
    // eclipses' own calendar events out.
    bool eclipses = false;
    // Every instant precisely: the Sun by its longitude, the Moon's phases
    // by its theory, each with the modern Delta T.
    bool precise = false;
    TimePrecision precision = TimePrecision::kMinutes;
    ExportFormat format = ExportFormat::kText;
    std::optional<Reminder> reminder;  // iCalendar only
};

struct ExportFile {
    std::string text;
    // Calendar events iCalendar cannot date (before year 1), left out.
    std::size_t left_out = 0;
};

// The separator line between the years of a text listing: the window's
// hyphen line, without its line end.
std::string ExportSeparatorLine();

// What a user is told of the events an iCalendar file of `plan` had to
// leave out ("iCalendar has no years before 1: 12 events of the years -1
// through 0 left out"); empty when none was.
std::string LeftOutNote(const ExportPlan& plan, const ExportFile& file);

// The display-all grid of every year of a span, each with its caption,
// the years set apart by the separator line, every time in `zone`: what
// kalvest-cli --grid and the page's grid show.
struct GridPlan {
    std::int32_t first_year = 0;
    std::int32_t last_year = 0;  // inclusive
    std::int16_t calendar_code = kCalendarGregorian;
    bool southern = false;
    bool precise = false;
    TimePrecision precision = TimePrecision::kMinutes;
};
std::string GridListing(const GridPlan& plan, const TimeZone& zone);

// How many kinds of listing the plan asks for (the phases and the
// eclipses of the Moon are one listing).
int ExportListingCount(const ExportPlan& plan);

// Why `plan` cannot be exported, in a sentence for the user; empty when it
// can: the years reversed or outside -3000..3000, no kind of event, or
// turning points without an event or with cross-quarter days but no
// method (the main window's own messages).
std::string ExportPlanProblem(const ExportPlan& plan);

// The file for `plan`, every time in `zone`; iCalendar's DTSTAMP is
// `stamp_jd_ut`. Throws LibraryError when a library the computation needs
// is missing, and ZoneDatabaseError from a zone that cannot be read.
ExportFile WriteExport(const ExportPlan& plan, const TimeZone& zone, const EventNameTable& names,
                       double stamp_jd_ut);

}  // namespace kalvest
