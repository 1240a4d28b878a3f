// The page's listings come from the same core calls as kalvest-cli's: the
// run layer reads the request's words, the export layer's plan writes
// the file, and the grid is the export layer's too.
#include "web/bindings/listing_request.h"

#include <exception>
#include <memory>
#include <optional>
#include <utility>

#include "datetime/utc_text.h"
#include "datetime/zone_database.h"
#include "export/export_plan.h"
#include "outside/library_error.h"
#include "run/choice_words.h"
#include "run/event_names.h"
#include "solar/solar_events.h"
#include "web/bindings/page_status.h"

namespace kalvest::web {
namespace {

ListingResult Refused(int status, std::string why) {
    ListingResult result;
    result.status = status;
    result.error = std::move(why);
    return result;
}

std::optional<ExportFormat> FormatOf(const std::string& format) {
    if (format == "text") return ExportFormat::kText;
    if (format == "csv") return ExportFormat::kCsv;
    if (format == "json") return ExportFormat::kJson;
    if (format == "ics") return ExportFormat::kICalendar;
    return std::nullopt;
}

ListingResult Listing(const ListingRequest& request) {
    const bool grid = request.view == "grid";
    const bool moon = request.view == "moon" || request.view == "eclipses";
    if (!grid && !moon && request.view != "events" && request.view != "terms") {
        return Refused(kStatusBadRequest, "unknown view '" + request.view + "'");
    }
    std::string problem;
    const std::optional<YearSpan> years = ReadYearSpan(request.years, problem);
    if (!years) return Refused(kStatusBadRequest, "YEARS: " + problem);
    ExportPlan plan;
    plan.first_year = years->first;
    plan.last_year = years->last;
    RunSelection& selection = plan.selection;
    const std::optional<std::int16_t> calendar = ReadCalendar(request.calendar, problem);
    if (!calendar) return Refused(kStatusBadRequest, "calendar: " + problem);
    selection.calendar_code = *calendar;
    selection.include_weekday = request.weekday;
    if (!ReadEvents(request.view == "events" ? request.events : "all", selection, problem)) {
        return Refused(kStatusBadRequest, "events: " + problem);
    }
    if (!ReadMethod(moon || grid ? "both" : request.method, selection, problem)) {
        return Refused(kStatusBadRequest, "method: " + problem);
    }
    plan.precise = request.precise;
    plan.precision = request.seconds ? TimePrecision::kSeconds : TimePrecision::kMinutes;
    const std::unique_ptr<TimeZone> zone = ReadZone(request.zone, problem);
    if (!zone) return Refused(kStatusBadRequest, "zone: " + problem);

    ListingResult result;
    if (grid) {
        result.text = GridListing({plan.first_year, plan.last_year, selection.calendar_code,
                                   request.southern, plan.precise, plan.precision},
                                  *zone);
        return result;
    }
    const std::optional<ExportFormat> format = FormatOf(request.format);
    if (!format) return Refused(kStatusBadRequest, "unknown format '" + request.format + "'");
    plan.format = *format;
    if (plan.format == ExportFormat::kICalendar && plan.last_year < 1) {
        return Refused(kStatusBadRequest, "iCalendar has no years before 1");
    }
    plan.turning_points = request.view == "events";
    plan.solar_terms = request.view == "terms";
    plan.moon_phases = request.view == "moon";
    plan.eclipses = moon;
    ExportFile file = WriteExport(plan, *zone, DefaultEventNames(), CurrentJulianDay());
    result.error = LeftOutNote(plan, file);
    result.text = std::move(file.text);
    return result;
}

}  // namespace

ListingResult MakeListing(const ListingRequest& request) {
    static const bool terms_ready = (InitPeriodicTerms(), true);
    (void)terms_ready;
    try {
        return Listing(request);
    } catch (const LibraryError& e) {
        return Refused(kStatusFailure, e.what());
    } catch (const ZoneDatabaseError& e) {
        return Refused(kStatusFailure, e.what());
    }
}

}  // namespace kalvest::web
