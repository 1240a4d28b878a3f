#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "datetime/date_time_text.h"
#include "datetime/time_zone.h"
#include "export/solar_listing.h"
#include "run/calculation_run.h"
#include "run/zone_list.h"
#include "solar/solar_events.h"

namespace kalvest {
namespace {

RunSelection Everything(std::int16_t calendar) {
    RunSelection s;
    for (bool& q : s.quarters) q = true;
    for (bool& c : s.cross_quarters) c = true;
    s.true_sun = s.mean_sun = s.include_weekday = true;
    s.calendar_code = calendar;
    return s;
}

// In a fixed zone the listing's lines are the window's output lines, and
// its fields say the same as the lines.
TEST(SolarListing, FixedZonesGiveTheWindowsLines) {
    InitPeriodicTerms();
    for (const std::int16_t minutes : {0, -720, 330, 690}) {
        for (const std::int16_t calendar : {kCalendarGregorian, kCalendarJulian}) {
            const FixedOffsetZone zone(minutes * 60, ZoneSuffix(minutes).substr(1));
            RunSelection s = Everything(calendar);
            const EventList list =
                SolarEventListing({{-1, 1}, s}, zone, DefaultEventNames());
            ASSERT_EQ(list.events.size(), 36u);
            std::size_t i = 0;
            for (std::int32_t year = -1; year <= 1; ++year) {
                s.year = year;
                s.zone_minutes = minutes;
                EuroDate record{};
                ProduceRunLines(s, DefaultEventNames(), record, [&](const std::string& line) {
                    const ListedEvent& event = list.events[i++];
                    EXPECT_EQ(event.text_line + "\r\n", line);
                    EXPECT_EQ(event.section, year);
                    ASSERT_EQ(event.fields.size(), list.columns.size());
                    EXPECT_EQ(event.fields[0].integer(), year);
                    EXPECT_NE(line.find(event.fields[6].text() + " " + event.fields[7].text() +
                                        " " + event.fields[8].text() + ", " +
                                        event.fields[9].text()),
                              std::string::npos);
                    EXPECT_EQ(event.fields[10].integer(), minutes);
                    EXPECT_EQ(event.calendar.description,
                              event.fields[6].text() + " " + event.fields[7].text() + " " +
                                  event.fields[8].text());
                });
            }
        }
    }
}

TEST(SolarListing, UidsAreUniqueAndStable) {
    InitPeriodicTerms();
    const FixedOffsetZone gmt(0, "GMT");
    const FixedOffsetZone east(43200, "GMT+12:00");
    const EventList a = SolarEventListing({{2023, 2025}, Everything(kCalendarGregorian)}, gmt,
                                          DefaultEventNames());
    const EventList b = SolarEventListing({{2023, 2025}, Everything(kCalendarJulian)}, east,
                                          DefaultEventNames());
    ASSERT_EQ(a.events.size(), b.events.size());
    std::set<std::string> uids;
    for (std::size_t i = 0; i < a.events.size(); ++i) {
        EXPECT_EQ(a.events[i].calendar.uid, b.events[i].calendar.uid);
        EXPECT_EQ(a.events[i].calendar.summary, b.events[i].calendar.summary);
        uids.insert(a.events[i].calendar.uid);
    }
    EXPECT_EQ(uids.size(), a.events.size());
    EXPECT_EQ(a.events[0].calendar.uid, "2023-cross-quarter-0-true@kalvest");
    EXPECT_EQ(a.events[0].calendar.summary, "Imbolc (true sun)");
    EXPECT_EQ(a.events[2].calendar.uid, "2023-equinox-solstice-0@kalvest");
    EXPECT_EQ(a.events[2].calendar.summary, "Spring (March) equinox");
}

}  // namespace
}  // namespace kalvest
