#include "export/solar_listing.h"

#include <string>
#include <vector>

#include "datetime/local_time.h"
#include "export/instant_fields.h"

namespace kalvest {
namespace {

const std::vector<std::string>& Columns() {
    static const std::vector<std::string> columns = [] {
        std::vector<std::string> names = {"year", "kind", "code", "method"};
        AppendInstantColumns(names);
        return names;
    }();
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

const std::vector<std::string>& SolarEventColumns() { return Columns(); }

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
            const LineInstant instant = ComputeInstant(line, year, request.precise);
            const LocalTime local = ToLocalTime(instant.jd, zone, selection.calendar_code,
                                                record, request.precision);
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
            AppendInstantFields(instant.jd, instant.delta_t_minutes, local, fields);
            writer.Write(event);
        }
    }
    writer.End();
}

EventList SolarEventListing(const SolarListingRequest& request, const TimeZone& zone,
                            const EventNameTable& names) {
    return CollectListing(
        [&](ListingWriter& writer) { ListSolarEvents(request, zone, names, writer); });
}

}  // namespace kalvest
