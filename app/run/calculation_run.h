// The Qt-free heart of a calculation run: which lines a selection produces,
// in which order, and how each line is computed and composed. The main
// window and kalvest-cli both use it, so they always write the same lines.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "datetime/local_time.h"
#include "outside/dantrow.h"
#include "run/event_names.h"
#include "solar/event_instant.h"

namespace kalvest {

// A line of a run is a solar event; its kinds are those of the event-name
// table's full captions.
using PlannedLine = SolarEvent;
static_assert(kLineEquinoxSolstice == kKindQuarterCaption &&
              kLineCrossQuarter == kKindCrossQuarterNorth);

// What a run reads from the window.
struct RunSelection {
    std::int32_t year = 0;
    bool quarters[4] = {};        // March, June, September, December
    bool cross_quarters[4] = {};  // Imbolc, Beltane, Lughnassad, Samhain
    bool true_sun = false;
    bool mean_sun = false;
    bool include_weekday = false;
    std::int16_t calendar_code = kCalendarGregorian;  // or kCalendarJulian
    std::int16_t zone_minutes = 0;
};

// One computed line.
struct EventResult {
    PlannedLine line;
    double jd;                 // Julian Day, UT
    double delta_t_minutes;    // the Delta T the instant was corrected with
    std::string date_time;     // "2021-03-20 CE 09:37"
    std::string weekday;       // "Saturday"
};

// The label, a blank and as many full stops as make it 31 characters,
// then a blank: the date that follows starts in column 33 of every output
// line. A label of 30 characters or more gets no full stops.
std::string DottedLabel(const std::string& label);

// "Imbolc (true sun)", "Spring (March) equinox": the line's name and its
// method, as the output lines label it.
std::string EventLabel(const EventNameTable& names, const PlannedLine& line);

// The lines of the selection in the run's fixed order: Imbolc (true, mean),
// March, Beltane (true, mean), June, Lughnassad (mean, true), September,
// Samhain (mean, true), December.
std::vector<PlannedLine> PlanRun(const RunSelection& selection);

// Computes one planned line; `record` is the run's date record and holds
// the line's local date afterwards. Throws LibraryError when a library
// the computation needs is missing.
EventResult ComputeLine(const PlannedLine& line, const RunSelection& selection,
                        EuroDate& record);

// "Spring (March) equinox ........ 2021-03-20 CE 09:37 GMT, Saturday" and
// CR LF: the label padded with full stops to 31 characters and a blank, the
// date-time text, the zone suffix, and the weekday when asked for.
std::string EventLine(const EventNameTable& names, std::int16_t kind,
                      std::int16_t code, std::int16_t zone_minutes,
                      const std::string& date_time, const std::string& weekday,
                      std::int16_t method, bool include_weekday);

// The same line with the time in any zone: the label, the local
// date-time, a blank and the zone's text for that instant ("... 2024-06-20
// CE 21:50 IST"), and the weekday of the local date when asked for; no
// line end. For a fixed zone it is EventLine's line without CR LF.
std::string ZonedEventLine(const EventNameTable& names, const PlannedLine& line,
                           const LocalTime& local, bool include_weekday);

// Computes every planned line in order and hands each to `emit` as soon as
// it is complete. A failure (LibraryError) propagates after the lines
// before it have been emitted; the failing line is not.
void ProduceRunLines(const RunSelection& selection, const EventNameTable& names,
                     EuroDate& record,
                     const std::function<void(const std::string& line)>& emit);

}  // namespace kalvest
