#include "web/bindings/wheel_request.h"

#include <exception>
#include <memory>
#include <optional>
#include <utility>

#include "datetime/zone_database.h"
#include "run/year_input.h"
#include "run/zone_list.h"
#include "solar/solar_events.h"
#include "wheel/wheel_layout.h"
#include "wheel/wheel_scene.h"
#include "wheel/wheel_scene_font.h"
#include "wheel/wheel_scene_svg.h"

namespace kalvest::web {
namespace {

constexpr int kStatusFailure = 1;
constexpr int kStatusBadRequest = 2;

WheelPageResult Refused(int status, std::string why) {
    WheelPageResult result;
    result.status = status;
    result.error = std::move(why);
    return result;
}

// The request's zone: a fixed offset of the window's list, or a zone of
// the database; null for neither.
std::unique_ptr<TimeZone> ZoneOf(const std::string& name) {
    if (const std::optional<int> index = ZoneIndexOfText(name)) {
        return std::make_unique<FixedOffsetZone>(FixedWindowZone(ZoneList()[*index].minutes));
    }
    return NamedTimeZone(name);
}

}  // namespace

WheelPageResult MakeWheelSvg(const WheelPageRequest& request) {
    const YearCheck year = CheckYearText(request.year, kCommandLineYears);
    if (year.verdict != YearVerdict::kAccepted) {
        return Refused(kStatusBadRequest,
                       "not a year from -3000 through 3000: '" + request.year + "'");
    }
    if (request.calendar != "gregorian" && request.calendar != "julian") {
        return Refused(kStatusBadRequest, "unknown calendar '" + request.calendar + "'");
    }
    try {
        const std::unique_ptr<TimeZone> zone = ZoneOf(request.zone);
        if (!zone) return Refused(kStatusBadRequest, "unknown time zone '" + request.zone + "'");
        InitPeriodicTerms();
        WheelRequest wheel;
        wheel.year = *year.value;
        wheel.calendar_code = request.calendar == "julian" ? kCalendarJulian : kCalendarGregorian;
        wheel.southern = request.southern;
        wheel.moon = request.moon;
        wheel.terms = request.terms;
        wheel.precise = request.precise;
        wheel.zone_name = request.zone;
        const WheelLayout layout = MakeWheelLayout(wheel, *zone);
        WheelPageResult result;
        result.svg = WheelSceneSvg(MakeWheelScene(layout, WheelFontTableMeasure()));
        return result;
    } catch (const std::exception& e) {
        return Refused(kStatusFailure, e.what());
    }
}

}  // namespace kalvest::web
