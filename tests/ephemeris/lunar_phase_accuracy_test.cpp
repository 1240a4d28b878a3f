// Every phase of the Moon of 1900-2100, searched from varquel's classical
// instant, against the DE431 ephemeris of the Swiss Ephemeris (table made
// by tools/reference/lunar_phases_sweph.c); varquel's own instants beside
// them, for comparison. At each instant the table also gives the Moon's
// own apparent longitude and distance, which the elongation does not test
// (the nutation, for one, cancels in it). The precise moon calendar of
// those years lists each phase once, at the search's instant.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <limits>
#include <map>
#include <numbers>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "datetime/date_time_text.h"
#include "ephemeris/lunar_phase_search.h"
#include "ephemeris/modern_delta_t.h"
#include "ephemeris/moon_position.h"
#include "lunar/moon_calendar.h"
#include "outside/varquel_binding.h"

namespace kalvest {
namespace {

struct ReferencePhase {
    std::int32_t lunation;
    int phase;
    double jd_tt;
    double moon_longitude;  // degrees
    double moon_distance;   // km
};

std::vector<ReferencePhase> ReadTable() {
    std::vector<ReferencePhase> rows;
    std::ifstream file(KALVEST_SOURCE_DIR "/tests/ephemeris/data/lunar_phases_sweph.csv");
    std::string line;
    std::getline(file, line);  // header
    while (std::getline(file, line)) {
        std::istringstream fields(line);
        ReferencePhase row{};
        char comma[4] = {};
        if (fields >> row.lunation >> comma[0] >> row.phase >> comma[1] >> row.jd_tt >>
            comma[2] >> row.moon_longitude >> comma[3] >> row.moon_distance) {
            rows.push_back(row);
        }
    }
    return rows;
}

// Largest and mean absolute error, in seconds.
struct Errors {
    double largest = 0.0;
    double sum = 0.0;
    int count = 0;

    void Take(double seconds) {
        largest = std::fmax(largest, std::fabs(seconds));
        sum += std::fabs(seconds);
        ++count;
    }
    double Mean() const { return count == 0 ? 0.0 : sum / count; }
};

std::ostream& operator<<(std::ostream& out, const Errors& errors) {
    return out << "largest " << errors.largest << " s, mean " << errors.Mean() << " s";
}

TEST(LunarPhaseAccuracy, WithinASecondOfDe431Over1900To2100) {
    const std::vector<ReferencePhase> table = ReadTable();
    // 201 years hold 4973 new and full moons and as many quarters, give or
    // take one.
    ASSERT_GE(table.size(), 9944u);
    Errors precise[2];    // syzygies, quarters
    Errors classical[2];
    double largest_far_start = 0.0;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const ReferencePhase& row = table[i];
        const double start = VarquelPhase(row.lunation, row.phase, nullptr);
        const SolarInstant found = PreciseLunarPhase(row.phase, start);
        const double error = (found.jd_tt - row.jd_tt) * 86400.0;
        const int kind = row.phase % 2;
        EXPECT_LE(std::fabs(error), 1.0) << "lunation " << row.lunation << " phase " << row.phase;
        precise[kind].Take(error);
        classical[kind].Take((start - row.jd_tt) * 86400.0);
        EXPECT_DOUBLE_EQ(found.delta_t_seconds, ModernDeltaTSecondsAt(found.jd_tt));
        EXPECT_NEAR((found.jd_tt - found.jd_ut) * 86400.0, found.delta_t_seconds, 1e-4);
        // From a start days away the search finds the same instant.
        if (i % 97 == 0) {
            const double far = PreciseLunarPhase(row.phase, start + (i % 2 ? 3.0 : -3.0)).jd_tt;
            largest_far_start = std::fmax(largest_far_start, std::fabs(far - found.jd_tt));
        }
    }
    EXPECT_LT(largest_far_start * 86400.0, 0.005);
    // varquel's series, the start of every search, keeps within 20 s.
    EXPECT_LT(classical[0].largest, 20.0);
    EXPECT_LT(classical[1].largest, 20.0);
    std::cout << "new and full moons 1900..2100 (" << precise[0].count << "): precise "
              << precise[0] << "; classical " << classical[0] << "\n"
              << "quarters (" << precise[1].count << "): precise " << precise[1]
              << "; classical " << classical[1] << "\n";
}

// Every year 1900-2100 in UTC holds exactly the table's phases whose UT,
// by the modern Delta T, falls in it.
TEST(LunarPhaseAccuracy, ThePreciseMoonCalendarListsEachPhaseOnce) {
    std::map<std::pair<std::int32_t, int>, double> reference;
    for (const ReferencePhase& row : ReadTable()) {
        const double jd_ut = row.jd_tt - ModernDeltaTSecondsAt(row.jd_tt) / 86400.0;
        // 1900 January 1 to 2101 January 1, 0h UT
        if (jd_ut >= 2415020.5 && jd_ut < 2488434.5) {
            reference[{row.lunation, row.phase}] = row.jd_tt;
        }
    }
    const FixedOffsetZone utc(0, "UTC");
    std::size_t listed = 0;
    double largest = 0.0;
    for (std::int32_t year = 1900; year <= 2100; ++year) {
        for (const MoonPhaseEvent& p : MoonCalendarOfYear(
                 year, kCalendarGregorian, utc, TimePrecision::kMinutes, MoonMethod::kPrecise)) {
            const auto row = reference.find({p.lunation, static_cast<int>(p.phase)});
            ASSERT_NE(row, reference.end()) << year << " lunation " << p.lunation;
            largest = std::fmax(largest, std::fabs(p.jde - row->second) * 86400.0);
            ++listed;
        }
    }
    EXPECT_LE(largest, 1.0);
    EXPECT_EQ(listed, reference.size());  // none lost at a year's edge, none twice
    std::cout << "precise moon calendars 1900..2100: " << listed << " phases, within "
              << largest << " s of DE431\n";
}

TEST(LunarPhaseAccuracy, TheMoonItselfAtThoseInstants) {
    constexpr double kDegree = std::numbers::pi / 180.0;
    const std::vector<ReferencePhase> table = ReadTable();
    ASSERT_GE(table.size(), 9944u);
    double largest_longitude = 0.0;  // arcseconds
    double largest_distance = 0.0;   // km
    double largest_rate = 0.0;       // relative
    for (const ReferencePhase& row : table) {
        const ApparentMoon moon = ApparentMoonAt(row.jd_tt);
        const double arcseconds =
            std::remainder(moon.longitude / kDegree - row.moon_longitude, 360.0) * 3600.0;
        const double km = moon.distance - row.moon_distance;
        EXPECT_LE(std::fabs(arcseconds), 0.3) << row.jd_tt;
        EXPECT_LE(std::fabs(km), 150.0) << row.jd_tt;
        largest_longitude = std::fmax(largest_longitude, std::fabs(arcseconds));
        largest_distance = std::fmax(largest_distance, std::fabs(km));
        // The rate that the search steps by is the longitude's derivative.
        constexpr double kStep = 0.01;  // days
        const double change = ApparentMoonAt(row.jd_tt + kStep).longitude -
                              ApparentMoonAt(row.jd_tt - kStep).longitude;
        const double slope = std::remainder(change, 360.0 * kDegree) / (2.0 * kStep);
        EXPECT_NEAR(moon.rate / slope, 1.0, 1e-5) << row.jd_tt;
        largest_rate = std::fmax(largest_rate, std::fabs(moon.rate / slope - 1.0));
    }
    std::cout << "the Moon at those instants: longitude within " << largest_longitude
              << "\", distance within " << largest_distance << " km, rate within "
              << largest_rate << " of the slope\n";
}

TEST(LunarPhaseAccuracy, NoAnswerForNoQuestion) {
    const double nan = std::nan("");
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(std::isnan(LunarElongationInstant(nan, 2451550.1)));
    EXPECT_TRUE(std::isnan(LunarElongationInstant(90.0, inf)));
    for (const int phase : {-1, 4}) {
        const SolarInstant none = PreciseLunarPhase(phase, 2451550.1);
        EXPECT_TRUE(std::isnan(none.jd_tt) && std::isnan(none.jd_ut) &&
                    std::isnan(none.delta_t_seconds));
    }
    EXPECT_TRUE(std::isnan(PreciseLunarPhase(0, nan).jd_ut));
    // Any elongation is a search of its own; whole turns do not matter.
    EXPECT_NEAR(LunarElongationInstant(-270.0, 2451557.0),
                LunarElongationInstant(90.0, 2451557.0), 1e-9);
}

}  // namespace
}  // namespace kalvest
