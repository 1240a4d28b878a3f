#include "web/bindings/wheel_request.h"

#include <exception>
#include <memory>
#include <optional>
#include <utility>

#include "datetime/zone_database.h"
#include "run/choice_words.h"
#include "solar/solar_events.h"
#include "web/bindings/page_status.h"
#include "wheel/wheel_layout.h"
#include "wheel/wheel_scene.h"
#include "wheel/wheel_scene_font.h"
#include "wheel/wheel_scene_svg.h"

namespace kalvest::web {
namespace {

WheelPageResult Refused(int status, std::string why) {
    WheelPageResult result;
    result.status = status;
    result.error = std::move(why);
    return result;
}

}  // namespace

WheelPageResult MakeWheelSvg(const WheelPageRequest& request) {
    std::string problem;
    const std::optional<YearSpan> years = ReadYearSpan(request.year, problem);
    if (!years || years->first != years->last) {
        return Refused(kStatusBadRequest,
                       "not a year from -3000 through 3000: '" + request.year + "'");
    }
    const std::optional<std::int16_t> calendar = ReadCalendar(request.calendar, problem);
    if (!calendar) return Refused(kStatusBadRequest, problem);
    try {
        const std::unique_ptr<TimeZone> zone = ReadZone(request.zone, problem);
        if (!zone) return Refused(kStatusBadRequest, problem);
        InitPeriodicTerms();
        WheelRequest wheel;
        wheel.year = years->first;
        wheel.calendar_code = *calendar;
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
