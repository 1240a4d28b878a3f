#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "cli/cli.h"
#include "common/program_version.h"

namespace kalvest {
namespace {

struct Result {
    int status;
    std::string out;
    std::string err;
};

Result RunTool(std::vector<std::string> args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(Cli, EquinoxesAndSolsticesWithWeekdays) {
    const Result r =
        RunTool({"2021", "--weekday", "--events", "march,june,september,december"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "Spring (March) equinox ........ 2021-03-20 CE 09:37 GMT, Saturday\n"
              "Summer (June) solstice ........ 2021-06-21 CE 03:31 GMT, Monday\n"
              "Autumn (September) equinox .... 2021-09-22 CE 19:20 GMT, Wednesday\n"
              "Winter (December) solstice .... 2021-12-21 CE 15:59 GMT, Tuesday\n");
    EXPECT_EQ(r.err, "");
}

TEST(Cli, VersionNeedsNoYear) {
    const Result r = RunTool({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, std::string("kalvest-cli ") + kProgramVersion + "\n");
    EXPECT_EQ(r.err, "");
}

TEST(Cli, ZoneAndCalendar) {
    Result r = RunTool({"2021", "--zone", "GMT+05:30", "--events", "march"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')),
              "Spring (March) equinox ........ 2021-03-20 CE 15:07 GMT+05:30");
    r = RunTool({"2021", "--calendar=julian", "--zone=GMT-12:00", "--events=march"});
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')),
              "Spring (March) equinox ........ 2021-03-06 JC 21:37 GMT-12:00");
}

TEST(Cli, WholeRangeOfYears) {
    EXPECT_EQ(RunTool({"-3000"}).status, 0);
    EXPECT_EQ(RunTool({"3000"}).status, 0);
    EXPECT_EQ(RunTool({"0"}).status, 0);
    const Result r = RunTool({"-500", "--calendar", "julian", "--events", "march"});
    EXPECT_EQ(r.out.rfind("Spring (March) equinox ........ -500-03-", 0), 0u) << r.out;
}

TEST(Cli, CsvRows) {
    const Result r = RunTool({"2021", "--csv", "--zone", "GMT+05:30", "--events=march,june,"
                              "september,december"});
    EXPECT_EQ(r.status, 0);
    std::istringstream lines(r.out);
    std::string header;
    std::string first;
    std::getline(lines, header);
    std::getline(lines, first);
    EXPECT_EQ(header, "year,kind,code,method,jd_ut,delta_t_minutes,date,time,zone,weekday");
    EXPECT_EQ(first.rfind("2021,equinox-solstice,0,,", 0), 0u) << first;
    std::istringstream fields(first.substr(25));
    double jd = 0;
    double delta_t = 0;
    char comma = 0;
    fields >> jd >> comma >> delta_t;
    EXPECT_NEAR(jd, 2459293.90091, 1e-5);
    EXPECT_NEAR(delta_t, 1.38107, 1e-5);
    EXPECT_NE(first.find(",2021-03-20 CE,15:07,GMT+05:30,Saturday"), std::string::npos);
    int rows = 0;
    for (std::string row; std::getline(lines, row);) ++rows;
    EXPECT_EQ(rows, 3);
}

TEST(Cli, CrossQuarterDaysByTheMeanSun) {
    const Result r = RunTool({"2021", "--events", "imbolc,march", "--method", "mean", "--weekday"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "Imbolc (mean sun) ............. 2021-02-03 CE 21:49 GMT, Wednesday\n"
              "Spring (March) equinox ........ 2021-03-20 CE 09:37 GMT, Saturday\n");
}

TEST(Cli, AllEventsByBothMethodsInTheRunsOrder) {
    // True before mean in the first half of the year, mean before true in
    // the second; the order of --events does not matter.
    const Result r = RunTool({"2021", "--events=december,samhain,lughnassad,beltane,imbolc"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "Imbolc (true sun) ............. 2021-02-03 CE 14:58 GMT\n"
              "Imbolc (mean sun) ............. 2021-02-03 CE 21:49 GMT\n"
              "Beltane (true sun) ............ 2021-05-05 CE 06:46 GMT\n"
              "Beltane (mean sun) ............ 2021-05-05 CE 18:34 GMT\n"
              "Lughnassad (mean sun) ......... 2021-08-06 CE 23:26 GMT\n"
              "Lughnassad (true sun) ......... 2021-08-07 CE 06:53 GMT\n"
              "Samhain (mean sun) ............ 2021-11-06 CE 17:39 GMT\n"
              "Samhain (true sun) ............ 2021-11-07 CE 04:58 GMT\n"
              "Winter (December) solstice .... 2021-12-21 CE 15:59 GMT\n");
    const Result all = RunTool({"2021"});
    EXPECT_EQ(all.out, RunTool({"2021", "--events", "all", "--method", "both"}).out);
    EXPECT_EQ(std::count(all.out.begin(), all.out.end(), '\n'), 12);
    const Result true_only = RunTool({"2021", "--method=true", "--events", "samhain,june"});
    EXPECT_EQ(true_only.out,
              "Summer (June) solstice ........ 2021-06-21 CE 03:31 GMT\n"
              "Samhain (true sun) ............ 2021-11-07 CE 04:58 GMT\n");
    // The method leaves the equinoxes and solstices alone.
    EXPECT_EQ(RunTool({"2021", "--method", "mean", "--events", "march"}).out,
              RunTool({"2021", "--method", "true", "--events", "march"}).out);
}

std::vector<std::string> CsvFields(const std::string& row) {
    std::vector<std::string> fields;
    std::istringstream text(row);
    for (std::string field; std::getline(text, field, ',');) fields.push_back(field);
    return fields;
}

TEST(Cli, CrossQuarterCsvRowsCarryDeltaTOfTheirOwnYear) {
    const Result r = RunTool({"1", "--csv", "--events", "imbolc,march", "--calendar", "julian"});
    EXPECT_EQ(r.status, 0);
    std::istringstream lines(r.out);
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(lines, line);) rows.push_back(CsvFields(line));
    ASSERT_EQ(rows.size(), 4u);
    const std::vector<std::string> kinds = {"cross-quarter", "cross-quarter", "equinox-solstice"};
    const std::vector<std::string> methods = {"true", "mean", ""};
    for (std::size_t i = 1; i < 4; ++i) {
        ASSERT_GE(rows[i].size(), 10u);
        EXPECT_EQ(rows[i][1], kinds[i - 1]);
        EXPECT_EQ(rows[i][3], methods[i - 1]);
        // Imbolc of year 1 brackets from year 0 but carries Delta T of
        // year 1, the same as the March equinox of year 1.
        EXPECT_EQ(rows[i][5], rows[3][5]);
    }
    EXPECT_EQ(rows[1][6], "1-02-05 JC");
    EXPECT_EQ(rows[2][6], "1-02-05 JC");
}

TEST(Cli, BadArgumentsGiveStatusTwoAndNoOutput) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"abc"},
        {"3001"},
        {"-3001"},
        {"2021", "2022"},
        {"2021", "--zone", "GMT+05:15"},
        {"2021", "--zone", "UTC"},
        {"2021", "--zone"},
        {"2021", "--calendar", "hebrew"},
        {"2021", "--frobnicate"},
        {"20.5"},
        {"99999999999999999999"},
        {"2021", "--events", "yule"},
        {"2021", "--events", "imbolc,,march"},
        {"2021", "--events", ""},
        {"2021", "--events"},
        {"2021", "--method", "median"},
        {"2021", "--method"},
    };
    for (const auto& args : bad) {
        const Result r = RunTool(args);
        EXPECT_EQ(r.status, 2) << (args.empty() ? "" : args[0]);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    EXPECT_NE(RunTool({"2021", "--zone", "UTC"}).err.find("UTC"), std::string::npos);
}

}  // namespace
}  // namespace kalvest
