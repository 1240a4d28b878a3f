// The Qt-free parts of the main window's run: zone list, event names, line
// layout and the order of the lines.
#include <gtest/gtest.h>

#include "outside/library_error.h"
#include "outside/varquel_binding.h"
#include "run/calculation_run.h"
#include "run/event_names.h"
#include "run/zone_list.h"
#include "solar/solar_events.h"

namespace kalvest {
namespace {

TEST(ZoneList, FortyNineHalfHourEntries) {
    const auto& list = ZoneList();
    ASSERT_EQ(list.size(), 49u);
    EXPECT_EQ(list[0].text, "GMT-12:00");
    EXPECT_EQ(list[0].minutes, -720);
    EXPECT_EQ(list[1].text, "GMT-11:30");
    EXPECT_EQ(list[1].minutes, -690);
    EXPECT_EQ(list[23].text, "GMT-00:30");
    EXPECT_EQ(list[24].text, "GMT");
    EXPECT_EQ(list[25].text, "GMT+00:30");
    EXPECT_EQ(list[26].text, "GMT+01:00");
    EXPECT_EQ(list[47].text, "GMT+11:30");
    EXPECT_EQ(list[47].minutes, 690);
    EXPECT_EQ(list[48].text, "GMT+12:00");
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(ZoneSuffix(list[i].minutes), i == 24 ? " GMT" : " " + list[i].text);
    }
}

TEST(EventNames, TableFromTheCaptions) {
    const EventNameTable& n = DefaultEventNames();
    EXPECT_EQ(n[0][0], "Spring (March) equinox");
    EXPECT_EQ(n[0][3], "Winter (December) solstice");
    EXPECT_EQ(n[1][2], "Lughnassad");
    EXPECT_EQ(n[2][0], "Spring equinox");
    EXPECT_EQ(n[2][2], "Autumn equinox");
    EXPECT_EQ(n[3][0], "Autumn equinox");
    EXPECT_EQ(n[3][1], "Winter solstice");
    EXPECT_EQ(n[3][3], "Summer solstice");
    EXPECT_EQ(n[4][0], "Lughnassad");
    EXPECT_EQ(n[4][1], "Samhain");
    EXPECT_EQ(n[4][2], "Imbolc");
    EXPECT_EQ(n[4][3], "Beltane");
    EXPECT_EQ(StripParenthesized("no parentheses"), "no parentheses");
    EXPECT_EQ(StripParenthesized("End (x)"), "End ");
}

TEST(EventLine, LabelsArePaddedToColumn33) {
    const EventNameTable& n = DefaultEventNames();
    auto line = [&](std::int16_t kind, std::int16_t code, std::int16_t method) {
        return EventLine(n, kind, code, 0, "D", "W", method, false);
    };
    EXPECT_EQ(line(0, 0, kMethodNone), "Spring (March) equinox ........ D GMT\r\n");
    EXPECT_EQ(line(0, 2, kMethodNone), "Autumn (September) equinox .... D GMT\r\n");
    EXPECT_EQ(line(1, 0, kMethodTrueSun), "Imbolc (true sun) ............. D GMT\r\n");
    EXPECT_EQ(line(1, 1, kMethodMeanSun), "Beltane (mean sun) ............ D GMT\r\n");
    EXPECT_EQ(line(1, 2, kMethodMeanSun), "Lughnassad (mean sun) ......... D GMT\r\n");
    // A 31-character label gets no full stops.
    EventNameTable wide = n;
    wide[0][0] = std::string(30, 'x');
    EXPECT_EQ(EventLine(wide, 0, 0, 330, "D", "Monday", kMethodNone, true),
              std::string(30, 'x') + "  D GMT+05:30, Monday\r\n");
}

TEST(RunPlan, TwelveLinesInTheFixedOrder) {
    RunSelection s;
    for (bool& b : s.quarters) b = true;
    for (bool& b : s.cross_quarters) b = true;
    s.true_sun = s.mean_sun = true;
    const std::vector<PlannedLine> plan = PlanRun(s);
    const std::vector<std::array<int, 3>> expected = {
        {1, 0, 0}, {1, 0, 1}, {0, 0, -1}, {1, 1, 0}, {1, 1, 1}, {0, 1, -1},
        {1, 2, 1}, {1, 2, 0}, {0, 2, -1}, {1, 3, 1}, {1, 3, 0}, {0, 3, -1}};
    ASSERT_EQ(plan.size(), expected.size());
    for (std::size_t i = 0; i < plan.size(); ++i) {
        EXPECT_EQ(plan[i].kind, expected[i][0]) << i;
        EXPECT_EQ(plan[i].code, expected[i][1]) << i;
        EXPECT_EQ(plan[i].method, expected[i][2]) << i;
    }
}

TEST(RunPlan, MethodsAndBoxesFilterTheLines) {
    RunSelection s;
    s.quarters[2] = true;
    s.cross_quarters[3] = true;
    s.mean_sun = true;
    const std::vector<PlannedLine> plan = PlanRun(s);
    ASSERT_EQ(plan.size(), 2u);
    EXPECT_EQ(plan[0].kind, kLineEquinoxSolstice);
    EXPECT_EQ(plan[0].code, 2);
    EXPECT_EQ(plan[1].method, kMethodMeanSun);
    EXPECT_EQ(plan[1].code, 3);
}

TEST(RunLines, EquinoxesAndSolsticesOf2021) {
    InitPeriodicTerms();
    RunSelection s;
    s.year = 2021;
    for (bool& b : s.quarters) b = true;
    s.include_weekday = true;
    std::vector<std::string> lines;
    EuroDate record{};
    ProduceRunLines(s, DefaultEventNames(), record,
                    [&](const std::string& l) { lines.push_back(l); });
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "Spring (March) equinox ........ 2021-03-20 CE 09:37 GMT, Saturday\r\n");
    EXPECT_EQ(lines[3], "Winter (December) solstice .... 2021-12-21 CE 15:59 GMT, Tuesday\r\n");
    // The record holds the last line's local date.
    EXPECT_EQ(record.month, 12);
    EXPECT_EQ(record.day, 21);
}

// A library that goes missing in the middle of a run ends it there: the
// lines already handed on stay as they were, the failing line and the
// rest never come.
TEST(RunLines, FailureMidRunKeepsTheLinesBefore) {
    InitPeriodicTerms();
    RunSelection s;
    s.year = 2021;
    for (bool& b : s.quarters) b = true;
    s.cross_quarters[1] = true;
    s.mean_sun = true;
    EuroDate record{};
    std::vector<std::string> whole;
    ProduceRunLines(s, DefaultEventNames(), record,
                    [&](const std::string& l) { whole.push_back(l); });
    ASSERT_EQ(whole.size(), 5u);

    std::vector<std::string> lines;
    EXPECT_THROW(ProduceRunLines(s, DefaultEventNames(), record,
                                 [&](const std::string& l) {
                                     lines.push_back(l);
                                     if (lines.size() == 2) {
                                         UseVarquelLibraryFile("libkalvest-no-such-library.so");
                                     }
                                 }),
                 LibraryError);
    UseVarquelLibraryFile(DefaultVarquelFileName());
    EXPECT_EQ(lines, std::vector<std::string>(whole.begin(), whole.begin() + 2));
}

TEST(RunLines, ZonesMoveEventsAcrossMidnight) {
    InitPeriodicTerms();
    RunSelection s;
    s.year = 2021;
    s.quarters[1] = true;  // 2021-06-21 03:31 UT
    s.zone_minutes = -240;
    std::string text;
    EuroDate record{};
    ProduceRunLines(s, DefaultEventNames(), record, [&](const std::string& l) { text += l; });
    EXPECT_EQ(text, "Summer (June) solstice ........ 2021-06-20 CE 23:31 GMT-04:00\r\n");
    s.quarters[1] = false;
    s.quarters[3] = true;  // 15:59 UT; +09:00 is 00:59 the next day
    s.zone_minutes = 540;
    text.clear();
    ProduceRunLines(s, DefaultEventNames(), record, [&](const std::string& l) { text += l; });
    EXPECT_EQ(text, "Winter (December) solstice .... 2021-12-22 CE 00:59 GMT+09:00\r\n");
}

}  // namespace
}  // namespace kalvest
