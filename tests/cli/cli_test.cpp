#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <regex>
#include <sstream>
#include <vector>

#include "cli/cli.h"
#include "common/program_version.h"
#include "ephemeris/modern_delta_t.h"

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
    EXPECT_EQ(header,
              "year,kind,code,method,jd_ut,delta_t_minutes,date,time,zone,weekday,"
              "utc_offset_minutes");
    EXPECT_EQ(first.rfind("2021,equinox-solstice,0,,", 0), 0u) << first;
    std::istringstream fields(first.substr(25));
    double jd = 0;
    double delta_t = 0;
    char comma = 0;
    fields >> jd >> comma >> delta_t;
    EXPECT_NEAR(jd, 2459293.90091, 1e-5);
    EXPECT_NEAR(delta_t, 1.38107, 1e-5);
    EXPECT_NE(first.find(",2021-03-20 CE,15:07,GMT+05:30,Saturday,330"), std::string::npos);
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

// The new arguments: each bad one is named in the one line on standard
// error.
TEST(Cli, BadRangesZonesAndFormatsNameTheArgument) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> bad = {
        {{"2030..1990"}, "2030..1990"},
        {{"1..2..3"}, "2..3"},
        {{"5.."}, "YEARS"},
        {{"..5"}, "YEARS"},
        {{"1990..3001"}, "3001"},
        {{"2021", "--tz", "Mars/Olympus_Mons"}, "Mars/Olympus_Mons"},
        {{"2021", "--tz"}, "--tz"},
        {{"2021", "--tz", ""}, "--tz"},
        {{"2021", "--tz", "UTC", "--zone", "GMT"}, "--tz"},
        {{"2021", "--format", "xml"}, "xml"},
        {{"2021", "--format"}, "--format"},
        {{"2021", "--csv", "--format", "json"}, "--csv"},
        {{"2021", "--southern"}, "--southern"},
        {{"2021", "--grid", "--events", "march"}, "--events"},
        {{"2021", "--grid", "--weekday"}, "--weekday"},
        {{"2021", "--grid", "--format", "ics"}, "--grid"},
        {{"-5..0", "--format", "ics"}, "iCalendar"},
        {{"2021", "--calendar"}, "--calendar"},
        {{"2021", "--terms", "--events", "march"}, "--events"},
        {{"2021", "--terms", "--grid"}, "--grid"},
        {{"2021", "--moon", "--eclipses"}, "--moon"},
        {{"2021", "--moon", "--grid"}, "--moon"},
        {{"2021", "--eclipses", "--events", "march"}, "--eclipses"},
        {{"2021", "--moon", "--method", "mean"}, "--moon"},
        {{"2021", "--moon", "--southern"}, "--southern"},
        {{"-1..0", "--moon", "--format", "ics"}, "iCalendar"},
        {{"2021", "--moon", "--terms"}, "--terms"},
        {{"2025", "--wheel", "wheel.jpg"}, "wheel.jpg"},
        {{"2025", "--wheel", "wheel"}, "'wheel'"},
        {{"2025", "--wheel"}, "--wheel"},
        {{"2024..2025", "--wheel", "wheel.png"}, "one year"},
        {{"2025", "--wheel", "wheel.svg", "--size", "800"}, "PNG"},
        {{"2025", "--wheel", "wheel.png", "--size", "199"}, "199"},
        {{"2025", "--wheel", "wheel.png", "--size", "8001"}, "8001"},
        {{"2025", "--wheel", "wheel.png", "--size", "wide"}, "--size"},
        {{"2025", "--size", "800"}, "--size"},
        {{"2025", "--wheel", "wheel.png", "--format", "csv"}, "--format"},
        {{"2025", "--wheel", "wheel.png", "--csv"}, "--csv"},
        {{"2025", "--wheel", "wheel.png", "--events", "march"}, "--events"},
        {{"2025", "--wheel", "wheel.png", "--eclipses"}, "--eclipses"},
        {{"2025", "--wheel", "wheel.png", "--grid"}, "--grid"},
        {{"2025", "--wheel", "wheel.png", "--seconds"}, "--seconds"},
        {{"2024", "--alarm", "1d"}, "--format ics"},
        {{"2024", "--alarm", "1d", "--format", "csv"}, "--format ics"},
        {{"2024", "--format", "ics", "--alarm", "5y"}, "'5y'"},
        {{"2024", "--format", "ics", "--alarm", "29d"}, "four weeks"},
        {{"2024", "--format", "ics", "--alarm"}, "--alarm"},
        {{"2025", "--wheel", "wheel.png", "--alarm", "1d"}, "--alarm"},
    };
    for (const auto& [args, named] : bad) {
        const Result r = RunTool(args);
        EXPECT_EQ(r.status, 2) << args[0] << " " << named;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_NE(r.err.find(named), std::string::npos) << r.err;
    }
}

// Found by fuzzing the parser: a bad argument that holds a line break
// (or another control character) was quoted as it was, so the one line on
// standard error became several.
TEST(Cli, BadArgumentWithControlCharactersIsReportedOnOneLine) {
    const std::vector<std::vector<std::string>> bad = {
        {"20\n24"},
        {"2024", "--events", "march\r\nimbolc"},
        {"2024", "--tz", "Europe/\nDublin"},
        {"2024", "--format", "\x1B[2Jcsv"},
    };
    for (const auto& args : bad) {
        const Result r = RunTool(args);
        EXPECT_EQ(r.status, 2);
        ASSERT_FALSE(r.err.empty());
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
        EXPECT_TRUE(std::none_of(r.err.begin(), r.err.end() - 1, [](char c) {
            return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
        })) << r.err;
    }
}

// --wheel hands the layout of the year to the program's painter, with the
// file, its format and its width; a failure to write is one line and
// status 1.
TEST(Cli, WheelHandsTheYearsLayoutToThePainter) {
    struct Call {
        WheelLayout layout;
        std::string path;
        WheelPictureFormat format;
        int width;
    };
    std::vector<Call> calls;
    std::string failure;
    const WheelPictureWriter writer = [&](const WheelLayout& layout, const std::string& path,
                                          WheelPictureFormat format, int width) {
        calls.push_back({layout, path, format, width});
        return failure;
    };
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCli({"2025", "--wheel", "w.PNG", "--moon", "--terms", "--southern", "--calendar",
                      "julian", "--zone", "GMT+05:30", "--size", "900"},
                     out, err, writer),
              0);
    EXPECT_EQ(RunCli({"2025", "--wheel", "w.pdf", "--tz", "Europe/Dublin"}, out, err, writer), 0);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].path, "w.PNG");
    EXPECT_EQ(calls[0].format, WheelPictureFormat::kPng);
    EXPECT_EQ(calls[0].width, 900);
    EXPECT_EQ(calls[0].layout.title, "The wheel of the year 2025 JC");
    EXPECT_EQ(calls[0].layout.subtitle, "Julian calendar, GMT+05:30, Southern Hemisphere");
    EXPECT_EQ(calls[0].layout.quarters[0].name, "Autumn equinox");
    EXPECT_GE(calls[0].layout.moons.size(), 24u);  // new and full moons
    EXPECT_LE(calls[0].layout.moons.size(), 26u);
    EXPECT_EQ(calls[0].layout.terms.size(), 24u);
    EXPECT_EQ(calls[1].format, WheelPictureFormat::kPdf);
    EXPECT_EQ(calls[1].width, kWheelDefaultPngWidth);
    EXPECT_EQ(calls[1].layout.subtitle, "Gregorian calendar, Europe/Dublin, Northern Hemisphere");
    EXPECT_EQ(calls[1].layout.quarters[1].time_text.substr(20), "IST");
    EXPECT_TRUE(calls[1].layout.moons.empty());
    // --precise draws the precise wheel: its equinox is the precise listing's.
    EXPECT_EQ(RunCli({"2025", "--wheel", "w.svg", "--precise"}, out, err, writer), 0);
    EXPECT_EQ(calls.back().layout.quarters[0].time_text,
              RunTool({"2025", "--precise", "--events", "march"}).out.substr(32, 23));

    failure = "Permission denied";
    EXPECT_EQ(RunCli({"2025", "--wheel", "/w.svg"}, out, err, writer), 1);
    EXPECT_EQ(err.str(), "kalvest-cli: --wheel: cannot write '/w.svg': Permission denied\n");
    // A tool built without the painter says so.
    const Result r = RunTool({"2025", "--wheel", "w.svg"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "kalvest-cli: --wheel: this build draws no pictures\n");
}

TEST(Cli, HelpListsEveryOptionAndVersionTheProgramsNumber) {
    const Result help = RunTool({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    for (const char* option : {"YEARS", "--events", "--method", "--calendar", "--zone", "--tz",
                               "--weekday", "--format", "--csv", "--grid", "--southern",
                               "--moon", "--eclipses", "--version", "--help", "LMT", "local mean time",
                               "--terms", "penumbral_end", "method (classical", "stay classical",
                               "--precise", "--seconds", "(pingqi)", "24 equal parts",
                               "Stephenson, Morrison and Hohenkerk", "measured values",
                               "--wheel", "--size", ".svg, .png, .pdf"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
    // Every option comes with an example: it appears again after its
    // description.
    for (const char* option : {"--events ", "--method ", "--calendar ", "--zone ", "--tz ",
                               "--weekday", "--format ", "--csv", "--grid", "--southern",
                               "--moon", "--eclipses", "--version", "--help", "--terms", "--precise", "--seconds",
                               "--wheel ", "--size "}) {
        std::size_t examples = 0;
        for (std::size_t at = help.out.find(option); at != std::string::npos;
             at = help.out.find(option, at + 1)) {
            ++examples;
        }
        EXPECT_GE(examples, 2u) << option;
    }
    EXPECT_EQ(RunTool({"2021", "-h"}).out, help.out);
    const Result version = RunTool({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("kalvest-cli ") + kProgramVersion + "\n");
}

TEST(Cli, NamedZonesWithSummerTime) {
    // March in Irish winter time (GMT), June in Irish summer time.
    Result r = RunTool({"2024", "--tz", "Europe/Dublin", "--events", "march,june"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "Spring (March) equinox ........ 2024-03-20 CE 03:06 GMT\n"
              "Summer (June) solstice ........ 2024-06-20 CE 21:50 IST\n");
    // Half-hour summer time, quarter-hour zones, and local mean time with
    // its seconds as a fraction of a minute.
    r = RunTool({"2024", "--tz", "Australia/Lord_Howe", "--events", "march,june", "--csv"});
    EXPECT_NE(r.out.find("2024-03-20 CE,14:06,+11,Wednesday,660\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("2024-06-21 CE,07:20,+1030,Friday,630\n"), std::string::npos) << r.out;
    r = RunTool({"2024", "--tz", "Asia/Kathmandu", "--events", "december"});
    EXPECT_EQ(r.out, "Winter (December) solstice .... 2024-12-21 CE 15:05 +0545\n");
    r = RunTool({"1850", "--tz", "Europe/Dublin", "--events", "march", "--csv"});
    EXPECT_NE(r.out.find(",22:36,LMT,Wednesday,-25.35\n"), std::string::npos) << r.out;
#if !defined(_WIN32)
    // local follows TZ.
    const char* old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    setenv("TZ", "Europe/Dublin", 1);
    EXPECT_EQ(RunTool({"2024", "--tz", "local", "--events", "march,june"}).out,
              RunTool({"2024", "--tz", "Europe/Dublin", "--events", "march,june"}).out);
    setenv("TZ", "no zone at all", 1);
    r = RunTool({"2024", "--tz", "local"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("TZ="), std::string::npos);
    if (old) {
        setenv("TZ", saved.c_str(), 1);
    } else {
        unsetenv("TZ");
    }
#endif
}

TEST(Cli, RangesRunYearAfterYear) {
    Result r = RunTool({"2020..2022", "--events", "march"});
    EXPECT_EQ(r.out,
              "Spring (March) equinox ........ 2020-03-20 CE 03:49 GMT\n"
              "--------------------\n"
              "Spring (March) equinox ........ 2021-03-20 CE 09:37 GMT\n"
              "--------------------\n"
              "Spring (March) equinox ........ 2022-03-20 CE 15:33 GMT\n");
    r = RunTool({"-3000..3000", "--csv", "--events", "december"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 6002);
    EXPECT_EQ(RunTool({"1990..1990"}).out, RunTool({"1990"}).out);
    EXPECT_EQ(RunTool({"2021", "--csv"}).out, RunTool({"2021", "--format", "csv"}).out);
    EXPECT_EQ(RunTool({"2021", "--csv", "--format=csv"}).status, 0);
}

TEST(Cli, JsonHasTheCsvFieldsAndIsoUtc) {
    const Result r = RunTool({"0..1", "--format", "json", "--events", "imbolc,june"});
    EXPECT_EQ(r.status, 0);
    const nlohmann::json json = nlohmann::json::parse(r.out);
    ASSERT_EQ(json.size(), 6u);
    EXPECT_TRUE(json[0]["iso_utc"].is_null());  // year 0
    EXPECT_TRUE(json[2]["method"].is_null());    // the solstice
    EXPECT_EQ(json[3]["year"], 1);
    EXPECT_EQ(json[3]["method"], "true");
    EXPECT_EQ(json[3]["zone"], "GMT");
    EXPECT_EQ(json[3]["utc_offset_minutes"], 0);
    const std::string iso = json[3]["iso_utc"];
    EXPECT_EQ(iso.substr(0, 11), "0001-02-03T");
    EXPECT_EQ(iso.substr(11, 5), json[3]["time"].get<std::string>());
}

TEST(Cli, ICalendarLeavesOutYearsBeforeOneWithANote) {
    Result r = RunTool({"2024..2026", "--format", "ics"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    std::size_t events = 0;
    for (std::size_t at = r.out.find("BEGIN:VEVENT"); at != std::string::npos;
         at = r.out.find("BEGIN:VEVENT", at + 1)) {
        ++events;
    }
    EXPECT_EQ(events, 36u);
    r = RunTool({"-1..1", "--format", "ics"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("UID:1-equinox-solstice-3@kalvest\r\n"), std::string::npos);
    EXPECT_EQ(r.out.find("UID:0-"), std::string::npos);
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
    EXPECT_NE(r.err.find("24 events"), std::string::npos) << r.err;
}

TEST(Cli, GridIsTheDisplayAllWindowsCells) {
    Result r = RunTool({"2021", "--grid"});
    EXPECT_EQ(r.status, 0);
    std::istringstream lines(r.out);
    std::string caption;
    std::getline(lines, caption);
    EXPECT_EQ(caption, "All dates and times for 2021 CE in the Northern Hemisphere");
    for (const char* text : {"| Imbolc ", "| True sun: 2021-02-03 CE 14:58 GMT |",
                             "| Spring equinox ", "| Read clockwise from top left |",
                             "| 2021-12-21 CE 15:59 GMT "}) {
        EXPECT_NE(r.out.find(text), std::string::npos) << text;
    }
    r = RunTool({"2021..2022", "--grid", "--southern", "--tz", "Australia/Sydney"});
    EXPECT_NE(r.out.find("in the Southern Hemisphere\n"), std::string::npos);
    EXPECT_NE(r.out.find("| Lughnassad "), std::string::npos);
    EXPECT_NE(r.out.find("AEDT"), std::string::npos);
    EXPECT_NE(r.out.find("\n--------------------\nAll dates and times for 2022"),
              std::string::npos);
}

// ERFA with the measured Delta T puts the March equinox of 2021 at
// 09:37:28.6 UT; the series, to the minute, at 09:37.
TEST(Cli, PreciseMarchEquinoxToTheSecond) {
    const Result r = RunTool({"2021", "--precise", "--seconds", "--events", "march"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Spring (March) equinox ........ 2021-03-20 CE 09:37:28 GMT\n");
    EXPECT_EQ(RunTool({"2021", "--precise", "--events", "march"}).out,
              "Spring (March) equinox ........ 2021-03-20 CE 09:37 GMT\n");
}

// The output with the seconds of every time cut off, and the grid's
// columns, which the seconds widen, narrowed to their text.
std::string WithoutSeconds(const std::string& text) {
    const std::regex with_seconds("([ ,\"])([0-9]{2}:[0-9]{2}):[0-9]{2}");
    const std::regex grid_padding(" +\\|");
    const std::regex grid_rule("-{2,}");
    return std::regex_replace(
        std::regex_replace(std::regex_replace(text, with_seconds, "$1$2"), grid_padding, " |"),
        grid_rule, "-");
}

// Every time of every format, the grid and the solar terms included, gains
// its seconds, and nothing else changes: with them cut off again the
// output is the output without --seconds.
TEST(Cli, SecondsAddSecondsToEveryTimeAndNothingElse) {
    const std::vector<std::vector<std::string>> runs = {
        {"1..40", "--weekday"},
        {"1840..1860", "--tz", "Europe/Dublin", "--csv"},
        {"-60..-40", "--calendar", "julian", "--zone", "GMT-12:00", "--format", "json"},
        {"1990..2030", "--tz", "Australia/Lord_Howe", "--precise"},
        {"2020..2022", "--grid", "--southern", "--tz", "America/St_Johns"},
        {"2021", "--grid", "--precise"},
        {"2024..2026", "--terms", "--tz", "Asia/Shanghai", "--weekday"},
        {"1..3", "--terms", "--precise", "--calendar", "julian", "--format", "json"},
        {"2999..3000", "--terms", "--method", "mean", "--csv"},
        {"2025", "--moon", "--tz", "Europe/Dublin", "--weekday"},
        {"2025..2026", "--eclipses", "--format", "json"},
        {"2025", "--moon", "--precise", "--tz", "Asia/Kathmandu"},
    };
    for (std::vector<std::string> args : runs) {
        const Result minutes = RunTool(args);
        args.push_back("--seconds");
        const Result seconds = RunTool(args);
        EXPECT_EQ(seconds.status, 0) << args[0];
        EXPECT_NE(seconds.out, minutes.out) << args[0];
        EXPECT_EQ(WithoutSeconds(seconds.out), WithoutSeconds(minutes.out)) << args[0];
        // No time to the minute is left.
        EXPECT_FALSE(std::regex_search(seconds.out, std::regex("[ ,\"][0-9]{2}:[0-9]{2}[^:0-9]")))
            << args[0];
    }
}

std::vector<std::vector<std::string>> CsvRows(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) rows.push_back(CsvFields(line));
    return rows;
}

// --precise moves each instant by what separates the series from the
// Sun's longitude (up to a minute) and varquel's Delta T from the modern
// one (up to half a minute by 2100). The rows stay the same, and each
// carries the modern Delta T of its instant.
TEST(Cli, PreciseStaysNearTheWindowsInstants) {
    const auto series = CsvRows(RunTool({"1900..2100", "--csv"}).out);
    const auto precise = CsvRows(RunTool({"1900..2100", "--csv", "--precise"}).out);
    ASSERT_EQ(series.size(), 1u + 201u * 12u);
    ASSERT_EQ(precise.size(), series.size());
    EXPECT_EQ(precise[0], series[0]);
    double worst = 0.0;
    for (std::size_t i = 1; i < series.size(); ++i) {
        for (std::size_t column : {0, 1, 2, 3}) EXPECT_EQ(precise[i][column], series[i][column]);
        const double jd = std::stod(precise[i][4]);
        const double off = (jd - std::stod(series[i][4])) * 86400.0;
        worst = std::fmax(worst, std::fabs(off));
        EXPECT_LT(std::fabs(off), 90.0) << series[i][0] << " " << series[i][1] << " "
                                        << series[i][2] << " " << series[i][3];
        EXPECT_NEAR(std::stod(precise[i][5]), ModernDeltaTSecondsAt(jd) / 60.0, 1e-6);
    }
    std::cout << "1900..2100: --precise within " << worst << " s of the window's instants\n";
}

TEST(Cli, TermsOfAYearByBothMethodsInBeijingTime) {
    const Result r = RunTool({"2025", "--terms", "--method", "both", "--tz", "Asia/Shanghai"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    std::vector<std::string> lines;
    std::istringstream text(r.out);
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    // Each term by both methods (the listing's own tests check the order
    // and the fields).
    ASSERT_EQ(lines.size(), 48u);
    EXPECT_EQ(lines[4], "315° 立春         Lìchūn       Start of Spring       true sun  "
                        "2025-02-03 CE 22:10 CST  Imbolc");
    EXPECT_EQ(lines[8].substr(0, 33), "345° 惊蛰 / 驚蟄  Jīngzhé ");

    // One method alone is the same lines without the other's; a range sets
    // its years apart.
    const Result true_sun =
        RunTool({"2025", "--terms", "--method", "true", "--tz", "Asia/Shanghai"});
    std::string only_true;
    for (const std::string& line : lines) {
        if (line.find("  true sun  ") != std::string::npos) only_true += line + "\n";
    }
    EXPECT_EQ(true_sun.out, only_true);
    const Result range = RunTool({"2024..2025", "--terms", "--csv"});
    EXPECT_EQ(std::count(range.out.begin(), range.out.end(), '\n'), 1 + 96);
    EXPECT_EQ(range.out.substr(0, range.out.find('\n')),
              "year,solar_longitude,name,pinyin,english,turning_point,method,jd_ut,"
              "delta_t_minutes,date,time,zone,weekday,utc_offset_minutes,hanzi,"
              "hanzi_traditional");
    EXPECT_NE(range.out.find(",Jingzhe,Jīngzhé,Awakening of Insects,"), std::string::npos);
    EXPECT_NE(range.out.find(",惊蛰,驚蟄\n"), std::string::npos);
    EXPECT_NE(RunTool({"2024..2025", "--terms"}).out.find("\n--------------------\n285° "),
              std::string::npos);
}

// --alarm: the same calendar with one reminder in every event, the
// eclipses' spans included.
TEST(Cli, AlarmGivesEveryCalendarEventItsReminder) {
    for (const auto& [span, trigger] :
         std::vector<std::pair<std::string, std::string>>{{"1d", "-P1D"}, {"PT30M", "-PT30M"},
                                                          {"36h", "-P1DT12H"}}) {
        for (const char* listing : {"", "--terms", "--moon"}) {
            std::vector<std::string> args = {"2024..2026", "--format", "ics"};
            if (*listing) args.push_back(listing);
            const Result plain = RunTool(args);
            args.insert(args.end(), {"--alarm", span});
            const Result alarmed = RunTool(args);
            ASSERT_EQ(alarmed.status, 0) << alarmed.err;
            std::size_t events = 0;
            std::size_t alarms = 0;
            std::istringstream lines(alarmed.out);
            std::string stripped;
            bool in_alarm = false;
            for (std::string line; std::getline(lines, line);) {
                events += line == "BEGIN:VEVENT\r";
                alarms += line == "TRIGGER:" + trigger + "\r";
                if (line == "BEGIN:VALARM\r") in_alarm = true;
                if (!in_alarm && line.rfind("DTSTAMP:", 0) != 0) stripped += line + "\n";
                if (line == "END:VALARM\r") in_alarm = false;
            }
            EXPECT_GT(events, 30u) << listing;
            EXPECT_EQ(alarms, events) << listing << " " << span;
            // Without its reminders, the file is the one without --alarm.
            std::string plain_stripped;
            std::istringstream plain_lines(plain.out);
            for (std::string line; std::getline(plain_lines, line);) {
                if (line.rfind("DTSTAMP:", 0) != 0) plain_stripped += line + "\n";
            }
            EXPECT_EQ(stripped, plain_stripped) << listing;
        }
    }
}

// The eclipses of 2025 on Irish clocks: the two total lunar eclipses with
// their contacts, and the two partial solar eclipses by their kind alone.
TEST(Cli, EclipsesOf2025InIrishTime) {
    const Result r = RunTool({"2025", "--eclipses", "--tz", "Europe/Dublin"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "Full moon ..................... 2025-03-14 CE 06:54 GMT\n"
              "  Total lunar eclipse, umbral magnitude 1.175\n"
              "    Penumbral phase begins .... 2025-03-14 CE 03:59 GMT\n"
              "    Partial phase begins ...... 2025-03-14 CE 05:10 GMT\n"
              "    Total phase begins ........ 2025-03-14 CE 06:27 GMT\n"
              "    Greatest eclipse .......... 2025-03-14 CE 06:59 GMT\n"
              "    Total phase ends .......... 2025-03-14 CE 07:31 GMT\n"
              "    Partial phase ends ........ 2025-03-14 CE 08:47 GMT\n"
              "    Penumbral phase ends ...... 2025-03-14 CE 09:59 GMT\n"
              "New moon ...................... 2025-03-29 CE 10:57 GMT\n"
              "  Partial solar eclipse\n"
              "Full moon ..................... 2025-09-07 CE 19:08 IST\n"
              "  Total lunar eclipse, umbral magnitude 1.361\n"
              "    Penumbral phase begins .... 2025-09-07 CE 16:29 IST\n"
              "    Partial phase begins ...... 2025-09-07 CE 17:27 IST\n"
              "    Total phase begins ........ 2025-09-07 CE 18:30 IST\n"
              "    Greatest eclipse .......... 2025-09-07 CE 19:11 IST\n"
              "    Total phase ends .......... 2025-09-07 CE 19:52 IST\n"
              "    Partial phase ends ........ 2025-09-07 CE 20:55 IST\n"
              "    Penumbral phase ends ...... 2025-09-07 CE 21:54 IST\n"
              "New moon ...................... 2025-09-21 CE 20:53 IST\n"
              "  Partial solar eclipse\n");
}

// Every phase over a range, in the window's zones and calendars; the
// formats take the moon listing (the iCalendar file is checked by
// icalendar_check.py).
TEST(Cli, MoonPhasesOverARangeAsTextCsvAndJson) {
    Result r = RunTool({"2024..2025", "--moon", "--zone", "GMT+05:30", "--weekday"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("Last quarter .................. 2024-01-04 CE 09:00 GMT+05:30, "
                          "Thursday\n",
                          0),
              0u)
        << r.out.substr(0, 80);
    EXPECT_NE(r.out.find("\n--------------------\nFirst quarter ................. 2025-01-07 CE"),
              std::string::npos);

    r = RunTool({"2025", "--moon", "--csv", "--calendar", "julian"});
    std::istringstream lines(r.out);
    std::string header;
    std::getline(lines, header);
    EXPECT_EQ(header.rfind("year,lunation,phase,jde,jd_ut,delta_t_minutes,date,time,zone,weekday,"
                           "utc_offset_minutes,eclipse,eclipse_kind,saros,greatest_jd_ut,",
                           0),
              0u);
    int eclipses = 0;
    for (std::string row; std::getline(lines, row);) eclipses += CsvFields(row)[11] != "0";
    EXPECT_EQ(eclipses, 4);

    r = RunTool({"2025", "--eclipses", "--format", "json", "--tz", "Europe/Dublin"});
    const nlohmann::json json = nlohmann::json::parse(r.out);
    ASSERT_EQ(json.size(), 4u);
    EXPECT_EQ(json[2]["eclipse"], 10);
    EXPECT_EQ(json[2]["total_end_local"], "2025-09-07 CE 19:52 IST");
    EXPECT_TRUE(json[3]["mag_umbral"].is_null());  // a solar eclipse
    EXPECT_EQ(json[3]["iso_utc"].get<std::string>().substr(0, 16), "2025-09-21T19:53");
}

// --moon --precise: the phases of 2025 to the second, as DE431 has them
// in TT less the modern Delta T; the classical lines carry the series'
// error and the window's Delta T. An eclipse keeps its classical kind and
// magnitude. CSV and JSON end with the method, classical by default.
TEST(Cli, PreciseMoonPhasesOf2025) {
    const Result r = RunTool({"2025", "--moon", "--precise", "--seconds", "--tz", "UTC"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.substr(0, 4 * 59),
              "First quarter ................. 2025-01-06 CE 23:56:17 UTC\n"
              "Full moon ..................... 2025-01-13 CE 22:26:54 UTC\n"
              "Last quarter .................. 2025-01-21 CE 20:30:47 UTC\n"
              "New moon ...................... 2025-01-29 CE 12:35:58 UTC\n");
    const std::string eclipses = RunTool({"2025", "--eclipses", "--precise"}).out;
    EXPECT_NE(eclipses.find("\n  Total lunar eclipse, umbral magnitude 1.175\n"),
              std::string::npos);
    const auto classical = CsvRows(RunTool({"2025", "--moon", "--csv"}).out);
    const auto precise = CsvRows(RunTool({"2025", "--moon", "--csv", "--precise"}).out);
    ASSERT_EQ(precise.size(), classical.size());
    EXPECT_EQ(classical[0].back(), "method");
    EXPECT_EQ(classical[1].back(), "classical");
    EXPECT_EQ(precise[1].back(), "precise");
    const nlohmann::json json =
        nlohmann::json::parse(RunTool({"2025", "--eclipses", "--precise", "--format", "json"}).out);
    EXPECT_EQ(json[0]["method"], "precise");
}

}  // namespace
}  // namespace kalvest
