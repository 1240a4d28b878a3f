// The moon calendar of a year: the eclipses of 2025 as seen from Dublin,
// and a sweep over six thousand years, both calendars and zones far east,
// far west and with daylight saving, checking what must hold of every
// calendar (the year's bounds, order, Delta T, texts, contacts).
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "datetime/date_time_text.h"
#include "eclipse_reference_table.h"
#include "lunar/instant_delta_t.h"
#include "lunar/lunar_names.h"
#include "lunar/moon_calendar.h"
#include "outside/library_error.h"
#include "outside/varquel_binding.h"
#include "solar/solar_events.h"

namespace kalvest {
namespace {

constexpr double kMinutesPerDay = 1440.0;

// Dublin in 2025: Irish Standard Time (+60) from 30 March to 26 October,
// 01:00 UT; GMT before and after.
int DublinOffset2025(double jd_ut) {
    return jd_ut >= 2460764.5 + 1.0 / 24 && jd_ut < 2460974.5 + 1.0 / 24 ? 60 : 0;
}

// The reference eclipse (Swiss Ephemeris) at the UT instant, within a day.
const testing::ReferenceEclipse* ReferenceNear(double jd_ut) {
    static const std::vector<testing::ReferenceEclipse> table = testing::ReadEclipseReference();
    for (const testing::ReferenceEclipse& r : table) {
        if (std::fabs(r.greatest_jd_ut - jd_ut) < 1.0) return &r;
    }
    return nullptr;
}

TEST(MoonCalendar, EclipsesOf2025InDublin) {
    const std::vector<MoonPhaseEvent> eclipses =
        EclipsesOfYear(2025, kCalendarGregorian, DublinOffset2025);
    ASSERT_EQ(eclipses.size(), 4u);

    struct Expected {
        MoonPhase phase;
        std::int32_t eclipse_class;
        const char* name;
        const char* date;
        int offset;
    };
    const Expected expected[] = {
        {MoonPhase::kFull, kLunarTotal, "total lunar eclipse", "2025-03-14 CE", 0},
        {MoonPhase::kNew, kSolarPartial, "partial solar eclipse", "2025-03-29 CE", 0},
        {MoonPhase::kFull, kLunarTotal, "total lunar eclipse", "2025-09-07 CE", 60},
        {MoonPhase::kNew, kSolarPartial, "partial solar eclipse", "2025-09-21 CE", 60},
    };
    for (std::size_t i = 0; i < 4; ++i) {
        const MoonPhaseEvent& event = eclipses[i];
        const Eclipse& e = *event.eclipse;
        SCOPED_TRACE(expected[i].date);
        EXPECT_EQ(event.phase, expected[i].phase);
        EXPECT_EQ(e.eclipse_class, expected[i].eclipse_class);
        EXPECT_EQ(EclipseClassName(e.eclipse_class), expected[i].name);
        EXPECT_EQ(e.greatest.date_text, expected[i].date);
        EXPECT_EQ(e.greatest.offset_minutes, expected[i].offset);

        const testing::ReferenceEclipse* r = ReferenceNear(e.greatest.jd_ut);
        ASSERT_NE(r, nullptr);
        EXPECT_NEAR(e.greatest.jd_ut, r->greatest_jd_ut, 3.0 / kMinutesPerDay);
        if (e.IsSolar()) {
            // Where a solar eclipse is seen is beyond the method: no contacts.
            for (const auto& contact : e.contacts) EXPECT_FALSE(contact.has_value());
            continue;
        }
        // Both lunar eclipses are total: all six contacts, in time order,
        // near the reference's, each written in the zone's local time.
        double before = 0;
        for (LunarContact c : kLunarContacts) {
            const auto& contact = e.Contact(c);
            ASSERT_TRUE(contact.has_value()) << LunarContactName(c);
            EXPECT_GT(contact->jd_ut, before);
            before = contact->jd_ut;
            EXPECT_NEAR(contact->jd_ut, *r->contacts[static_cast<int>(c)], 5.0 / kMinutesPerDay)
                << LunarContactName(c);
            EXPECT_EQ(contact->offset_minutes, expected[i].offset);
            EXPECT_EQ(contact->date_text, expected[i].date);
        }
    }
    // Totality of 14 March from 06:26 to 07:31 GMT; of 7 September from
    // 17:31 to 18:53 UT, which Dublin's clocks show an hour later.
    const Eclipse& march = *eclipses[0].eclipse;
    EXPECT_NEAR(march.Contact(LunarContact::kTotalBegins)->jd_ut, 2460748.768156, 2.0 / kMinutesPerDay);
    const Eclipse& september = *eclipses[2].eclipse;
    const LocalInstantText& total_ends = *september.Contact(LunarContact::kTotalEnds);
    EXPECT_EQ(total_ends.time_text.substr(0, 2), "19");
    EXPECT_EQ(total_ends.weekday_name, "Sunday");
}

// A zone with an hour of daylight saving from about April to October of
// any year, so that offsets change within every calendar of the sweep.
int SummerHourOffset(double jd_ut) {
    const double fraction = DecimalYear(jd_ut) - std::floor(DecimalYear(jd_ut));
    return fraction >= 0.25 && fraction < 0.8 ? 60 : 0;
}

// Everything a calendar must satisfy, whatever the year, calendar and zone.
void CheckCalendar(std::int32_t year, std::int16_t calendar, const UtcOffsetAt& zone) {
    const std::vector<MoonPhaseEvent> phases = MoonCalendarOfYear(year, calendar, zone);
    SCOPED_TRACE(::testing::Message() << "year " << year << " calendar " << calendar);
    ASSERT_GE(phases.size(), 49u);
    ASSERT_LE(phases.size(), 51u);

    // Nothing missing at either end: the phases just outside lie outside.
    const auto index = [](const MoonPhaseEvent& e) {
        return 4 * static_cast<std::int64_t>(e.lunation) + static_cast<int>(e.phase);
    };
    const auto event_at = [&](std::int64_t i) {
        const std::int64_t lunation = i >= 0 ? i / 4 : -((-i + 3) / 4);
        return MoonPhaseEventOf(static_cast<std::int32_t>(lunation),
                                static_cast<MoonPhase>(i - 4 * lunation), calendar, zone);
    };
    EXPECT_LT(event_at(index(phases.front()) - 1).local.date.year, year);
    EXPECT_GT(event_at(index(phases.back()) + 1).local.date.year, year);

    std::size_t eclipses = 0;
    for (std::size_t i = 0; i < phases.size(); ++i) {
        const MoonPhaseEvent& p = phases[i];
        ASSERT_EQ(p.local.date.year, year);
        if (i > 0) {
            ASSERT_EQ(index(p), index(phases[i - 1]) + 1);
            ASSERT_GT(p.local.jd_ut, phases[i - 1].local.jd_ut);
        }
        // Delta T of the instant's own decimal year, with the program's pivot.
        EXPECT_EQ(p.delta_t_minutes, VarquelDeltaT(DecimalYear(p.jde), kDeltaTPivotYear));
        EXPECT_DOUBLE_EQ(p.local.jd_ut, p.jde - p.delta_t_minutes / kMinutesPerDay);
        // The texts are the program's own date-time text in the zone.
        EuroDate date{};
        const int offset = zone(p.local.jd_ut);
        EXPECT_EQ(p.local.offset_minutes, offset);
        EXPECT_EQ(p.local.date_text + " " + p.local.time_text,
                  DateTimeText(p.local.jd_ut, static_cast<std::int16_t>(offset), calendar, date));
        EXPECT_EQ(p.local.weekday_name, WeekdayName(static_cast<std::int16_t>(euro_day_of_week(date.jdn))));

        if (!p.eclipse) continue;
        ++eclipses;
        const Eclipse& e = *p.eclipse;
        EXPECT_EQ(e.IsSolar(), p.phase == MoonPhase::kNew);
        EXPECT_EQ(e.IsLunar(), p.phase == MoonPhase::kFull);
        EXPECT_LT(std::fabs(e.greatest.jd_ut - p.local.jd_ut), 0.2);
        // A lunar eclipse has the contacts of the phases its class says it
        // has, symmetric about greatest eclipse; a solar one has none.
        const bool partial = e.eclipse_class >= kLunarPartial;
        const bool total = e.eclipse_class == kLunarTotal;
        const bool occurs[] = {e.IsLunar(), partial, total, total, partial, e.IsLunar()};
        double before = 0;
        for (LunarContact c : kLunarContacts) {
            const auto& contact = e.Contact(c);
            ASSERT_EQ(contact.has_value(), occurs[static_cast<int>(c)]) << LunarContactName(c);
            if (!contact) continue;
            EXPECT_GT(contact->jd_ut, before);
            before = contact->jd_ut;
            EXPECT_EQ(contact->offset_minutes, zone(contact->jd_ut));
        }
        if (e.IsLunar()) {
            EXPECT_NEAR(e.FirstContact()->jd_ut + e.LastContact()->jd_ut, 2 * e.greatest.jd_ut, 1e-9);
            EXPECT_NEAR(e.LastContact()->jd_ut - e.FirstContact()->jd_ut,
                        2 * e.sd_penumbral / kMinutesPerDay, 1e-9);
        }
    }
    // Four to seven eclipses a year; the list of eclipses is the same.
    EXPECT_GE(eclipses, 2u);
    EXPECT_LE(eclipses, 7u);
    EXPECT_EQ(EclipsesOfYear(year, calendar, zone).size(), eclipses);
}

TEST(MoonCalendar, EveryYearHoldsItsPhasesAndNoOthers) {
    const UtcOffsetAt zones[] = {FixedUtcOffset(0), FixedUtcOffset(-720), FixedUtcOffset(840),
                                 SummerHourOffset};
    for (std::int32_t year = -3000; year <= 3000; year += 97) {
        for (std::int16_t calendar : {kCalendarGregorian, kCalendarJulian}) {
            for (const UtcOffsetAt& zone : zones) CheckCalendar(year, calendar, zone);
        }
    }
    // The years about the pivot of Delta T and the turn of 2000.
    for (std::int32_t year : {1914, 1915, 1916, 1999, 2000, 2025}) {
        CheckCalendar(year, kCalendarGregorian, SummerHourOffset);
    }
}

TEST(MoonCalendar, PhaseKeysAndClassNames) {
    EXPECT_EQ(MoonPhaseKey(MoonPhase::kNew), "new");
    EXPECT_EQ(MoonPhaseKey(MoonPhase::kFirstQuarter), "first_quarter");
    EXPECT_EQ(MoonPhaseKey(MoonPhase::kFull), "full");
    EXPECT_EQ(MoonPhaseKey(MoonPhase::kLastQuarter), "last_quarter");
    EXPECT_EQ(EclipseClassName(kSolarCentralHybrid), "central annular-total (hybrid) solar eclipse");
    EXPECT_EQ(EclipseClassTag(kSolarNonCentralHybrid), "NCAT");
    for (std::int32_t outside : {0, -1, 11}) {
        EXPECT_EQ(EclipseClassName(outside), "");
        EXPECT_EQ(EclipseClassTag(outside), "");
    }
}

TEST(MoonCalendar, ImpossibleZonesAndYearsAreRefused) {
    EXPECT_THROW(MoonCalendarOfYear(2025, kCalendarGregorian, FixedUtcOffset(1441)),
                 std::out_of_range);
    EXPECT_THROW(MoonCalendarOfYear(kMoonCalendarYearLimit + 1, kCalendarGregorian,
                                    FixedUtcOffset(0)),
                 std::out_of_range);
    EXPECT_NO_THROW(MoonCalendarOfYear(2025, kCalendarGregorian, FixedUtcOffset(-1440)));
}

TEST(MoonCalendar, AMissingLibraryIsReportedAndTheNextCallRecovers) {
    UseVarquelLibraryFile("libvarquel-missing.so");
    try {
        MoonCalendarOfYear(2025, kCalendarGregorian, FixedUtcOffset(0));
        ADD_FAILURE() << "no error";
    } catch (const LibraryError& e) {
        EXPECT_EQ(e.library(), "varquel");
    }
    EXPECT_THROW(MoonPhaseEventOf(0, MoonPhase::kFull, kCalendarGregorian, FixedUtcOffset(0)),
                 LibraryError);
    UseVarquelLibraryFile(DefaultVarquelFileName());
    const MoonPhaseEvent full = MoonPhaseEventOf(0, MoonPhase::kFull, kCalendarGregorian,
                                                 FixedUtcOffset(0));
    // The total lunar eclipse of 2000 January 21.
    EXPECT_NEAR(full.jde, 2451564.69546, 1e-5);
    ASSERT_TRUE(full.eclipse.has_value());
    EXPECT_EQ(full.eclipse->eclipse_class, kLunarTotal);
    EXPECT_EQ(full.eclipse->saros, 124);
    EXPECT_EQ(full.local.date_text, "2000-01-21 CE");
}

}  // namespace
}  // namespace kalvest
