#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "datetime/date_time_text.h"
#include "datetime/utc_text.h"

namespace kalvest {
namespace {

TEST(UtcText, J2000AndTheEdgesOfThePlainYears) {
    EXPECT_EQ(IsoUtcText(2451545.0), "2000-01-01T12:00:00Z");
    EXPECT_EQ(ICalendarUtcText(2451545.0), "20000101T120000Z");
    // 0001-01-01 00:00 UT is JD 1721425.5 (proleptic Gregorian).
    EXPECT_EQ(IsoUtcText(1721425.5), "0001-01-01T00:00:00Z");
    EXPECT_EQ(IsoUtcText(1721425.5 - 1.0 / 86400.0), std::nullopt);
    // 10000-01-01 00:00 UT is JD 5373484.5.
    EXPECT_EQ(ICalendarUtcText(5373484.5 - 1.5 / 86400.0), "99991231T235958Z");
    EXPECT_EQ(ICalendarUtcText(5373484.5), std::nullopt);
    EXPECT_EQ(IsoUtcText(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
    EXPECT_EQ(UtcDateTimeOf(std::numeric_limits<double>::infinity()), std::nullopt);
    // Year 0 has a date, only no plain text.
    const std::optional<UtcDateTime> year_zero = UtcDateTimeOf(1721425.5 - 100.0);
    ASSERT_TRUE(year_zero);
    EXPECT_EQ(year_zero->year, 0);
}

TEST(UtcText, AgreesWithTheLocalTextsAtZoneZero) {
    // The stamps count their seconds as the time of day does: the date and
    // the minute always match the text of the window's GMT lines.
    for (double jd = 1721500.123; jd < 2817000.0; jd += 1234.5678901) {
        EuroDate record{};
        const std::string local = DateTimeText(jd, 0, kCalendarGregorian, record);
        const std::optional<std::string> iso = IsoUtcText(jd);
        ASSERT_TRUE(iso) << jd;
        char expected[32];
        std::snprintf(expected, sizeof expected, "%04d-%02d-%02dT%s", record.year,
                      record.month, record.day, local.substr(local.size() - 5).c_str());
        EXPECT_EQ(iso->substr(0, 16), expected) << jd;
    }
}

}  // namespace
}  // namespace kalvest
