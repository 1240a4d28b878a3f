// The export plan, the one path of kalvest-cli's listings and the window's
// export dialog: one kind is its listing unchanged, several are joined
// under the union of their columns, and a reminder puts one VALARM into
// every calendar event.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "datetime/time_zone.h"
#include "datetime/zone_database.h"
#include "export/csv_writer.h"
#include "export/export_plan.h"
#include "export/icalendar_writer.h"
#include "export/moon_listing.h"
#include "export/solar_listing.h"
#include "export/solar_term_listing.h"
#include "export/text_writer.h"
#include "run/run_messages.h"
#include "solar/solar_events.h"

namespace kalvest {
namespace {

constexpr double kStamp = 2460000.5;

ExportPlan Plan(ExportFormat format) {
    ExportPlan plan;
    plan.first_year = 2024;
    plan.last_year = 2026;
    std::fill(std::begin(plan.selection.quarters), std::end(plan.selection.quarters), true);
    std::fill(std::begin(plan.selection.cross_quarters), std::end(plan.selection.cross_quarters),
              true);
    plan.selection.true_sun = plan.selection.mean_sun = true;
    plan.format = format;
    return plan;
}

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++count;
    }
    return count;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// One kind: exactly what its own listing writes, for every format.
TEST(ExportPlan, OneKindIsItsListingAsItIs) {
    InitPeriodicTerms();
    const std::unique_ptr<TimeZone> dublin = NamedTimeZone("Europe/Dublin");
    ASSERT_NE(dublin, nullptr);
    ExportPlan plan = Plan(ExportFormat::kText);
    plan.turning_points = true;
    plan.precision = TimePrecision::kSeconds;
    const EventList solar =
        SolarEventListing({2024, 2026, plan.selection, false, TimePrecision::kSeconds}, *dublin,
                          DefaultEventNames());
    EXPECT_EQ(WriteExport(plan, *dublin, DefaultEventNames(), kStamp).text,
              TextLines(solar, ExportSeparatorLine()));
    plan.format = ExportFormat::kCsv;
    EXPECT_EQ(WriteExport(plan, *dublin, DefaultEventNames(), kStamp).text, CsvText(solar));

    plan.turning_points = false;
    plan.solar_terms = true;
    plan.selection.mean_sun = false;
    SolarTermListingRequest terms;
    terms.first_year = 2024;
    terms.last_year = 2026;
    terms.mean_sun = false;
    terms.precision = TimePrecision::kSeconds;
    EXPECT_EQ(WriteExport(plan, *dublin, DefaultEventNames(), kStamp).text,
              CsvText(SolarTermListing(terms, *dublin, DefaultEventNames())));

    plan.solar_terms = false;
    plan.eclipses = true;  // the eclipses alone
    MoonListingRequest moon{2024, 2026, kCalendarGregorian, true, false, TimePrecision::kSeconds};
    plan.format = ExportFormat::kICalendar;
    const ICalendarFile calendar = ICalendarText(
        MoonEventListing(moon, *dublin), {"-//Orvanth Systems//Kalvest 7.0//EN", "Kalvest", kStamp,
                                          std::nullopt});
    EXPECT_EQ(WriteExport(plan, *dublin, DefaultEventNames(), kStamp).text, calendar.text);
}

// Every kind at once: the turning points, then the terms, then the Moon,
// under one header; each row says its listing and leaves the others'
// columns empty.
TEST(ExportPlan, SeveralKindsShareTheUnionOfTheirColumns) {
    InitPeriodicTerms();
    const FixedOffsetZone zone(8 * 3600, "GMT+08:00");
    ExportPlan plan = Plan(ExportFormat::kCsv);
    plan.turning_points = plan.solar_terms = plan.moon_phases = plan.eclipses = true;
    EXPECT_EQ(ExportListingCount(plan), 3);
    const std::vector<std::string> lines =
        Lines(WriteExport(plan, zone, DefaultEventNames(), kStamp).text);
    const std::string header = lines.at(0);
    EXPECT_EQ(header.rfind("listing,year,kind,code,method,jd_ut,", 0), 0u) << header;
    for (const char* column : {",solar_longitude,", ",hanzi_traditional", ",lunation,",
                               ",penumbral_end_local"}) {
        EXPECT_NE(header.find(column), std::string::npos) << column;
    }
    std::size_t solar = 0, terms = 0, moon = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        solar += lines[i].rfind("turning_points,", 0) == 0;
        terms += lines[i].rfind("solar_terms,", 0) == 0;
        moon += lines[i].rfind("moon,", 0) == 0;
        EXPECT_EQ(Count(lines[i], ","), Count(header, ",")) << lines[i];
    }
    EXPECT_EQ(solar, 3u * 12u);
    EXPECT_EQ(terms, 3u * 48u);
    EXPECT_GE(moon, 3u * 49u);
    EXPECT_EQ(solar + terms + moon, lines.size() - 1);
    // The listings keep their order: all turning points, then the terms.
    EXPECT_EQ(lines[1].rfind("turning_points,2024,", 0), 0u);
    // Each column in its one place: the terms' angle stands after the
    // turning points' columns, which a term leaves empty.
    EXPECT_EQ(lines[1 + solar].rfind("solar_terms,2024,,,true,", 0), 0u) << lines[1 + solar];

    plan.format = ExportFormat::kJson;
    const nlohmann::json rows =
        nlohmann::json::parse(WriteExport(plan, zone, DefaultEventNames(), kStamp).text);
    ASSERT_EQ(rows.size(), lines.size() - 1);
    EXPECT_EQ(rows[0]["listing"], "turning_points");
    EXPECT_TRUE(rows[0]["hanzi"].is_null());
    EXPECT_EQ(rows[solar]["hanzi"], "小寒");
}

// The reminder: a VALARM with the trigger in every event, eclipse spans
// included; the phases without the eclipses leave those spans out.
TEST(ExportPlan, AReminderInEveryCalendarEvent) {
    InitPeriodicTerms();
    const std::unique_ptr<TimeZone> dublin = NamedTimeZone("Europe/Dublin");
    ExportPlan plan = Plan(ExportFormat::kICalendar);
    plan.turning_points = plan.solar_terms = plan.moon_phases = plan.eclipses = true;
    plan.reminder = Reminder{24 * 60};
    const std::string text = WriteExport(plan, *dublin, DefaultEventNames(), kStamp).text;
    const std::size_t events = Count(text, "BEGIN:VEVENT\r\n");
    EXPECT_GT(events, 3u * (12u + 48u + 49u));
    EXPECT_EQ(Count(text, "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:"), events);
    EXPECT_EQ(Count(text, "TRIGGER:-P1D\r\nEND:VALARM\r\nEND:VEVENT\r\n"), events);
    // The lunar eclipses of 2024..2026, penumbral ones included, from the
    // first to the last contact.
    const std::size_t spans = Count(text, "DTEND:");
    EXPECT_EQ(spans, 6u);
    EXPECT_EQ(Count(text, "-eclipse@kalvest"), spans);
    plan.eclipses = false;
    const std::string phases = WriteExport(plan, *dublin, DefaultEventNames(), kStamp).text;
    EXPECT_EQ(Count(phases, "DTEND:"), 0u);
    EXPECT_EQ(Count(phases, "BEGIN:VEVENT"), events - spans);
    plan.reminder.reset();
    EXPECT_EQ(Count(WriteExport(plan, *dublin, DefaultEventNames(), kStamp).text, "VALARM"), 0u);
}

TEST(ExportPlan, WhatCannotBeExportedIsSaidInOneSentence) {
    ExportPlan plan = Plan(ExportFormat::kICalendar);
    plan.turning_points = true;
    EXPECT_EQ(ExportPlanProblem(plan), "");
    plan.first_year = 2027;
    EXPECT_EQ(ExportPlanProblem(plan), "The first year comes first: 2027 is after 2026.");
    plan.first_year = -3001;
    EXPECT_NE(ExportPlanProblem(plan).find("-3000 through 3000"), std::string::npos);
    plan.first_year = 2024;
    plan.turning_points = false;
    EXPECT_EQ(ExportPlanProblem(plan), "Tick at least one kind of event to export.");
    plan.turning_points = true;
    plan.selection.true_sun = plan.selection.mean_sun = false;
    EXPECT_EQ(ExportPlanProblem(plan), kNoMethodMessage);
    plan.selection = RunSelection{};
    EXPECT_EQ(ExportPlanProblem(plan), kNoEventMessage);
    // The terms go by both suns where no method is ticked.
    plan.turning_points = false;
    plan.solar_terms = true;
    plan.format = ExportFormat::kCsv;
    EXPECT_EQ(ExportPlanProblem(plan), "");
    InitPeriodicTerms();
    const FixedOffsetZone gmt(0, "GMT");
    EXPECT_EQ(Lines(WriteExport(plan, gmt, DefaultEventNames(), kStamp).text).size(),
              1u + 3u * 48u);
}

}  // namespace
}  // namespace kalvest
