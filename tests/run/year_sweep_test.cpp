// Properties of every year the window accepts, 1 through 3000, in both
// calendars, checked on the lines a full run writes:
//   - the twelve lines come in the run's fixed order, and the equinoxes and
//     solstices (from the December solstice of the year before) follow
//     each other in time;
//   - each cross-quarter day, by either method, lies between the two
//     events that bracket it;
//   - every date text counts back to the day number of its instant in its
//     zone, and every time text is a valid HH:MM;
//   - the Gregorian and the Julian date of the same day differ by the
//     days the century rule gives.
// The sweep also finds the largest difference between the mean-sun and
// the true-sun cross-quarter days, which the shipped documents state.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <cstdio>
#include <regex>
#include <string>
#include <vector>

#include "datetime/date_time_text.h"
#include "run/calculation_run.h"
#include "run/event_names.h"
#include "solar/cross_quarter.h"
#include "solar/solar_events.h"

namespace kalvest {
namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Day number of a date, counted from a March-based year: a day past the
// end of February (the Julian calendar's 29 February 1900, written as a
// Gregorian date) simply counts on into March.
std::int64_t DayNumber(std::int64_t year, std::int64_t month, std::int64_t day, bool julian) {
    const std::int64_t y = month <= 2 ? year - 1 : year;
    const std::int64_t m = month <= 2 ? month + 9 : month - 3;
    const std::int64_t days = 365 * y + FloorDiv(y, 4) + (153 * m + 2) / 5 + day;
    if (julian) return days + 1721117;
    return days - FloorDiv(y, 100) + FloorDiv(y, 400) + 1721119;
}

struct ParsedLine {
    std::string label;
    long long year = 0, month = 0, day = 0;
    int hour = 0, minute = 0;
};

// "Imbolc (true sun) ............. 2021-02-02 CE 21:49 GMT+05:30" and a
// line end, with either calendar suffix; the label is what stands before
// the dots. (Read by hand: a regular expression would take most of the
// sweep's time in a sanitizer build.)
bool Parse(const std::string& line, const char* suffix, ParsedLine& parsed) {
    if (line.size() < 33 || line[31] != ' ' || !line.ends_with("\r\n")) return false;
    parsed.label = line.substr(0, line.find(" ."));
    char calendar[3] = {};
    char zone_sign = 0;
    int zone_hours = 0;
    int zone_minutes = 0;
    int used = 0;
    const int read = std::sscanf(line.c_str() + 32, "%lld-%2lld-%2lld %2[A-Z] %2d:%2d GMT%n",
                                 &parsed.year, &parsed.month, &parsed.day, calendar,
                                 &parsed.hour, &parsed.minute, &used);
    if (read != 6 || used == 0 || std::string(calendar) != suffix) return false;
    const std::string zone = line.substr(32 + static_cast<std::size_t>(used));
    if (zone == "\r\n") return true;
    return std::sscanf(zone.c_str(), "%c%2d:%2d", &zone_sign, &zone_hours, &zone_minutes) == 3 &&
           (zone_sign == '+' || zone_sign == '-') && zone.size() == 8;
}

std::string ReadText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The largest |mean sun - true sun| over the cross-quarter days of a span
// of years, in hours.
struct Largest {
    double hours = 0;
    std::int32_t year = 0;
};

class YearSweep : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InitPeriodicTerms(); }
};

TEST_F(YearSweep, EveryYearAndBothCalendars) {
    RunSelection selection;
    std::fill(std::begin(selection.quarters), std::end(selection.quarters), true);
    std::fill(std::begin(selection.cross_quarters), std::end(selection.cross_quarters), true);
    selection.true_sun = selection.mean_sun = true;

    // The fixed order of a run's lines.
    const std::vector<std::string> order = {
        "Imbolc (true sun)",          "Imbolc (mean sun)",       "Spring (March) equinox",
        "Beltane (true sun)",         "Beltane (mean sun)",      "Summer (June) solstice",
        "Lughnassad (mean sun)",      "Lughnassad (true sun)",   "Autumn (September) equinox",
        "Samhain (mean sun)",         "Samhain (true sun)",      "Winter (December) solstice"};
    const std::vector<PlannedLine> plan = PlanRun(selection);
    ASSERT_EQ(plan.size(), order.size());

    int failures = 0;
    const auto fail = [&failures](const std::string& what) {
        if (++failures <= 20) ADD_FAILURE() << what;
    };
    for (std::int32_t year = 1; year <= 3000; ++year) {
        // A different zone each year, so that every offset is met.
        selection.year = year;
        selection.zone_minutes = static_cast<std::int16_t>((year * 7 % 49 - 24) * 30);
        const std::string at = "year " + std::to_string(year);

        // The run's lines as ProduceRunLines makes them, in both calendars
        // from the same instants, each computed once.
        std::vector<double> instants;
        std::vector<std::string> lines[2];
        for (const PlannedLine& line : plan) {
            selection.calendar_code = kCalendarGregorian;
            EuroDate record{};
            const EventResult result = ComputeLine(line, selection, record);
            instants.push_back(result.jd);
            const std::string julian =
                DateTimeText(result.jd, selection.zone_minutes, kCalendarJulian, record);
            const auto text = [&](const std::string& date_time) {
                return EventLine(DefaultEventNames(), line.kind, line.code,
                                 selection.zone_minutes, date_time, {}, line.method, false);
            };
            lines[0].push_back(text(result.date_time));
            lines[1].push_back(text(julian));
        }

        const double brackets[5] = {EquinoxSolsticeJD(3, year - 1), instants[2], instants[5],
                                    instants[8], instants[11]};
        for (int i = 0; i < 4; ++i) {
            if (!(brackets[i] < brackets[i + 1])) fail(at + ": turning points out of order");
        }
        for (std::size_t i = 0; i < plan.size(); ++i) {
            if (plan[i].kind != kLineCrossQuarter) continue;
            const int code = plan[i].code;
            if (!(brackets[code] < instants[i] && instants[i] < brackets[code + 1])) {
                fail(at + ": cross-quarter day " + std::to_string(code) + " outside its brackets");
            }
        }

        ParsedLine gregorian[12];
        for (const bool julian : {false, true}) {
            for (std::size_t i = 0; i < plan.size(); ++i) {
                const std::string& text = lines[julian ? 1 : 0][i];
                ParsedLine parsed;
                if (!Parse(text, julian ? "JC" : "CE", parsed)) {
                    fail(at + ": unreadable line " + text);
                    continue;
                }
                if (parsed.label != order[i]) fail(at + ": " + parsed.label + " in place " + std::to_string(i));
                if (parsed.hour > 23 || parsed.minute > 59) fail(at + ": time of " + text);
                const double local = LocalInstant(instants[i], selection.zone_minutes);
                const auto day_number = static_cast<std::int64_t>(std::floor(local));
                if (DayNumber(parsed.year, parsed.month, parsed.day, julian) != day_number) {
                    fail(at + ": date of " + text);
                }
                const double minutes = (local - std::floor(local)) * 1440.0;
                if (std::abs(parsed.hour * 60 + parsed.minute + 0.5 - minutes) > 0.5 + 1e-6) {
                    fail(at + ": time of " + text);
                }
                if (!julian) {
                    gregorian[i] = parsed;
                    continue;
                }
                // Gregorian minus Julian: the century years the Julian
                // calendar leaps and the Gregorian does not, counted from
                // the Julian 29 February of each, less two.
                const std::int64_t y = parsed.month <= 2 ? parsed.year - 1 : parsed.year;
                const std::int64_t expected = FloorDiv(y, 100) - FloorDiv(y, 400) - 2;
                const ParsedLine& g = gregorian[i];
                const std::int64_t apart = DayNumber(g.year, g.month, g.day, false) -
                                           DayNumber(parsed.year, parsed.month, parsed.day, false);
                if (apart != expected) fail(at + ": calendars " + std::to_string(apart) + " days apart");
            }
        }
    }
    EXPECT_EQ(failures, 0);
}

// The help text and the manual state how far apart the two methods put a
// cross-quarter day, over the window's years and over 1900 through 2100,
// to the minute. The figures are the program's.
TEST_F(YearSweep, DocumentsStateTheLargestMeanAndTrueSunDifference) {
    Largest all;
    Largest modern;
    for (std::int32_t year = 1; year <= 3000; ++year) {
        for (std::int16_t code = 0; code < 4; ++code) {
            const double hours =
                std::abs(CrossQuarterMeanSun(year, code) - CrossQuarterTrueSun(year, code)) * 24.0;
            if (hours > all.hours) all = {hours, year};
            if (year >= 1900 && year <= 2100 && hours > modern.hours) modern = {hours, year};
        }
    }
    // Rounded up to the minute: "at most".
    const auto at_most = [](double hours) {
        const auto minutes = static_cast<int>(std::ceil(hours * 60.0));
        return "by at most " + std::to_string(minutes / 60) + " hours " +
               std::to_string(minutes % 60) + " minutes";
    };
    std::cout << "largest mean/true sun difference: " << all.hours << " h (year " << all.year
              << "); 1900-2100: " << modern.hours << " h (year " << modern.year << ")\n";

    const std::filesystem::path data = KALVEST_SOURCE_DIR "/data";
    for (const char* document : {"kalvest-help.txt", "kalvest-manual.html"}) {
        // Lines joined, so that a figure may be broken over two.
        std::string text = ReadText(data / document);
        std::replace(text.begin(), text.end(), '\n', ' ');
        text = std::regex_replace(text, std::regex(" +"), " ");
        EXPECT_NE(text.find("over the years 1 to 3000 " + at_most(all.hours)), std::string::npos)
            << document;
        EXPECT_NE(text.find("from 1900 through 2100 " + at_most(modern.hours)), std::string::npos)
            << document;
        EXPECT_EQ(text.find("two days"), std::string::npos) << document;
    }
}

// The documents give the span over which a Julian date is 13 days behind
// the Gregorian one exactly, as the program's own calendars have it: the
// days on which the Julian date equals the Gregorian date 13 days earlier.
TEST(CalendarSpan, DocumentsStateTheThirteenDaySpan) {
    const auto date = [](std::int32_t jdn, std::int16_t calendar) {
        EuroDate record{0, 0, 0, calendar, jdn};
        jdn_to_euro_date(&record);
        return record;
    };
    const auto thirteen_behind = [&](std::int32_t jdn) {
        const EuroDate julian = date(jdn, kCalendarJulian);
        const EuroDate gregorian = date(jdn - 13, kCalendarGregorian);
        return julian.year == gregorian.year && julian.month == gregorian.month &&
               julian.day == gregorian.day;
    };
    std::int32_t first = 0;
    std::int32_t last = 0;
    for (std::int32_t jdn = 2414000; jdn <= 2489000; ++jdn) {  // 1898 to 2102
        if (!thirteen_behind(jdn)) continue;
        if (first == 0) first = jdn;
        ASSERT_TRUE(last == 0 || last == jdn - 1) << "a gap before day " << jdn;
        last = jdn;
    }
    const char* const months[] = {"January", "February", "March",     "April",
                                  "May",     "June",     "July",      "August",
                                  "September", "October", "November", "December"};
    const auto text = [&](std::int32_t jdn) {
        const EuroDate d = date(jdn, kCalendarGregorian);
        return std::to_string(d.day) + " " + months[d.month - 1] + " " + std::to_string(d.year);
    };
    const std::string span = "From " + text(first) + " through " + text(last) + " (Gregorian dates)";
    EXPECT_EQ(span, "From 14 March 1900 through 13 March 2100 (Gregorian dates)");

    const std::filesystem::path data = KALVEST_SOURCE_DIR "/data";
    for (const char* document : {"kalvest-help.txt", "kalvest-manual.html"}) {
        std::string content = ReadText(data / document);
        std::replace(content.begin(), content.end(), '\n', ' ');
        content = std::regex_replace(content, std::regex(" +"), " ");
        EXPECT_NE(content.find(span), std::string::npos) << document;
    }
}

}  // namespace
}  // namespace kalvest
