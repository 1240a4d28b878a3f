// The moon listing: its rows, lines and calendar entries say the same as
// the moon calendar and as each other, in any zone and calendar, and its
// calendar events keep their UIDs whatever the zone or calendar.
#include "export/moon_listing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "datetime/time_zone.h"
#include "datetime/zone_database.h"
#include "export/text_writer.h"
#include "lunar/lunar_names.h"
#include "lunar/moon_calendar.h"

namespace kalvest {
namespace {

// The value of a column by its name.
class Row {
public:
    Row(const EventList& list, const ListedEvent& event) : list_(list), event_(event) {}
    const FieldValue& operator[](const std::string& column) const {
        for (std::size_t i = 0; i < list_.columns.size(); ++i) {
            if (list_.columns[i] == column) return event_.fields.at(i);
        }
        ADD_FAILURE() << "no column " << column;
        static const FieldValue none;
        return none;
    }

private:
    const EventList& list_;
    const ListedEvent& event_;
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

// Every row against the calendar it lists: the same phases in the same
// order; fields, text lines and calendar entries that agree.
void CheckListing(std::int32_t first, std::int32_t last, std::int16_t calendar,
                  const TimeZone& zone) {
    SCOPED_TRACE(::testing::Message() << first << ".." << last << " calendar " << calendar);
    const EventList list = MoonEventListing({{first, last}, calendar, false, true}, zone);
    std::size_t i = 0;
    for (std::int32_t year = first; year <= last; ++year) {
        for (const MoonPhaseEvent& phase : MoonCalendarOfYear(year, calendar, zone)) {
            ASSERT_LT(i, list.events.size());
            const ListedEvent& event = list.events[i++];
            const Row row(list, event);
            ASSERT_EQ(event.fields.size(), list.columns.size());
            EXPECT_EQ(event.section, year);
            EXPECT_EQ(row["year"].integer(), year);
            EXPECT_EQ(row["lunation"].integer(), phase.lunation);
            EXPECT_EQ(row["phase"].text(), MoonPhaseKey(phase.phase));
            const LocalTime& local = phase.instant.local;
            EXPECT_EQ(row["date"].text(), local.date);
            EXPECT_EQ(row["zone"].text(), local.zone);
            EXPECT_EQ(row["utc_offset_minutes"].integer() * 60, local.offset_seconds);

            const std::vector<std::string> lines = Lines(event.text_line);
            // The phase line: the label in the solar lines' layout, the
            // date in column 33.
            EXPECT_EQ(lines[0].rfind(std::string(MoonPhaseName(phase.phase)) + " ..", 0), 0u);
            EXPECT_EQ(lines[0].substr(30, 2), ". ");
            EXPECT_EQ(lines[0].substr(32), local.DateTimeZone() + ", " + row["weekday"].text());
            EXPECT_EQ(event.calendar.start_jd_ut, phase.instant.jd_ut);
            EXPECT_EQ(event.calendar.description, local.DateTimeZone());

            if (!phase.eclipse) {
                EXPECT_EQ(row["eclipse"].integer(), 0);
                EXPECT_EQ(row["eclipse_kind"].type(), FieldValue::Type::kNull);
                EXPECT_EQ(row["greatest_jd_ut"].type(), FieldValue::Type::kNull);
                EXPECT_EQ(lines.size(), 1u);
                EXPECT_TRUE(event.further_entries.empty());
                continue;
            }
            const Eclipse& e = *phase.eclipse;
            EXPECT_EQ(row["eclipse"].integer(), e.eclipse_class);
            EXPECT_EQ(row["eclipse_kind"].text(), EclipseClassName(e.eclipse_class));
            EXPECT_EQ(row["saros"].integer(), e.saros);
            EXPECT_EQ(row["greatest_local"].text(), e.greatest.local.DateTimeZone());
            EXPECT_EQ(row["mag_umbral"].type(),
                      e.IsLunar() ? FieldValue::Type::kNumber : FieldValue::Type::kNull);
            std::size_t contacts = 0;
            for (const LunarContact c : kLunarContacts) {
                const std::string key(LunarContactKey(c));
                const auto& contact = e.Contact(c);
                ASSERT_EQ(row[key + "_local"].type() == FieldValue::Type::kText,
                          contact.has_value());
                if (!contact) continue;
                ++contacts;
                EXPECT_EQ(row[key + "_local"].text(), contact->local.DateTimeZone());
                // Its line, in time order among the moments under the kind.
                EXPECT_EQ(lines.at(1 + contacts + (c >= LunarContact::kTotalEnds)).substr(32),
                          contact->local.DateTimeZone() + ", " +
                              WeekdayName(contact->local.weekday));
            }
            // The phase line, the kind, the contacts and greatest eclipse
            // for a lunar eclipse; the kind alone for a solar one.
            EXPECT_EQ(lines.size(), e.IsLunar() ? 3 + contacts : 2u);
            std::string kind(EclipseClassName(e.eclipse_class));
            kind[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(kind[0])));
            EXPECT_EQ(lines[1].rfind("  " + kind, 0), 0u) << lines[1];
            if (!e.IsLunar()) {
                EXPECT_TRUE(event.further_entries.empty());
                continue;
            }
            EXPECT_NE(lines[1].find(" magnitude "), std::string::npos);
            EXPECT_EQ(lines[1 + contacts / 2 + 1].substr(0, 32),
                      "    Greatest eclipse .......... ");
            ASSERT_EQ(event.further_entries.size(), 1u);
            const CalendarEntry& span = event.further_entries[0];
            EXPECT_EQ(span.start_jd_ut, e.FirstContact()->jd_ut);
            EXPECT_EQ(span.end_jd_ut, e.LastContact()->jd_ut);
            EXPECT_EQ(std::count(span.description.begin(), span.description.end(), '\n'),
                      static_cast<std::ptrdiff_t>(contacts));
        }
    }
    EXPECT_EQ(i, list.events.size());
}

TEST(MoonListing, RowsLinesAndEntriesAgreeWithTheCalendar) {
    const FixedOffsetZone west(-720 * 60, "GMT-12:00");
    CheckListing(-1, 1, kCalendarJulian, west);
    CheckListing(2024, 2026, kCalendarGregorian, FixedOffsetZone(330 * 60, "GMT+05:30"));
    if (const auto dublin = NamedTimeZone("Europe/Dublin")) {
        CheckListing(1999, 2001, kCalendarGregorian, *dublin);
    } else {
        ADD_FAILURE() << "no zone Europe/Dublin";
    }
}

TEST(MoonListing, EclipsesOnlyIsTheSubsetWithAnEclipse) {
    const FixedOffsetZone gmt(0, "GMT");
    const EventList all = MoonEventListing({{2000, 2003}, kCalendarGregorian, false, false}, gmt);
    const EventList eclipses =
        MoonEventListing({{2000, 2003}, kCalendarGregorian, true, false}, gmt);
    EXPECT_EQ(eclipses.columns, all.columns);
    std::vector<std::string> expected;
    for (const ListedEvent& event : all.events) {
        if (Row(all, event)["eclipse"].integer() != 0) expected.push_back(event.text_line);
    }
    std::vector<std::string> listed;
    for (const ListedEvent& event : eclipses.events) listed.push_back(event.text_line);
    EXPECT_EQ(listed, expected);
    EXPECT_GE(listed.size(), 16u);  // four to seven eclipses a year
}

TEST(MoonListing, UidsAreUniqueAndStable) {
    const EventList a = MoonEventListing({{2023, 2025}, kCalendarGregorian, false, false},
                                         FixedOffsetZone(0, "GMT"));
    const EventList b = MoonEventListing({{2023, 2025}, kCalendarJulian, false, true},
                                         FixedOffsetZone(43200, "GMT+12:00"));
    const auto entries = [](const EventList& list) {
        std::map<std::string, std::string> summaries;  // by UID
        std::size_t count = 0;
        for (const ListedEvent& event : list.events) {
            summaries[event.calendar.uid] = event.calendar.summary;
            for (const CalendarEntry& entry : event.further_entries) {
                summaries[entry.uid] = entry.summary;
                ++count;
            }
            ++count;
        }
        EXPECT_EQ(summaries.size(), count) << "UIDs repeat";
        return summaries;
    };
    const auto in_a = entries(a);
    // The same phase has the same UID and summary in any zone and calendar.
    for (const auto& [uid, summary] : entries(b)) {
        if (in_a.count(uid)) {
            EXPECT_EQ(in_a.at(uid), summary) << uid;
        }
    }
    EXPECT_EQ(a.events.front().calendar.uid, "moon-284-full@kalvest");
    EXPECT_EQ(MoonListingTitle("2025", kCalendarGregorian, "GMT+01:00", false),
              "Phases of the Moon and eclipses in 2025 CE, GMT+01:00");
    EXPECT_EQ(MoonListingTitle("+5", kCalendarJulian, "GMT", true), "Eclipses in +5 JC, GMT");
}

}  // namespace
}  // namespace kalvest
