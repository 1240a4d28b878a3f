// The 24 solar terms: names and order, how they meet the equinoxes,
// solstices and cross-quarter days, the two rules, and dates that calendars
// publish.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <map>
#include <string>

#include "datetime/date_time_text.h"
#include "ephemeris/modern_delta_t.h"
#include "outside/fendrick.h"
#include "run/event_names.h"
#include "solar/cross_quarter.h"
#include "solar/precise_equinox_solstice.h"
#include "solar/solar_events.h"
#include "solar/solar_terms.h"

namespace kalvest {
namespace {

constexpr double kSecond = 1.0 / 86400.0;
constexpr std::int16_t kBeijing = 480;  // UTC+8, minutes

class SolarTerms : public ::testing::Test {
protected:
    void SetUp() override { InitPeriodicTerms(); }
};

// The pinyin with its tone marks taken off.
std::string WithoutToneMarks(std::string text) {
    static const std::map<std::string, std::string> kMarked = {
        {"ā", "a"}, {"á", "a"}, {"ǎ", "a"}, {"à", "a"}, {"ē", "e"}, {"é", "e"},
        {"ě", "e"}, {"è", "e"}, {"ī", "i"}, {"í", "i"}, {"ǐ", "i"}, {"ì", "i"},
        {"ō", "o"}, {"ó", "o"}, {"ǒ", "o"}, {"ò", "o"}, {"ū", "u"}, {"ú", "u"},
        {"ǔ", "u"}, {"ù", "u"}};
    for (const auto& [marked, plain] : kMarked) {
        for (std::size_t at = text.find(marked); at != std::string::npos;
             at = text.find(marked)) {
            text.replace(at, marked.size(), plain);
        }
    }
    return text;
}

TEST(SolarTermNames, TwentyFourInTheOrderOfTheYear) {
    const std::map<int, std::string> turning_points = {
        {315, "Imbolc"},     {0, "Spring (March) equinox"},
        {45, "Beltane"},     {90, "Summer (June) solstice"},
        {135, "Lughnassad"}, {180, "Autumn (September) equinox"},
        {225, "Samhain"},    {270, "Winter (December) solstice"}};
    for (int i = 0; i < kSolarTermCount; ++i) {
        const SolarTermName& term = SolarTermNames()[i];
        EXPECT_EQ(term.longitude_degrees, (285 + 15 * i) % 360) << i;
        EXPECT_EQ(WithoutToneMarks(term.pinyin), term.ascii) << i;
        EXPECT_NE(std::string(term.pinyin), term.ascii) << "no tone mark in " << i;
        const auto point = turning_points.find(term.longitude_degrees);
        EXPECT_EQ(TurningPointName(term),
                  point == turning_points.end() ? std::string() : point->second)
            << term.ascii;
    }
    EXPECT_STREQ(SolarTermNames()[2].ascii, "Lichun");
    EXPECT_STREQ(SolarTermNames()[2].english, "Start of Spring");
    EXPECT_STREQ(SolarTermNames()[23].pinyin, "Dōngzhì");
}

TEST_F(SolarTerms, EightOfThemAreTheEquinoxesSolsticesAndCrossQuarterDays) {
    double worst = 0.0;
    for (std::int32_t year = -1000; year <= 3000; year += 17) {
        const std::array<double, kSolarTermCount> tt = TrueSunSolarTermsJDE(year);
        const double delta_t_days = DeltaTMinutes(year) / 1440.0;
        for (std::int16_t quarter = 0; quarter < 4; ++quarter) {
            // Chunfen, Xiazhi, Qiufen, Dongzhi: the same search from the
            // same start.
            EXPECT_EQ(tt[6 * quarter + 5], PreciseEquinoxSolsticeJDE(quarter, year)) << year;
            // Lichun, Lixia, Liqiu, Lidong: the cross-quarter true sun, found
            // from its own start with its own settings, in TT.
            const double cross_quarter = CrossQuarterTrueSun(year, quarter) + delta_t_days;
            const double error = (tt[6 * quarter + 2] - cross_quarter) * 86400.0;
            EXPECT_LE(std::fabs(error), 0.05) << year << " " << quarter;
            worst = std::fmax(worst, std::fabs(error));
        }
    }
    std::cout << "cross-quarter terms against the cross-quarter true sun: within " << worst
              << " s\n";
}

TEST_F(SolarTerms, TrueSunTermsFollowEachOtherThroughTheYear) {
    for (std::int32_t year = -2000; year <= 4000; year += 97) {
        const std::array<double, kSolarTermCount> tt = TrueSunSolarTermsJDE(year);
        double previous = TrueSunSolarTermsJDE(year - 1)[kSolarTermCount - 1];
        for (int i = 0; i < kSolarTermCount; ++i) {
            // 14.7 days near perihelion, 15.7 near aphelion.
            EXPECT_GT(tt[i] - previous, 14.6) << year << " " << i;
            EXPECT_LT(tt[i] - previous, 15.8) << year << " " << i;
            previous = tt[i];
        }
    }
}

TEST_F(SolarTerms, MeanSunCutsTheYearBetweenDecemberSolsticesIntoEqualParts) {
    for (std::int32_t year : {-500, 1000, 1582, 2025, 2999}) {
        for (bool precise : {false, true}) {
            const std::array<SolarTerm, kSolarTermCount> terms =
                SolarTermsOfYear(year, SolarTermMethod::kMeanSun, precise);
            const SolarInstant first =
                precise ? PreciseEquinoxSolstice(kDecemberSolstice, year - 1)
                        : SolarInstant{EquinoxSolsticeJDE(kDecemberSolstice, year - 1),
                                       EquinoxSolsticeJD(kDecemberSolstice, year - 1), 0.0};
            const double part = (terms[23].instant.jd_tt - first.jd_tt) / 24.0;
            for (int i = 0; i < kSolarTermCount; ++i) {
                EXPECT_NEAR(terms[i].instant.jd_tt, first.jd_tt + (i + 1) * part, 1e-6)
                    << year << " " << i;
                EXPECT_NEAR(terms[i].instant.jd_tt - terms[i].instant.jd_ut,
                            terms[i].instant.delta_t_seconds / 86400.0, 1e-9);
            }
            // Dongzhi is the December solstice itself, to the last bit.
            if (precise) {
                EXPECT_EQ(terms[23].instant.jd_tt,
                          PreciseEquinoxSolsticeJDE(kDecemberSolstice, year));
                EXPECT_EQ(terms[23].instant.delta_t_seconds,
                          ModernDeltaTSecondsAt(terms[23].instant.jd_tt));
            } else {
                EXPECT_EQ(terms[23].instant.jd_ut, EquinoxSolsticeJD(kDecemberSolstice, year));
                EXPECT_EQ(terms[23].instant.delta_t_seconds, DeltaTMinutes(year) * 60.0);
            }
        }
    }
}

TEST_F(SolarTerms, TrueSunTakesTheDeltaTOfItsYearOrTheModernOne) {
    const auto program = SolarTermsOfYear(2021, SolarTermMethod::kTrueSun, false);
    const auto precise = SolarTermsOfYear(2021, SolarTermMethod::kTrueSun, true);
    for (int i = 0; i < kSolarTermCount; ++i) {
        EXPECT_EQ(program[i].instant.jd_tt, precise[i].instant.jd_tt);
        // varquel's estimate for 2021 is 82.9 s, the measured value 69.3 s.
        EXPECT_NEAR(program[i].instant.delta_t_seconds, 82.86, 0.01);
        EXPECT_NEAR(precise[i].instant.delta_t_seconds, 69.32, 0.05);
        EXPECT_NEAR(program[i].instant.jd_tt - program[i].instant.jd_ut,
                    program[i].instant.delta_t_seconds / 86400.0, 1e-9);
    }
}

std::string BeijingTime(double jd_ut) {
    EuroDate record{};
    return DateTimeText(jd_ut, kBeijing, kCalendarGregorian, record);
}

TEST_F(SolarTerms, DatesThatCalendarsPublish) {
    for (bool precise : {false, true}) {
        const auto y2024 = SolarTermsOfYear(2024, SolarTermMethod::kTrueSun, precise);
        const auto y2025 = SolarTermsOfYear(2025, SolarTermMethod::kTrueSun, precise);
        EXPECT_STREQ(y2025[2].name.ascii, "Lichun");
        EXPECT_EQ(BeijingTime(y2025[2].instant.jd_ut), "2025-02-03 CE 22:10");
        EXPECT_STREQ(y2025[5].name.ascii, "Chunfen");
        EXPECT_EQ(BeijingTime(y2025[5].instant.jd_ut), "2025-03-20 CE 17:01");
        EXPECT_STREQ(y2025[6].name.ascii, "Qingming");
        EXPECT_EQ(BeijingTime(y2025[6].instant.jd_ut).substr(0, 13), "2025-04-04 CE");
        EXPECT_STREQ(y2024[23].name.ascii, "Dongzhi");
        EXPECT_EQ(BeijingTime(y2024[23].instant.jd_ut), "2024-12-21 CE 17:20");
    }
}

TEST_F(SolarTerms, TheMarchEquinoxOf2021ToTheSecond) {
    // ERFA gives 09:38:37.8 TT; with the measured Delta T of the day,
    // 69.36 s, that is 09:37:28.5 UT. The series gives 09:37.
    const SolarInstant equinox = PreciseEquinoxSolstice(kMarchEquinox, 2021);
    EuroDate record{};
    EXPECT_EQ(DateTimeSecondsText(equinox.jd_ut, 0, kCalendarGregorian, record),
              "2021-03-20 CE 09:37:28");
    const double seconds_past_09_37 = (equinox.jd_ut - 2459293.5 - (9 * 60 + 37) / 1440.0) / kSecond;
    EXPECT_NEAR(seconds_past_09_37, 28.5, 0.4);
    EXPECT_EQ(DateTimeText(EquinoxSolsticeJD(kMarchEquinox, 2021), 0, kCalendarGregorian, record),
              "2021-03-20 CE 09:37");
}

}  // namespace
}  // namespace kalvest
