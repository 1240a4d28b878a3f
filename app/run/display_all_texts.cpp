#include "run/display_all_texts.h"

#include "datetime/date_time_text.h"
#include "datetime/local_time.h"
#include "run/zone_list.h"
#include "solar/event_instant.h"

namespace kalvest {
namespace {

constexpr char kLineBreak[] = "\r\n";

std::string CrossQuarterName(const EventNameTable& names, bool southern,
                             std::int16_t code) {
    return names[southern ? kKindCrossQuarterSouth : kKindCrossQuarterNorth][code];
}

std::string QuarterName(const EventNameTable& names, bool southern, std::int16_t event) {
    return names[southern ? kKindQuarterSouth : kKindQuarterNorth][event];
}

}  // namespace

int CrossQuarterCell(std::int16_t code) {
    static constexpr int kCells[4] = {0, 2, 8, 6};
    return kCells[code & 3];
}

int EquinoxSolsticeCell(std::int16_t event) {
    static constexpr int kCells[4] = {1, 5, 7, 3};
    return kCells[event & 3];
}

std::string DisplayAllCaption(const std::string& year_text, bool southern) {
    return "All dates and times for " + year_text + " CE in the " +
           (southern ? "Southern Hemisphere" : "Northern Hemisphere");
}

std::string EquinoxSolsticeCellText(const EventNameTable& names, bool southern,
                                    std::int16_t event, const std::string& date_time,
                                    std::int16_t zone_minutes) {
    return EquinoxSolsticeCellText(names, southern, event,
                                   date_time + ZoneSuffix(zone_minutes));
}

std::string EquinoxSolsticeCellText(const EventNameTable& names, bool southern,
                                    std::int16_t event, const std::string& zoned_time) {
    return QuarterName(names, southern, event) + kLineBreak + zoned_time;
}

std::string CrossQuarterCellText(const EventNameTable& names, bool southern,
                                 std::int16_t code, const std::string& true_sun,
                                 const std::string& mean_sun,
                                 std::int16_t zone_minutes) {
    const std::string zone = ZoneSuffix(zone_minutes);
    return CrossQuarterCellText(names, southern, code, true_sun + zone, mean_sun + zone);
}

std::string CrossQuarterCellText(const EventNameTable& names, bool southern,
                                 std::int16_t code, const std::string& zoned_true_sun,
                                 const std::string& zoned_mean_sun) {
    const std::string true_line = "True sun: " + zoned_true_sun;
    const std::string mean_line = "Mean sun: " + zoned_mean_sun;
    const bool top_row = code == 0 || code == 1;
    return CrossQuarterName(names, southern, code) + kLineBreak +
           (top_row ? true_line + kLineBreak + mean_line
                    : mean_line + kLineBreak + true_line);
}

std::string FillAllCrossQuarterText(const EventNameTable& names,
                                    const DisplayAllSelection& s, std::int16_t code,
                                    EuroDate& record) {
    // True sun first, then mean sun, whatever order the cell lists them in.
    const double true_sun = ComputeInstant({kLineCrossQuarter, code, kMethodTrueSun}, s.year).jd;
    const std::string true_text =
        DateTimeText(true_sun, s.zone_minutes, s.calendar_code, record);
    const double mean_sun = ComputeInstant({kLineCrossQuarter, code, kMethodMeanSun}, s.year).jd;
    const std::string mean_text =
        DateTimeText(mean_sun, s.zone_minutes, s.calendar_code, record);
    return CrossQuarterCellText(names, s.southern, code, true_text, mean_text,
                                s.zone_minutes);
}

std::string FillAllEquinoxSolsticeText(const EventNameTable& names,
                                       const DisplayAllSelection& s,
                                       std::int16_t event, EuroDate& record) {
    const double jd = ComputeInstant({kLineEquinoxSolstice, event, kMethodNone}, s.year).jd;
    return EquinoxSolsticeCellText(
        names, s.southern, event,
        DateTimeText(jd, s.zone_minutes, s.calendar_code, record), s.zone_minutes);
}

std::array<std::string, kDisplayAllCellCount> FillAllCellTexts(
    const EventNameTable& names, const DisplayAllSelection& selection,
    EuroDate& record) {
    std::array<std::string, kDisplayAllCellCount> cells;
    for (std::int16_t code = 0; code < 4; ++code) {
        cells[CrossQuarterCell(code)] =
            FillAllCrossQuarterText(names, selection, code, record);
    }
    for (std::int16_t event = 0; event < 4; ++event) {
        cells[EquinoxSolsticeCell(event)] =
            FillAllEquinoxSolsticeText(names, selection, event, record);
    }
    return cells;
}

std::array<std::string, kDisplayAllCellCount> FillAllCellTexts(
    const EventNameTable& names, const DisplayAllSelection& s, const TimeZone& zone,
    EuroDate& record, bool precise, TimePrecision precision) {
    const auto zoned = [&](std::int16_t kind, std::int16_t code, std::int16_t method) {
        const double jd = ComputeInstant({kind, code, method}, s.year, precise).jd;
        return ToLocalTime(jd, zone, s.calendar_code, record, precision).DateTimeZone();
    };
    std::array<std::string, kDisplayAllCellCount> cells;
    for (std::int16_t code = 0; code < 4; ++code) {
        // True sun first, as in the window's run.
        const std::string true_sun = zoned(kLineCrossQuarter, code, kMethodTrueSun);
        const std::string mean_sun = zoned(kLineCrossQuarter, code, kMethodMeanSun);
        cells[CrossQuarterCell(code)] =
            CrossQuarterCellText(names, s.southern, code, true_sun, mean_sun);
    }
    for (std::int16_t event = 0; event < 4; ++event) {
        cells[EquinoxSolsticeCell(event)] = EquinoxSolsticeCellText(
            names, s.southern, event, zoned(kLineEquinoxSolstice, event, kMethodNone));
    }
    return cells;
}

}  // namespace kalvest
