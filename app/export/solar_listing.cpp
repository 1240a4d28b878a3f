#include "export/solar_listing.h"

#include <string>
#include <vector>

#include "datetime/date_time_text.h"
#include "datetime/local_time.h"

namespace kalvest {
namespace {

const std::vector<std::string>& Columns() {
    static const std::vector<std::string> columns = {
        "year", "kind",  "code", "method",  "jd_ut",
        "delta_t_minutes", "date", "time", "zone", "weekday",
        "utc_offset_minutes"};
    return columns;
}

const char* KindName(std::int16_t kind) {
    return kind == kLineEquinoxSolstice ? "equinox-solstice" : "cross-quarter";
}

FieldValue MethodValue(std::int16_t method) {
    if (method == kMethodMeanSun) return FieldValue::Text("mean");
    if (method == kMethodTrueSun) return FieldValue::Text("true");
    return FieldValue::Null();
}

// Whole minutes as a whole number; local mean time keeps its seconds as a
// fraction (-25.35 for Dublin's -00:25:21).
FieldValue OffsetMinutes(std::int32_t offset_seconds) {
    if (offset_seconds % 60 == 0) return FieldValue::Integer(offset_seconds / 60);
    return FieldValue::Rounded(offset_seconds / 60.0, 4);
}

// "2024-cross-quarter-0-true@kalvest": the same for the same event in
// every run, whatever the zone or calendar.
std::string Uid(std::int32_t year, const PlannedLine& line) {
    std::string uid = std::to_string(year) + "-" + KindName(line.kind) + "-" +
                      std::to_string(line.code);
    const FieldValue method = MethodValue(line.method);
    if (method.type() == FieldValue::Type::kText) uid += "-" + method.text();
    return uid + "@kalvest";
}

}  // namespace

void ListSolarEvents(const SolarListingRequest& request, const TimeZone& zone,
                     const EventNameTable& names, ListingWriter& writer) {
    const std::vector<std::string>& columns = Columns();
    writer.Begin(columns);
    const RunSelection& selection = request.selection;
    const std::vector<PlannedLine> plan = PlanRun(selection);
    EuroDate record{};
    // One event, refilled for every line: its strings and fields keep
    // their memory from line to line.
    ListedEvent event;
    for (std::int32_t year = request.first_year; year <= request.last_year; ++year) {
        for (const PlannedLine& line : plan) {
            const LineInstant instant = ComputeInstant(line, year);
            const LocalTime local =
                ToLocalTime(instant.jd, zone, selection.calendar_code, record);
            event.section = year;
            event.text_line = ZonedEventLine(names, line, local, selection.include_weekday);
            event.calendar.uid = Uid(year, line);
            event.calendar.summary = EventLabel(names, line);
            event.calendar.description = local.DateTimeZone();
            event.calendar.start_jd_ut = instant.jd;
            std::vector<FieldValue>& fields = event.fields;
            fields.clear();
            fields.push_back(FieldValue::Integer(year));
            fields.push_back(FieldValue::Text(KindName(line.kind)));
            fields.push_back(FieldValue::Integer(line.code));
            fields.push_back(MethodValue(line.method));
            fields.push_back(FieldValue::Fixed(instant.jd, 10));
            fields.push_back(FieldValue::Fixed(instant.delta_t_minutes, 9));
            fields.push_back(FieldValue::Text(local.date));
            fields.push_back(FieldValue::Text(local.time));
            fields.push_back(FieldValue::Text(local.zone));
            fields.push_back(FieldValue::Text(WeekdayName(local.weekday)));
            fields.push_back(OffsetMinutes(local.offset_seconds));
            writer.Write(event);
        }
    }
    writer.End();
}

EventList SolarEventListing(const SolarListingRequest& request, const TimeZone& zone,
                            const EventNameTable& names) {
    ListCollector collector;
    ListSolarEvents(request, zone, names, collector);
    return std::move(collector.List());
}

}  // namespace kalvest
