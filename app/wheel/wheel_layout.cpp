#include "wheel/wheel_layout.h"

#include <cmath>

#include "calendar/calendar_day_number.h"
#include "datetime/local_time.h"
#include "lunar/lunar_names.h"
#include "lunar/moon_calendar.h"
#include "run/calculation_run.h"
#include "run/event_names.h"
#include "solar/solar_terms.h"

namespace kalvest {
namespace {

constexpr std::array<const char*, 12> kMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Where the local year runs, in UT.
struct YearSpan {
    double start;
    double end;
    double Turn(double jd_ut) const { return TurnOf(jd_ut, start, end); }
};

std::string CalendarName(std::int16_t calendar_code) {
    return calendar_code == kCalendarJulian ? "Julian calendar" : "Gregorian calendar";
}

std::string YearText(std::int32_t year, std::int16_t calendar_code) {
    return std::to_string(year) + CalendarSuffix(calendar_code);
}

// "14 Mar": the local date of the record, short enough for a ring.
std::string ShortDate(const EuroDate& record) {
    if (record.month < 1 || record.month > 12) return "";
    return std::to_string(record.day) + " " + kMonthNames[record.month - 1];
}

std::string Capitalized(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 32);
    return text;
}

void AddQuarters(const WheelRequest& request, const TimeZone& zone, const YearSpan& span,
                 WheelLayout& layout) {
    const EventNameTable& names = DefaultEventNames();
    const int kind = request.southern ? kKindQuarterSouth : kKindQuarterNorth;
    EuroDate record{};
    for (std::int16_t event = 0; event < 4; ++event) {
        const double jd = ComputeInstant({kLineEquinoxSolstice, event, kMethodNone}, request.year,
                                         request.precise).jd;
        WheelQuarter& quarter = layout.quarters[event];
        quarter.event = event;
        quarter.name = names[kind][event];
        quarter.turn = span.Turn(jd);
        quarter.time_text =
            ToLocalTime(jd, zone, request.calendar_code, record, request.precision).DateTimeZone();
    }
}

void AddCrossQuarters(const WheelRequest& request, const TimeZone& zone, const YearSpan& span,
                      WheelLayout& layout) {
    const EventNameTable& names = DefaultEventNames();
    const int kind = request.southern ? kKindCrossQuarterSouth : kKindCrossQuarterNorth;
    EuroDate record{};
    for (std::int16_t code = 0; code < 4; ++code) {
        // True sun first, as every run of the program computes them.
        const double true_sun =
            ComputeInstant({kLineCrossQuarter, code, kMethodTrueSun}, request.year,
                           request.precise).jd;
        const double mean_sun =
            ComputeInstant({kLineCrossQuarter, code, kMethodMeanSun}, request.year,
                           request.precise).jd;
        WheelCrossQuarter& day = layout.cross_quarters[code];
        day.code = code;
        day.name = names[kind][code];
        day.true_turn = span.Turn(true_sun);
        day.mean_turn = span.Turn(mean_sun);
        day.true_text = "True sun " +
            ToLocalTime(true_sun, zone, request.calendar_code, record, request.precision).DateTimeZone();
        day.mean_text = "Mean sun " +
            ToLocalTime(mean_sun, zone, request.calendar_code, record, request.precision).DateTimeZone();
        const auto minutes = static_cast<std::int64_t>(std::llround((mean_sun - true_sun) * 1440.0));
        day.gap_minutes = minutes;
        if (minutes == 0) {
            day.gap_text = "True and mean sun agree";
        } else {
            day.gap_text = "True sun " + SpanText(minutes < 0 ? -minutes : minutes) +
                           (minutes > 0 ? " earlier" : " later");
        }
    }
}

void AddMonths(const WheelRequest& request, const TimeZone& zone, const YearSpan& span,
               WheelLayout& layout) {
    for (int month = 1; month <= 12; ++month) {
        WheelMonth& entry = layout.months[month - 1];
        entry.name = kMonthNames[month - 1];
        entry.turn = month == 1 ? 0.0
                                : span.Turn(LocalMidnightJd(
                                      CalendarDayNumber(request.year, month, 1, request.calendar_code),
                                      zone));
    }
    for (int month = 0; month < 12; ++month) {
        layout.months[month].end_turn = month == 11 ? 1.0 : layout.months[month + 1].turn;
    }
}

void AddMoons(const WheelRequest& request, const TimeZone& zone, const YearSpan& span,
              WheelLayout& layout) {
    const MoonMethod method = MoonMethodFor(request.precise);
    for (const MoonPhaseEvent& phase : MoonCalendarOfYear(
             request.year, request.calendar_code, zone, TimePrecision::kMinutes, method)) {
        if (phase.phase != MoonPhase::kNew && phase.phase != MoonPhase::kFull) continue;
        EuroDate record{};
        ToLocalTime(phase.instant.jd_ut, zone, request.calendar_code, record);
        WheelMoon moon;
        moon.phase = phase.phase;
        moon.turn = span.Turn(phase.instant.jd_ut);
        moon.label = ShortDate(record);
        if (phase.eclipse) {
            moon.eclipse_class = phase.eclipse->eclipse_class;
            moon.eclipse_text = Capitalized(std::string(EclipseClassName(moon.eclipse_class)));
            layout.eclipse_lines.push_back(moon.label + ": " + moon.eclipse_text);
        }
        layout.moons.push_back(std::move(moon));
    }
}

void AddTerms(const WheelRequest& request, const YearSpan& span, WheelLayout& layout) {
    for (const SolarTerm& term :
         SolarTermsOfYear(request.year, SolarTermMethod::kTrueSun, request.precise)) {
        layout.terms.push_back({span.Turn(term.instant.jd_ut), term.name.ascii,
                                term.name.longitude_degrees, term.name.event_kind >= 0});
    }
}

std::vector<WheelLegendEntry> Legend(const WheelRequest& request) {
    std::vector<WheelLegendEntry> legend = {
        {WheelMark::kEquinoxSolstice, "Equinox or solstice"},
        {WheelMark::kTrueSun, "Cross-quarter day by the true sun"},
        {WheelMark::kMeanSun, "Cross-quarter day by the mean sun"},
        {WheelMark::kGap, "Gap between the suns, on a scale of two days"},
    };
    if (request.moon) {
        legend.push_back({WheelMark::kFullMoon, "Full moon"});
        legend.push_back({WheelMark::kNewMoon, "New moon"});
        legend.push_back({WheelMark::kEclipse, "Eclipse (solar at new, lunar at full moon)"});
    }
    if (request.terms) legend.push_back({WheelMark::kSolarTerm, "Solar term by the true sun"});
    return legend;
}

}  // namespace

double LocalMidnightJd(std::int64_t jdn, const TimeZone& zone) {
    const double midnight_ut = static_cast<double>(jdn) - 0.5;
    // The offset at the instant itself: a first guess with the offset of
    // UT midnight, then once more with the offset that guess finds.
    double jd = midnight_ut - zone.At(midnight_ut).offset_seconds / 86400.0;
    jd = midnight_ut - zone.At(jd).offset_seconds / 86400.0;
    return jd;
}

double TurnOf(double jd_ut, double year_start, double year_end) {
    const double turn = (jd_ut - year_start) / (year_end - year_start);
    const double wrapped = turn - std::floor(turn);
    return wrapped < 1.0 ? wrapped : 0.0;
}

std::string SpanText(std::int64_t minutes) {
    const std::int64_t days = minutes / 1440;
    const std::int64_t hours = minutes % 1440 / 60;
    const std::int64_t rest = minutes % 60;
    std::string text;
    if (days > 0) text += std::to_string(days) + " d ";
    if (days > 0 || hours > 0) text += std::to_string(hours) + " h ";
    return text + std::to_string(rest) + " min";
}

WheelLayout MakeWheelLayout(const WheelRequest& request, const TimeZone& zone) {
    const YearSpan span{
        LocalMidnightJd(CalendarDayNumber(request.year, 1, 1, request.calendar_code), zone),
        LocalMidnightJd(CalendarDayNumber(request.year + 1, 1, 1, request.calendar_code), zone)};
    WheelLayout layout;
    layout.title = "The wheel of the year " + YearText(request.year, request.calendar_code);
    layout.subtitle = CalendarName(request.calendar_code) + ", " + request.zone_name + ", " +
                      (request.southern ? "Southern Hemisphere" : "Northern Hemisphere");
    layout.year_text = std::to_string(request.year);
    layout.southern = request.southern;
    AddQuarters(request, zone, span, layout);
    AddCrossQuarters(request, zone, span, layout);
    AddMonths(request, zone, span, layout);
    if (request.moon) AddMoons(request, zone, span, layout);
    if (request.terms) AddTerms(request, span, layout);
    layout.legend = Legend(request);
    layout.footnote =
        "Mean sun: midway in time between the equinox and solstice around the day. "
        "True sun: when the Sun's longitude reaches 315°, 45°, 135° or 225°.";
    return layout;
}

}  // namespace kalvest
