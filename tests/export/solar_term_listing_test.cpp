#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>

#include "common/display_width.h"
#include "datetime/date_time_text.h"
#include "datetime/time_zone.h"
#include "export/solar_term_listing.h"
#include "solar/solar_events.h"
#include "solar/solar_terms.h"

namespace kalvest {
namespace {

constexpr std::size_t kDateColumn = 63;  // terminal columns before the date

const std::string& Text(const ListedEvent& event, std::size_t column) {
    return event.fields[column].text();
}

// Over years far apart, by both rules and both precisions: every term of
// the core once per method, the year in time order, the fields, text line
// and calendar entry of each saying the same.
TEST(SolarTermListing, EveryTermOfTheCoreOnceInTimeOrder) {
    InitPeriodicTerms();
    const FixedOffsetZone zone(480 * 60, "GMT+08:00");
    for (const std::int32_t first : {-2001, 1, 1581, 2024, 2998}) {
        for (const bool precise : {false, true}) {
            SolarTermListingRequest request;
            request.first_year = first;
            request.last_year = first + 2;
            request.precise = precise;
            request.calendar_code = first < 1582 ? kCalendarJulian : kCalendarGregorian;
            const EventList list = SolarTermListing(request, zone, DefaultEventNames());
            ASSERT_EQ(list.events.size(), 3u * 48u);
            ASSERT_EQ(list.columns.size(), 16u);
            EXPECT_EQ(list.columns[1], "solar_longitude");
            EXPECT_EQ(list.columns[14], "hanzi");
            EXPECT_EQ(list.columns[15], "hanzi_traditional");
            double previous = -1e9;
            std::map<std::pair<std::int32_t, std::string>, int> seen;
            for (const ListedEvent& event : list.events) {
                const std::int32_t year = static_cast<std::int32_t>(event.fields[0].integer());
                const int angle = static_cast<int>(event.fields[1].integer());
                const std::string method = Text(event, 6);
                EXPECT_EQ(event.section, year);
                EXPECT_GE(event.calendar.start_jd_ut, previous) << year << " " << angle;
                previous = event.calendar.start_jd_ut;
                ++seen[{year, std::to_string(angle) + method}];

                const int index = ((angle - 285 + 360) % 360) / 15;
                const SolarTermMethod rule = method == "true" ? SolarTermMethod::kTrueSun
                                                              : SolarTermMethod::kMeanSun;
                const SolarTerm term = SolarTermsOfYear(year, rule, precise)[index];
                EXPECT_EQ(event.calendar.start_jd_ut, term.instant.jd_ut);
                EXPECT_EQ(event.fields[7].ToText(),
                          FieldValue::Fixed(term.instant.jd_ut, 10).ToText());
                EXPECT_EQ(Text(event, 2), term.name.ascii);
                EXPECT_EQ(Text(event, 3), term.name.pinyin);
                EXPECT_EQ(Text(event, 14), term.name.hanzi);
                EXPECT_EQ(Text(event, 15), term.name.hanzi_traditional);
                const std::string turning_point = TurningPointName(term.name);
                EXPECT_EQ(event.fields[5].type() == FieldValue::Type::kNull,
                          turning_point.empty());

                const std::string zoned =
                    Text(event, 9) + " " + Text(event, 10) + " " + Text(event, 11);
                const std::string& line = event.text_line;
                const std::size_t date = line.find(zoned);
                ASSERT_NE(date, std::string::npos) << line;
                EXPECT_EQ(DisplayWidth(line.substr(0, date)), kDateColumn) << line;
                EXPECT_EQ(line.substr(6, HanziText(term.name).size()), HanziText(term.name))
                    << line;  // after "285° " (the degree sign takes two bytes)
                EXPECT_EQ(line.substr(date + zoned.size()),
                          turning_point.empty() ? "" : "  " + turning_point);
                EXPECT_NE(line.find(" " + std::string(term.name.english) + " "), std::string::npos);
                EXPECT_NE(line.find(method + " sun  "), std::string::npos);
                EXPECT_EQ(event.calendar.description.rfind(zoned + "; term of ", 0), 0u);
                EXPECT_EQ(event.calendar.uid, std::to_string(year) + "-solar-term-" +
                                                  std::to_string(angle) + "-" + method +
                                                  "@kalvest");
            }
            EXPECT_EQ(seen.size(), list.events.size());  // each (year, term, method) once
        }
    }
}

// The layout itself, with the weekday and the seconds, for dates that
// calendars publish: Lichun 2025 on 3 February and Dongzhi 2024 on 21
// December, Beijing time.
TEST(SolarTermListing, LinesAsTheyArePrinted) {
    InitPeriodicTerms();
    const FixedOffsetZone beijing(480 * 60, "CST");
    SolarTermListingRequest request;
    request.first_year = 2024;
    request.last_year = 2025;
    request.mean_sun = false;
    request.include_weekday = true;
    const EventList list = SolarTermListing(request, beijing, DefaultEventNames());
    ASSERT_EQ(list.events.size(), 48u);
    EXPECT_EQ(list.events[23].text_line,
              "270° 冬至         Dōngzhì      Winter Solstice       true sun  2024-12-21 CE 17:20 "
              "CST, Saturday  Winter (December) solstice");
    EXPECT_EQ(list.events[24].text_line,
              "285° 小寒         Xiǎohán      Minor Cold            true sun  2025-01-05 CE 10:32 "
              "CST, Sunday");
    EXPECT_EQ(list.events[26].text_line,
              "315° 立春         Lìchūn       Start of Spring       true sun  2025-02-03 CE 22:10 "
              "CST, Monday  Imbolc");
    // The widest characters: both scripts, where they differ.
    EXPECT_EQ(list.events[28].text_line.substr(0, 40),
              "345° 惊蛰 / 驚蟄  Jīngzhé      Aw");
    EXPECT_EQ(list.events[29].text_line.substr(0, 5), "  0°");
    EXPECT_EQ(list.events[26].calendar.summary, "Lìchūn, Start of Spring (true sun)");
    EXPECT_EQ(list.events[26].calendar.description,
              "2025-02-03 CE 22:10 CST; term of 315°; Imbolc");

    // To the second, and precise: the same layout with seconds; the UIDs
    // stay, so that a calendar updates its events.
    request.precision = TimePrecision::kSeconds;
    request.precise = true;
    const EventList seconds = SolarTermListing(request, beijing, DefaultEventNames());
    EXPECT_EQ(seconds.events[26].text_line,
              "315° 立春         Lìchūn       Start of Spring       true sun  2025-02-03 CE "
              "22:10:28 CST, Monday  Imbolc");
    std::set<std::string> uids;
    for (std::size_t i = 0; i < list.events.size(); ++i) {
        EXPECT_EQ(seconds.events[i].calendar.uid, list.events[i].calendar.uid);
        uids.insert(list.events[i].calendar.uid);
    }
    EXPECT_EQ(uids.size(), list.events.size());
}

}  // namespace
}  // namespace kalvest
