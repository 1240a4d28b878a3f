// The texts of the display-all grid: which event goes to which cell, the
// names of both hemispheres, the order of the two sun lines, and the
// caption.
#include <gtest/gtest.h>

#include "datetime/date_time_text.h"
#include "datetime/time_zone.h"
#include "datetime/zone_database.h"
#include "run/display_all_texts.h"
#include "run/zone_list.h"
#include "solar/cross_quarter.h"
#include "solar/solar_events.h"

namespace kalvest {
namespace {

TEST(DisplayAllCells, ClockwiseFromTheTopLeft) {
    // Reading order round the grid: 0, 1, 2, 5, 8, 7, 6, 3.
    EXPECT_EQ(CrossQuarterCell(0), 0);
    EXPECT_EQ(EquinoxSolsticeCell(0), 1);
    EXPECT_EQ(CrossQuarterCell(1), 2);
    EXPECT_EQ(EquinoxSolsticeCell(1), 5);
    EXPECT_EQ(CrossQuarterCell(2), 8);
    EXPECT_EQ(EquinoxSolsticeCell(2), 7);
    EXPECT_EQ(CrossQuarterCell(3), 6);
    EXPECT_EQ(EquinoxSolsticeCell(3), 3);
}

TEST(DisplayAllCaption, YearAsTypedAndTheHemisphere) {
    EXPECT_EQ(DisplayAllCaption("2021", false),
              "All dates and times for 2021 CE in the Northern Hemisphere");
    EXPECT_EQ(DisplayAllCaption("+5", true),
              "All dates and times for +5 CE in the Southern Hemisphere");
}

TEST(DisplayAllCellText, TrueSunLineNearerTheOuterEdge) {
    const EventNameTable& n = DefaultEventNames();
    EXPECT_EQ(CrossQuarterCellText(n, false, 0, "T", "M", 0),
              "Imbolc\r\nTrue sun: T GMT\r\nMean sun: M GMT");
    EXPECT_EQ(CrossQuarterCellText(n, false, 1, "T", "M", 330),
              "Beltane\r\nTrue sun: T GMT+05:30\r\nMean sun: M GMT+05:30");
    EXPECT_EQ(CrossQuarterCellText(n, false, 2, "T", "M", -720),
              "Lughnassad\r\nMean sun: M GMT-12:00\r\nTrue sun: T GMT-12:00");
    EXPECT_EQ(CrossQuarterCellText(n, false, 3, "T", "M", 0),
              "Samhain\r\nMean sun: M GMT\r\nTrue sun: T GMT");
    // Southern names move by half a year; the cells stay.
    EXPECT_EQ(CrossQuarterCellText(n, true, 0, "T", "M", 0),
              "Lughnassad\r\nTrue sun: T GMT\r\nMean sun: M GMT");
    EXPECT_EQ(CrossQuarterCellText(n, true, 2, "T", "M", 0),
              "Imbolc\r\nMean sun: M GMT\r\nTrue sun: T GMT");
    EXPECT_EQ(EquinoxSolsticeCellText(n, false, 0, "D", 0), "Spring equinox\r\nD GMT");
    EXPECT_EQ(EquinoxSolsticeCellText(n, true, 0, "D", 0), "Autumn equinox\r\nD GMT");
    EXPECT_EQ(EquinoxSolsticeCellText(n, false, 3, "D", 60), "Winter solstice\r\nD GMT+01:00");
    EXPECT_EQ(EquinoxSolsticeCellText(n, true, 3, "D", 0), "Summer solstice\r\nD GMT");
}

class DisplayAllRun : public ::testing::Test {
protected:
    void SetUp() override { InitPeriodicTerms(); }

    static std::string Text(double jd, std::int16_t zone, std::int16_t calendar) {
        EuroDate record{};
        return DateTimeText(jd, zone, calendar, record);
    }
};

TEST_F(DisplayAllRun, AllEightCellsBothHemispheres) {
    const EventNameTable& n = DefaultEventNames();
    const char* north[9] = {"Imbolc", "Spring equinox", "Beltane", "Winter solstice", "",
                            "Summer solstice", "Samhain", "Autumn equinox", "Lughnassad"};
    const char* south[9] = {"Lughnassad", "Autumn equinox", "Samhain", "Summer solstice", "",
                            "Winter solstice", "Beltane", "Spring equinox", "Imbolc"};
    for (bool southern : {false, true}) {
        SCOPED_TRACE(southern);
        const DisplayAllSelection s{2021, kCalendarGregorian, 0, southern};
        EuroDate record{};
        const auto cells = FillAllCellTexts(n, s, record);
        for (int i = 0; i < 9; ++i) {
            const std::string name = (southern ? south : north)[i];
            EXPECT_EQ(cells[i].substr(0, cells[i].find('\r')), name) << i;
        }
        EXPECT_EQ(cells[kDisplayAllCentreCell], "");
        EXPECT_EQ(cells[1].substr(cells[1].find('\n') + 1), "2021-03-20 CE 09:37 GMT");
        // Both methods in every cross-quarter cell, whatever the main
        // window has ticked; the dates are the run's own.
        for (std::int16_t code = 0; code < 4; ++code) {
            const std::string t = Text(CrossQuarterTrueSun(2021, code), 0, kCalendarGregorian);
            const std::string m = Text(CrossQuarterMeanSun(2021, code), 0, kCalendarGregorian);
            EXPECT_EQ(cells[CrossQuarterCell(code)],
                      CrossQuarterCellText(n, southern, code, t, m, 0));
        }
        // Mean sun of Imbolc 2021 lies between the December solstice of
        // 2020 and the March equinox of 2021.
        EXPECT_NE(cells[0].find("Mean sun: 2021-02-03 CE 21:49 GMT"), std::string::npos);
    }
}

TEST_F(DisplayAllRun, JulianCalendarAndZoneReachEveryLine) {
    const DisplayAllSelection s{2021, kCalendarJulian, 330, false};
    EuroDate record{};
    const auto cells = FillAllCellTexts(DefaultEventNames(), s, record);
    EXPECT_EQ(cells[1], "Spring equinox\r\n2021-03-07 JC 15:07 GMT+05:30");
    for (int i = 0; i < 9; ++i) {
        if (i == kDisplayAllCentreCell) continue;
        std::size_t lines = 0;
        for (std::size_t at = cells[i].find("JC"); at != std::string::npos;
             at = cells[i].find("JC", at + 1)) {
            ++lines;
        }
        EXPECT_EQ(lines, i % 2 == 1 ? 1u : 2u) << i;
    }
    EXPECT_EQ(record.calendar, kCalendarJulian);
}

}  // namespace
}  // namespace kalvest

namespace kalvest {
namespace {

// Through a fixed zone the cells are the window's cells; through a zone
// with summer time each line carries the text of its own instant.
TEST(DisplayAllZoned, FixedZonesGiveTheWindowsCellsAndSummerTimeItsOwn) {
    InitPeriodicTerms();
    for (const std::int16_t minutes : {0, -690, 330, 720}) {
        for (const bool southern : {false, true}) {
            const DisplayAllSelection s{1999, kCalendarJulian, minutes, southern};
            const FixedOffsetZone zone(minutes * 60, ZoneSuffix(minutes).substr(1));
            EuroDate window_record{};
            EuroDate zone_record{};
            EXPECT_EQ(FillAllCellTexts(DefaultEventNames(), s, zone, zone_record),
                      FillAllCellTexts(DefaultEventNames(), s, window_record));
        }
    }
    // Irish summer time from the last Sunday of March to the last of
    // October: the March equinox is in GMT, Beltane in IST.
    const std::unique_ptr<TimeZone> dublin = NamedTimeZone("Europe/Dublin");
    ASSERT_NE(dublin, nullptr);
    EuroDate record{};
    const auto cells = FillAllCellTexts(DefaultEventNames(),
                                        {2024, kCalendarGregorian, 0, false}, *dublin, record);
    EXPECT_EQ(cells[1], "Spring equinox\r\n2024-03-20 CE 03:06 GMT");
    EXPECT_EQ(cells[5], "Summer solstice\r\n2024-06-20 CE 21:50 IST");
    EXPECT_NE(cells[2].find("True sun: 2024-05-05 CE 01:09 IST"), std::string::npos);
}

}  // namespace
}  // namespace kalvest
