// The moon calendar: the eclipses of 2025 as Dublin sees them, and a sweep
// over six thousand years, both calendars and zones far east, far west and
// with daylight saving, of what every calendar must satisfy, classical and
// precise.
#include "lunar/moon_calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "datetime/date_time_text.h"
#include "datetime/zone_database.h"
#include "eclipse_reference_table.h"
#include "ephemeris/modern_delta_t.h"
#include "lunar/instant_delta_t.h"
#include "lunar/lunar_names.h"
#include "outside/library_error.h"
#include "outside/varquel_binding.h"
#include "solar/solar_events.h"

namespace kalvest {
namespace {

constexpr double kDay = 1440.0;  // minutes

// Dublin in 2025: IST (+01:00) from 30 March to 26 October, 01:00 UT; else
// GMT.
TEST(MoonCalendar, EclipsesOf2025InDublin) {
    const auto dublin = NamedTimeZone("Europe/Dublin");
    ASSERT_NE(dublin, nullptr);
    const auto eclipses = EclipsesOfYear(2025, kCalendarGregorian, *dublin);
    ASSERT_EQ(eclipses.size(), 4u);
    const struct {
        const char* name;
        const char* date;
        int offset;
        const char* zone;
    } expected[] = {{"total lunar eclipse", "2025-03-14 CE", 0, "GMT"},
                    {"partial solar eclipse", "2025-03-29 CE", 0, "GMT"},
                    {"total lunar eclipse", "2025-09-07 CE", 3600, "IST"},
                    {"partial solar eclipse", "2025-09-21 CE", 3600, "IST"}};
    const auto reference = testing::ReadEclipseReference();
    for (std::size_t i = 0; i < 4; ++i) {
        const Eclipse& e = *eclipses[i].eclipse;
        SCOPED_TRACE(expected[i].date);
        EXPECT_EQ(EclipseClassName(e.eclipse_class), expected[i].name);
        EXPECT_EQ(e.greatest.local.date, expected[i].date);
        EXPECT_EQ(e.greatest.local.offset_seconds, expected[i].offset);
        EXPECT_EQ(e.greatest.local.zone, expected[i].zone);
        const auto r = std::find_if(reference.begin(), reference.end(), [&](const auto& r) {
            return std::fabs(r.greatest_jd_ut - e.greatest.jd_ut) < 3 / kDay;
        });
        ASSERT_NE(r, reference.end());
        // Every contact of both total eclipses, written in Dublin's time.
        for (LunarContact c : kLunarContacts) {
            const auto& contact = e.Contact(c);
            ASSERT_EQ(contact.has_value(), e.IsLunar());
            if (!contact) continue;
            EXPECT_NEAR(contact->jd_ut, *r->contacts[static_cast<int>(c)], 5 / kDay);
            EXPECT_EQ(contact->local.offset_seconds, expected[i].offset);
            EXPECT_EQ(contact->local.date, expected[i].date);
        }
    }
    // Totality of 7 September ends about 18:53 UT, 19:53 on Dublin's clocks.
    EXPECT_EQ(eclipses[2].eclipse->Contact(LunarContact::kTotalEnds)->local.time.substr(0, 3),
              "19:");
}

// An hour of daylight saving from about April to October of every year, in
// any year the calendar reaches.
class SummerHour final : public TimeZone {
public:
    ZoneReading At(double jd_ut) const override {
        const double fraction = DecimalYear(jd_ut) - std::floor(DecimalYear(jd_ut));
        return fraction >= 0.25 && fraction < 0.8 ? ZoneReading{3600, "SUM"}
                                                  : ZoneReading{0, "WIN"};
    }
};

// The local year of an instant, as the calendar reckons it.
std::int32_t LocalYear(double jd_ut, std::int16_t calendar, const TimeZone& zone) {
    EuroDate date{};
    ToLocalTime(jd_ut, zone, calendar, date);
    return date.year;
}

void CheckCalendar(std::int32_t year, std::int16_t calendar, const TimeZone& zone,
                   MoonMethod method = MoonMethod::kClassical) {
    const auto phases = MoonCalendarOfYear(year, calendar, zone, TimePrecision::kMinutes, method);
    SCOPED_TRACE(::testing::Message() << "year " << year << " calendar " << calendar << " "
                                      << MoonMethodKey(method));
    ASSERT_TRUE(phases.size() >= 49 && phases.size() <= 51);
    // The phases just outside the list lie outside the year.
    const auto neighbour = [&](const MoonPhaseEvent& p, int step) {
        const int i = static_cast<int>(p.phase) + step;
        return MoonPhaseEventOf(p.lunation + (i + 4) / 4 - 1, static_cast<MoonPhase>((i + 4) % 4),
                                calendar, zone, TimePrecision::kMinutes, method);
    };
    EXPECT_LT(LocalYear(neighbour(phases.front(), -1).instant.jd_ut, calendar, zone), year);
    EXPECT_GT(LocalYear(neighbour(phases.back(), +1).instant.jd_ut, calendar, zone), year);
    for (std::size_t i = 0; i < phases.size(); ++i) {
        const MoonPhaseEvent& p = phases[i];
        ASSERT_EQ(LocalYear(p.instant.jd_ut, calendar, zone), year);
        ASSERT_EQ(p.method, method);
        if (i > 0) {
            ASSERT_EQ(neighbour(phases[i - 1], 1).jde, p.jde);  // the next phase, in order
        }
        if (method == MoonMethod::kClassical) {
            EXPECT_EQ(p.delta_t_minutes, VarquelDeltaT(DecimalYear(p.jde), kDeltaTPivotYear));
        } else {
            EXPECT_DOUBLE_EQ(p.delta_t_minutes, ModernDeltaTSecondsAt(p.jde) / 60);
        }
        EXPECT_DOUBLE_EQ(p.instant.jd_ut, p.jde - p.delta_t_minutes / kDay);
        // Whole-minute zones: the window's own date-time text.
        EuroDate date{};
        const ZoneReading reading = zone.At(p.instant.jd_ut);
        EXPECT_EQ(p.instant.local.zone, reading.abbreviation);
        EXPECT_EQ(p.instant.local.DateTime(),
                  DateTimeText(p.instant.jd_ut,
                               static_cast<std::int16_t>(reading.offset_seconds / 60), calendar,
                               date));
        EXPECT_EQ(p.instant.local.weekday, euro_day_of_week(date.jdn));
        if (!p.eclipse) continue;
        // Solar at new moon, lunar at full; contacts as the class says,
        // each in the zone's offset of its own instant, about the greatest.
        const Eclipse& e = *p.eclipse;
        EXPECT_EQ(e.IsSolar(), p.phase == MoonPhase::kNew);
        EXPECT_EQ(e.IsLunar(), p.phase == MoonPhase::kFull);
        const bool partial = e.eclipse_class >= kLunarPartial,
                   total = e.eclipse_class == kLunarTotal;
        const bool occurs[] = {e.IsLunar(), partial, total, total, partial, e.IsLunar()};
        for (int c = 0; c < kLunarContactCount; ++c) {
            ASSERT_EQ(e.contacts[c].has_value(), occurs[c]);
            if (!e.contacts[c]) continue;
            EXPECT_EQ(e.contacts[c]->local.offset_seconds,
                      zone.At(e.contacts[c]->jd_ut).offset_seconds);
            EXPECT_NEAR(e.contacts[c]->jd_ut + e.contacts[5 - c]->jd_ut, 2 * e.greatest.jd_ut,
                        1e-9);
        }
    }
}

TEST(MoonCalendar, EveryYearHoldsAllItsPhasesAndNoOthers) {
    const FixedOffsetZone utc(0, "UTC"), west(-720 * 60, "GMT-12:00"), east(840 * 60, "+14");
    const SummerHour summer;
    const TimeZone* zones[] = {&utc, &west, &east, &summer};
    for (std::int32_t year = -3000; year <= 3000; year += 97) {
        for (std::int16_t calendar : {kCalendarGregorian, kCalendarJulian}) {
            for (const TimeZone* zone : zones) CheckCalendar(year, calendar, *zone);
        }
    }
    for (std::int32_t year : {1914, 1915, 2000, 2025})
        CheckCalendar(year, kCalendarGregorian, summer);
}

TEST(MoonCalendar, EveryPreciseYearHoldsAllItsPhasesInOrder) {
    const FixedOffsetZone utc(0, "UTC"), west(-720 * 60, "GMT-12:00"), east(840 * 60, "+14");
    const SummerHour summer;
    const TimeZone* zones[] = {&utc, &west, &east, &summer};
    int case_number = 0;
    for (std::int32_t year = -kPreciseMoonCalendarYearLimit; year <= kPreciseMoonCalendarYearLimit;
         year += 97) {
        for (std::int16_t calendar : {kCalendarGregorian, kCalendarJulian}) {
            CheckCalendar(year, calendar, *zones[case_number++ % 4], MoonMethod::kPrecise);
        }
    }
    CheckCalendar(kPreciseMoonCalendarYearLimit, kCalendarGregorian, east, MoonMethod::kPrecise);
    // Beyond its years the theory is not asked.
    EXPECT_THROW(MoonCalendarOfYear(kPreciseMoonCalendarYearLimit + 1, kCalendarGregorian, utc,
                                    TimePrecision::kMinutes, MoonMethod::kPrecise),
                 std::out_of_range);
}

TEST(MoonCalendar, FailuresAreReportedAndTheNextCallRecovers) {
    const FixedOffsetZone utc(0, "UTC");
    EXPECT_THROW(MoonCalendarOfYear(-kMoonCalendarYearLimit - 1, kCalendarJulian, utc),
                 std::out_of_range);
    UseVarquelLibraryFile("libvarquel-missing.so");
    EXPECT_THROW(MoonPhaseEventOf(0, MoonPhase::kFull, kCalendarGregorian, utc), LibraryError);
    UseVarquelLibraryFile(DefaultVarquelFileName());
    // The total lunar eclipse of 2000 January 21, saros 124.
    const auto full = MoonPhaseEventOf(0, MoonPhase::kFull, kCalendarGregorian, utc);
    EXPECT_EQ(full.instant.local.date, "2000-01-21 CE");
    EXPECT_EQ(full.eclipse->eclipse_class, kLunarTotal);
    EXPECT_EQ(full.eclipse->saros, 124);
    EXPECT_EQ(MoonPhaseKey(MoonPhase::kFirstQuarter), "first_quarter");
}

}  // namespace
}  // namespace kalvest
