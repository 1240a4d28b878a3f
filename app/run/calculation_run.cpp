#include "run/calculation_run.h"

#include "datetime/date_time_text.h"
#include "run/zone_list.h"

namespace kalvest {
namespace {

constexpr std::size_t kPaddedLabelLength = 31;

void PlanCrossQuarter(std::vector<PlannedLine>& plan, const RunSelection& s,
                      std::int16_t code, bool true_sun_first) {
    if (!s.cross_quarters[code]) return;
    const PlannedLine true_sun{kLineCrossQuarter, code, kMethodTrueSun};
    const PlannedLine mean_sun{kLineCrossQuarter, code, kMethodMeanSun};
    if (true_sun_first) {
        if (s.true_sun) plan.push_back(true_sun);
        if (s.mean_sun) plan.push_back(mean_sun);
    } else {
        if (s.mean_sun) plan.push_back(mean_sun);
        if (s.true_sun) plan.push_back(true_sun);
    }
}

void PlanQuarter(std::vector<PlannedLine>& plan, const RunSelection& s,
                 std::int16_t code) {
    if (s.quarters[code]) plan.push_back({kLineEquinoxSolstice, code, kMethodNone});
}

std::string PaddedLabel(const EventNameTable& names, std::int16_t kind,
                        std::int16_t code, std::int16_t method) {
    return DottedLabel(EventLabel(names, {kind, code, method}));
}

}  // namespace

std::string DottedLabel(const std::string& label) {
    std::string padded = label + " ";
    if (padded.size() < kPaddedLabelLength) {
        padded.append(kPaddedLabelLength - padded.size(), '.');
    }
    return padded + " ";
}

std::string EventLabel(const EventNameTable& names, const PlannedLine& line) {
    std::string label = names[line.kind][line.code];
    if (line.method == kMethodMeanSun) label += " (mean sun)";
    if (line.method == kMethodTrueSun) label += " (true sun)";
    return label;
}

std::vector<PlannedLine> PlanRun(const RunSelection& s) {
    std::vector<PlannedLine> plan;
    // The true sun leads in the first half of the year, the mean sun in the
    // second.
    PlanCrossQuarter(plan, s, 0, true);
    PlanQuarter(plan, s, 0);
    PlanCrossQuarter(plan, s, 1, true);
    PlanQuarter(plan, s, 1);
    PlanCrossQuarter(plan, s, 2, false);
    PlanQuarter(plan, s, 2);
    PlanCrossQuarter(plan, s, 3, false);
    PlanQuarter(plan, s, 3);
    return plan;
}

EventResult ComputeLine(const PlannedLine& line, const RunSelection& s,
                        EuroDate& record) {
    const LineInstant instant = ComputeInstant(line, s.year);
    EventResult result{line, instant.jd, instant.delta_t_minutes, {}, {}};
    result.date_time = DateTimeText(result.jd, s.zone_minutes, s.calendar_code, record);
    result.weekday = WeekdayName(static_cast<std::int16_t>(euro_day_of_week(record.jdn)));
    return result;
}

std::string EventLine(const EventNameTable& names, std::int16_t kind,
                      std::int16_t code, std::int16_t zone_minutes,
                      const std::string& date_time, const std::string& weekday,
                      std::int16_t method, bool include_weekday) {
    std::string line =
        PaddedLabel(names, kind, code, method) + date_time + ZoneSuffix(zone_minutes);
    if (include_weekday) line += ", " + weekday;
    return line + "\r\n";
}

std::string ZonedEventLine(const EventNameTable& names, const PlannedLine& line,
                           const LocalTime& local, bool include_weekday) {
    std::string text =
        PaddedLabel(names, line.kind, line.code, line.method) + local.DateTimeZone();
    if (include_weekday) text += ", " + WeekdayName(local.weekday);
    return text;
}

void ProduceRunLines(const RunSelection& selection, const EventNameTable& names,
                     EuroDate& record,
                     const std::function<void(const std::string& line)>& emit) {
    for (const PlannedLine& line : PlanRun(selection)) {
        const EventResult r = ComputeLine(line, selection, record);
        emit(EventLine(names, line.kind, line.code, selection.zone_minutes,
                       r.date_time, r.weekday, line.method,
                       selection.include_weekday));
    }
}

}  // namespace kalvest
