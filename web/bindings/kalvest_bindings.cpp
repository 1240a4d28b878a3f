// What the page's script sees of the core (embind): the listings, the
// wheel of the year as SVG, the zone database's names and release, the year check, the window's captions
// and fixed zones, the output lines' event labels and the program's
// version. Each is one call of the core or one of its tables.
#include <emscripten/bind.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/program_version.h"
#include "datetime/zone_database.h"
#include "run/calculation_run.h"
#include "run/event_names.h"
#include "run/year_input.h"
#include "run/zone_list.h"
#include "web/bindings/listing_request.h"
#include "web/bindings/wheel_request.h"

namespace kalvest::web {
namespace {

std::string ProgramVersion() { return kProgramVersion; }

// The window's 49 fixed offsets, "GMT-12:00" to "GMT+12:00".
std::vector<std::string> FixedZones() {
    std::vector<std::string> texts;
    for (const ZoneEntry& entry : ZoneList()) texts.push_back(entry.text);
    return texts;
}

// The captions of the window's event boxes, by code.
std::vector<std::string> QuarterCaptions() {
    return {kQuarterCaptions.begin(), kQuarterCaptions.end()};
}
std::vector<std::string> CrossQuarterCaptions() {
    return {kCrossQuarterCaptions.begin(), kCrossQuarterCaptions.end()};
}

// A zone name the database knows, links included ("Asia/Calcutta", as
// browsers still name India's zone).
bool KnowsZone(const std::string& name) {
    try {
        return NamedTimeZone(name) != nullptr;
    } catch (const ZoneDatabaseError&) {
        return false;
    }
}

// The label of an output line from a CSV or JSON row's kind, code and
// method: "Imbolc (true sun)", "Spring (March) equinox".
std::string EventLabelOf(const std::string& kind, int code, const std::string& method) {
    if (code < 0 || code > 3) return {};
    const std::int16_t line_kind =
        kind == "cross-quarter" ? kLineCrossQuarter : kLineEquinoxSolstice;
    const std::int16_t mark = method == "true"   ? kMethodTrueSun
                              : method == "mean" ? kMethodMeanSun
                                                 : kMethodNone;
    return EventLabel(DefaultEventNames(), {line_kind, static_cast<std::int16_t>(code), mark});
}

// A typed year, checked as kalvest-cli checks it (-3000 through 3000): the
// year, or why it is none.
struct YearAnswer {
    bool accepted = false;
    int year = 0;
    std::string message;
};

YearAnswer CheckYear(const std::string& text) {
    const YearCheck check = CheckYearText(text, kCommandLineYears);
    YearAnswer answer;
    switch (check.verdict) {
    case YearVerdict::kAccepted:
        answer.accepted = true;
        answer.year = *check.value;
        break;
    case YearVerdict::kMissing:
        answer.message = kYearMissingMessage;
        break;
    case YearVerdict::kNotWhole:
        answer.message = kYearNotWholeMessage;
        break;
    case YearVerdict::kOutOfRange:
        answer.message = "The year must lie between " + std::to_string(kCommandLineYears.first) +
                         " and " + std::to_string(kCommandLineYears.last) + ".";
        break;
    }
    return answer;
}

}  // namespace
}  // namespace kalvest::web

EMSCRIPTEN_BINDINGS(kalvest) {
    using namespace emscripten;
    using kalvest::web::ListingRequest;
    using kalvest::web::ListingResult;
    value_object<ListingRequest>("ListingRequest")
        .field("years", &ListingRequest::years)
        .field("view", &ListingRequest::view)
        .field("format", &ListingRequest::format)
        .field("events", &ListingRequest::events)
        .field("method", &ListingRequest::method)
        .field("calendar", &ListingRequest::calendar)
        .field("zone", &ListingRequest::zone)
        .field("weekday", &ListingRequest::weekday)
        .field("southern", &ListingRequest::southern)
        .field("seconds", &ListingRequest::seconds)
        .field("precise", &ListingRequest::precise);
    value_object<ListingResult>("ListingResult")
        .field("status", &ListingResult::status)
        .field("text", &ListingResult::text)
        .field("error", &ListingResult::error);
    value_object<kalvest::web::YearAnswer>("YearAnswer")
        .field("accepted", &kalvest::web::YearAnswer::accepted)
        .field("year", &kalvest::web::YearAnswer::year)
        .field("message", &kalvest::web::YearAnswer::message);
    using kalvest::web::WheelPageRequest;
    using kalvest::web::WheelPageResult;
    value_object<WheelPageRequest>("WheelPageRequest")
        .field("year", &WheelPageRequest::year)
        .field("calendar", &WheelPageRequest::calendar)
        .field("zone", &WheelPageRequest::zone)
        .field("southern", &WheelPageRequest::southern)
        .field("moon", &WheelPageRequest::moon)
        .field("terms", &WheelPageRequest::terms)
        .field("precise", &WheelPageRequest::precise);
    value_object<WheelPageResult>("WheelPageResult")
        .field("status", &WheelPageResult::status)
        .field("svg", &WheelPageResult::svg)
        .field("error", &WheelPageResult::error);
    register_vector<std::string>("StringList");
    function("listing", &kalvest::web::MakeListing);
    function("wheelSvg", &kalvest::web::MakeWheelSvg);
    function("zoneNames", &kalvest::ZoneNames);
    function("zoneDatabaseVersion", &kalvest::ZoneDatabaseVersion);
    function("knowsZone", &kalvest::web::KnowsZone);
    function("checkYear", &kalvest::web::CheckYear);
    function("eventLabel", &kalvest::web::EventLabelOf);
    function("programVersion", &kalvest::web::ProgramVersion);
    function("fixedZones", &kalvest::web::FixedZones);
    function("quarterCaptions", &kalvest::web::QuarterCaptions);
    function("crossQuarterCaptions", &kalvest::web::CrossQuarterCaptions);
}
