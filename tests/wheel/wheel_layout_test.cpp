// The wheel's layout: where the events of a year stand on the circle and
// what the picture writes, checked against published instants, the
// calendar conversion and the listings of the rest of the program.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "calendar/calendar_day_number.h"
#include "datetime/date_time_text.h"
#include "datetime/zone_database.h"
#include "outside/dantrow.h"
#include "run/calculation_run.h"
#include "run/zone_list.h"
#include "solar/solar_events.h"
#include "wheel/wheel_layout.h"
#include "wheel/wheel_picture_format.h"

namespace kalvest {
namespace {

class WheelLayoutTest : public testing::Test {
protected:
    static void SetUpTestSuite() { InitPeriodicTerms(); }

    static WheelLayout Dublin2025(bool moon, bool terms, bool southern = false,
                                  bool precise = false) {
        const std::unique_ptr<TimeZone> zone = NamedTimeZone("Europe/Dublin");
        return MakeWheelLayout({.year = 2025,
                                .calendar_code = kCalendarGregorian,
                                .southern = southern,
                                .moon = moon,
                                .terms = terms,
                                .zone_name = "Europe/Dublin",
                                .precise = precise},
                               *zone);
    }

    // The turn of a local date and time of 2025 (not a leap year) in
    // Dublin, whose offset is `offset_hours` then.
    static double Turn2025(int day_of_year, int hour, int minute, int offset_hours) {
        return (day_of_year + (hour - offset_hours) / 24.0 + minute / 1440.0) / 365.0;
    }
};

// Every day from 3001 BC to AD 3001, in both calendars, goes to its date
// and back to its own number.
TEST(CalendarDayNumber, IsTheInverseOfTheCalendarConversion) {
    for (const std::int16_t calendar : {kCalendarGregorian, kCalendarJulian}) {
        const std::int64_t first = CalendarDayNumber(-3001, 1, 1, calendar);
        const std::int64_t last = CalendarDayNumber(3001, 12, 31, calendar);
        ASSERT_GT(last - first, 365 * 6000);
        for (std::int64_t jdn = first; jdn <= last; ++jdn) {
            EuroDate date{0, 0, 0, calendar, static_cast<std::int32_t>(jdn)};
            jdn_to_euro_date(&date);
            ASSERT_EQ(CalendarDayNumber(date.year, date.month, date.day, calendar), jdn)
                << date.year << "-" << date.month << "-" << date.day << " " << calendar;
        }
    }
    EXPECT_EQ(CalendarDayNumber(2000, 1, 1, kCalendarGregorian), 2451545);
    EXPECT_EQ(CalendarDayNumber(2000, 1, 1, kCalendarJulian), 2451558);
    EXPECT_EQ(CalendarDayNumber(2024, 13, 1, kCalendarGregorian),
              CalendarDayNumber(2025, 1, 1, kCalendarGregorian));
}

// The instants of 2025 as published (UT): equinoxes 20 March 09:01 and
// 22 September 18:19, solstices 21 June 02:42 and 21 December 15:03; the
// program's series may differ from them by a minute.
TEST_F(WheelLayoutTest, EquinoxesAndSolsticesStandAtTheirLocalTimeOfTheYear) {
    const WheelLayout layout = Dublin2025(false, false);
    const struct {
        const char* name;
        int day_of_year;
        int hour;
        int minute;
        int offset;
        const char* text;
    } expected[4] = {
        {"Spring equinox", 78, 9, 1, 0, "2025-03-20 CE 09:01 GMT"},
        {"Summer solstice", 171, 3, 42, 1, "2025-06-21 CE 03:42 IST"},
        {"Autumn equinox", 264, 19, 19, 1, "2025-09-22 CE 19:19 IST"},
        {"Winter solstice", 354, 15, 3, 0, "2025-12-21 CE 15:03 GMT"},
    };
    for (int event = 0; event < 4; ++event) {
        SCOPED_TRACE(event);
        const WheelQuarter& quarter = layout.quarters[event];
        EXPECT_EQ(quarter.event, event);
        EXPECT_EQ(quarter.name, expected[event].name);
        const auto& e = expected[event];
        EXPECT_NEAR(quarter.turn, Turn2025(e.day_of_year, e.hour, e.minute, e.offset),
                    2.5 / 1440 / 365);
        EXPECT_EQ(quarter.time_text.substr(0, 14), std::string(e.text).substr(0, 14));
        EXPECT_EQ(quarter.time_text.substr(19), std::string(e.text).substr(19));
    }
    EXPECT_EQ(layout.title, "The wheel of the year 2025 CE");
    EXPECT_EQ(layout.subtitle, "Gregorian calendar, Europe/Dublin, Northern Hemisphere");
    EXPECT_EQ(layout.year_text, "2025");
    EXPECT_EQ(layout.legend.size(), 4u);
    EXPECT_TRUE(layout.moons.empty());
    EXPECT_TRUE(layout.terms.empty());
}

// Both suns of each cross-quarter day are on the wheel, apart by what the
// gap's text says, and the texts are those of the program's lines.
TEST_F(WheelLayoutTest, CrossQuarterDaysShowBothSunsAndTheirGap) {
    const WheelLayout layout = Dublin2025(false, false);
    const std::unique_ptr<TimeZone> zone = NamedTimeZone("Europe/Dublin");
    const char* const names[4] = {"Imbolc", "Beltane", "Lughnassad", "Samhain"};
    double previous = 0;
    for (std::int16_t code = 0; code < 4; ++code) {
        SCOPED_TRACE(code);
        const WheelCrossQuarter& day = layout.cross_quarters[code];
        EXPECT_EQ(day.name, names[code]);
        const double true_sun =
            ComputeInstant({kLineCrossQuarter, code, kMethodTrueSun}, 2025).jd;
        const double mean_sun =
            ComputeInstant({kLineCrossQuarter, code, kMethodMeanSun}, 2025).jd;
        EuroDate record{};
        EXPECT_EQ(day.true_text,
                  "True sun " + ToLocalTime(true_sun, *zone, kCalendarGregorian, record).DateTimeZone());
        EXPECT_EQ(day.mean_text,
                  "Mean sun " + ToLocalTime(mean_sun, *zone, kCalendarGregorian, record).DateTimeZone());
        EXPECT_NEAR(day.mean_turn - day.true_turn, (mean_sun - true_sun) / 365.0, 1e-9);
        const auto minutes = std::llround((mean_sun - true_sun) * 1440);
        ASSERT_NE(minutes, 0);
        EXPECT_EQ(day.gap_text, "True sun " + SpanText(std::llabs(minutes)) +
                                    (minutes > 0 ? " earlier" : " later"));
        // In the year's order, between the equinox and solstice around it.
        EXPECT_GT(day.true_turn, previous);
        EXPECT_LT(day.true_turn, layout.quarters[code].turn);
        previous = layout.quarters[code].turn;
    }
    EXPECT_EQ(SpanText(0), "0 min");
    EXPECT_EQ(SpanText(59), "59 min");
    EXPECT_EQ(SpanText(60), "1 h 0 min");
    EXPECT_EQ(SpanText(1501), "1 d 1 h 1 min");
}

TEST_F(WheelLayoutTest, SouthernHemisphereNamesAndRingsOfMoonsAndTerms) {
    const WheelLayout layout = Dublin2025(true, true, true);
    EXPECT_EQ(layout.quarters[0].name, "Autumn equinox");
    EXPECT_EQ(layout.quarters[1].name, "Winter solstice");
    EXPECT_EQ(layout.cross_quarters[0].name, "Lughnassad");
    EXPECT_EQ(layout.cross_quarters[1].name, "Samhain");
    EXPECT_TRUE(layout.southern);
    EXPECT_EQ(layout.subtitle, "Gregorian calendar, Europe/Dublin, Southern Hemisphere");
    EXPECT_EQ(layout.legend.size(), 8u);

    // 2025: twelve full and twelve new moons; total lunar eclipses on
    // 14 March and 7 September, partial solar ones on 29 March and
    // 21 September.
    int full = 0;
    int fresh = 0;
    double previous = -1;
    for (const WheelMoon& moon : layout.moons) {
        EXPECT_GT(moon.turn, previous) << moon.label;
        previous = moon.turn;
        (moon.phase == MoonPhase::kFull ? full : fresh) += 1;
    }
    EXPECT_EQ(full, 12);
    EXPECT_EQ(fresh, 12);
    EXPECT_EQ(layout.moons.front().label, "13 Jan");  // full moon, 22:27 GMT
    EXPECT_EQ(layout.eclipse_lines,
              (std::vector<std::string>{"14 Mar: Total lunar eclipse",
                                        "29 Mar: Partial solar eclipse",
                                        "7 Sep: Total lunar eclipse",
                                        "21 Sep: Partial solar eclipse"}));

    ASSERT_EQ(layout.terms.size(), 24u);
    EXPECT_EQ(layout.terms.front().name, "Xiaohan");
    EXPECT_EQ(layout.terms.back().name, "Dongzhi");
    int turning_points = 0;
    previous = -1;
    for (const WheelTerm& term : layout.terms) {
        EXPECT_GT(term.turn, previous) << term.name;
        previous = term.turn;
        turning_points += term.turning_point;
    }
    EXPECT_EQ(turning_points, 8);
    // Lichun is the true sun's Imbolc (in the south, Lughnassad), and
    // Dongzhi the December solstice, within the minute the series allows.
    EXPECT_EQ(layout.terms[2].name, "Lichun");
    EXPECT_NEAR(layout.terms[2].turn, layout.cross_quarters[0].true_turn, 1.0 / 1440 / 365);
    EXPECT_NEAR(layout.terms[23].turn, layout.quarters[3].turn, 2.0 / 1440 / 365);
}

// The precise wheel's moons: the classical ones moved by seconds (its
// equinox is checked against the precise listing in tests/cli).
TEST_F(WheelLayoutTest, ThePreciseWheelMovesItsMoonsBySeconds) {
    const WheelLayout classical = Dublin2025(true, false);
    const WheelLayout precise = Dublin2025(true, false, false, true);
    ASSERT_EQ(precise.moons.size(), classical.moons.size());
    for (std::size_t i = 0; i < precise.moons.size(); ++i) {
        EXPECT_EQ(precise.moons[i].label, classical.moons[i].label);
        const double seconds = (precise.moons[i].turn - classical.moons[i].turn) * 365 * 86400;
        EXPECT_GT(std::fabs(seconds), 0.0);
        EXPECT_LT(std::fabs(seconds), 40.0);
    }
    EXPECT_EQ(precise.eclipse_lines, classical.eclipse_lines);
}

// Over the years and zones of the tool, in both calendars: every turn lies
// in the year, the eight events and the months come in the year's order,
// and each month takes its share of the year.
TEST_F(WheelLayoutTest, EveryYearKeepsItsEventsAndMonthsInOrder) {
    std::vector<std::unique_ptr<TimeZone>> zones;
    zones.push_back(std::make_unique<FixedOffsetZone>(FixedWindowZone(-720)));
    zones.push_back(std::make_unique<FixedOffsetZone>(FixedWindowZone(720)));
    zones.push_back(NamedTimeZone("Australia/Sydney"));
    zones.push_back(NamedTimeZone("America/St_Johns"));
    int case_number = 0;
    for (std::int32_t year = 1; year <= 3000; year += 37) {
        for (const std::int16_t calendar : {kCalendarGregorian, kCalendarJulian}) {
            const TimeZone& zone = *zones[case_number++ % zones.size()];
            const WheelLayout layout = MakeWheelLayout({year, calendar, false, false, false, "z"}, zone);
            SCOPED_TRACE(layout.title);
            std::vector<double> turns;
            for (int i = 0; i < 4; ++i) {
                turns.push_back(layout.cross_quarters[i].true_turn);
                turns.push_back(layout.quarters[i].turn);
            }
            for (std::size_t i = 0; i < turns.size(); ++i) {
                EXPECT_GE(turns[i], 0.0);
                EXPECT_LT(turns[i], 1.0);
                if (i > 0) {
                    EXPECT_GT(turns[i], turns[i - 1]) << i;
                }
            }
            const double days =
                CalendarDayNumber(year + 1, 1, 1, calendar) - CalendarDayNumber(year, 1, 1, calendar);
            for (int month = 0; month < 12; ++month) {
                const double month_days = CalendarDayNumber(year, month + 2, 1, calendar) -
                                          CalendarDayNumber(year, month + 1, 1, calendar);
                // Summer time may start or end within the month.
                EXPECT_NEAR(layout.months[month].end_turn - layout.months[month].turn,
                            month_days / days, 1.001 / 24 / days)
                    << month;
            }
        }
    }
}

TEST(WheelPictureFormat, TheExtensionChoosesWhateverItsCase) {
    EXPECT_EQ(WheelPictureFormatOfFileName("wheel.svg"), WheelPictureFormat::kSvg);
    EXPECT_EQ(WheelPictureFormatOfFileName("Wheel.PNG"), WheelPictureFormat::kPng);
    EXPECT_EQ(WheelPictureFormatOfFileName("dir.svg/a.b.Pdf"), WheelPictureFormat::kPdf);
    for (const char* name : {"wheel.jpg", "wheel", "png", "wheel.png.txt", "dir.png/wheel",
                             "wheel.pngx", ""}) {
        EXPECT_FALSE(WheelPictureFormatOfFileName(name)) << name;
    }
}

}  // namespace
}  // namespace kalvest
