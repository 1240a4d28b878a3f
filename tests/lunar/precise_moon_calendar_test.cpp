// The precise moon calendar of every year 1900-2100 against the DE431
// table of tests/ephemeris: each year lists exactly the phases whose
// instant, taken to UT by the modern Delta T, falls in it, and each within
// a second of DE431; the classical calendar of the same years beside it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <iostream>
#include <map>
#include <utility>

#include "datetime/date_time_text.h"
#include "ephemeris/lunar_phase_reference_table.h"
#include "ephemeris/modern_delta_t.h"
#include "lunar/moon_calendar.h"

namespace kalvest {
namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kStart1900 = 2415020.5;  // 1900 January 1, 0h UT
constexpr double kStart2101 = 2488434.5;  // 2101 January 1

TEST(PreciseMoonCalendar, EveryPhaseOf1900To2100WithinASecondOfDe431) {
    // The table's phases by lunation and phase.
    std::map<std::pair<std::int32_t, int>, double> reference;
    for (const testing::ReferencePhase& row : testing::ReadLunarPhaseReference()) {
        const double jd_ut = row.jd_tt - ModernDeltaTSecondsAt(row.jd_tt) / kSecondsPerDay;
        if (jd_ut >= kStart1900 && jd_ut < kStart2101) {
            reference[{row.lunation, row.phase}] = row.jd_tt;
        }
    }
    ASSERT_GE(reference.size(), 9944u);
    const FixedOffsetZone utc(0, "UTC");
    std::size_t listed = 0;
    double largest = 0, largest_classical = 0;
    for (std::int32_t year = 1900; year <= 2100; ++year) {
        const auto precise = MoonCalendarOfYear(year, kCalendarGregorian, utc,
                                                TimePrecision::kSeconds, MoonMethod::kPrecise);
        const auto classical = MoonCalendarOfYear(year, kCalendarGregorian, utc);
        for (const MoonPhaseEvent& p : precise) {
            const auto row = reference.find({p.lunation, static_cast<int>(p.phase)});
            ASSERT_NE(row, reference.end()) << year << " lunation " << p.lunation;
            const double error = (p.jde - row->second) * kSecondsPerDay;
            EXPECT_LE(std::fabs(error), 1.0) << year << " lunation " << p.lunation;
            largest = std::fmax(largest, std::fabs(error));
            ++listed;
        }
        for (const MoonPhaseEvent& c : classical) {
            const auto row = reference.find({c.lunation, static_cast<int>(c.phase)});
            if (row == reference.end()) continue;  // a year's edge by varquel's Delta T
            largest_classical =
                std::fmax(largest_classical, std::fabs(c.jde - row->second) * kSecondsPerDay);
        }
    }
    // Every phase of the table once: none lost at a year's edge, none twice.
    EXPECT_EQ(listed, reference.size());
    std::cout << "moon calendars 1900..2100, " << listed << " phases: precise within " << largest
              << " s of DE431, classical within " << largest_classical << " s\n";
}

}  // namespace
}  // namespace kalvest
