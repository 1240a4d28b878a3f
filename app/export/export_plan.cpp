#include "export/export_plan.h"

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <vector>

#include "common/program_version.h"
#include "export/csv_writer.h"
#include "export/grid_table.h"
#include "export/icalendar_writer.h"
#include "export/json_writer.h"
#include "export/moon_listing.h"
#include "export/solar_listing.h"
#include "export/solar_term_listing.h"
#include "export/text_writer.h"
#include "run/display_all_texts.h"
#include "run/output_text.h"
#include "run/run_messages.h"
#include "run/year_input.h"
#include "solar/solar_term_names.h"

namespace kalvest {
namespace {

using Listing = std::function<void(ListingWriter& writer)>;

struct NamedListing {
    const char* name;  // the "listing" column of a joined file
    const std::vector<std::string>* columns;
    Listing list;
    std::size_t events_a_year;  // for the room the text takes
};

// Leaves out the eclipses' own calendar events.
class WithoutFurtherEntries final : public ListingWriter {
public:
    explicit WithoutFurtherEntries(ListingWriter& to) : to_(to) {}
    void Begin(const std::vector<std::string>& columns) override { to_.Begin(columns); }
    void Write(const ListedEvent& event) override {
        if (event.further_entries.empty()) {
            to_.Write(event);
            return;
        }
        ListedEvent copy = event;
        copy.further_entries.clear();
        to_.Write(copy);
    }
    void End() override { to_.End(); }

private:
    ListingWriter& to_;
};

// Several listings through one writer: Begin once with the union of their
// columns, each event's fields in the union's places.
class JoinedWriter final : public ListingWriter {
public:
    JoinedWriter(ListingWriter& to, std::vector<std::string> columns)
        : to_(to), columns_(std::move(columns)) {
        for (std::size_t i = 0; i < columns_.size(); ++i) place_[columns_[i]] = i;
    }
    void Start() { to_.Begin(columns_); }
    void Finish() { to_.End(); }
    void SetListing(const char* name) { listing_ = name; }

    void Begin(const std::vector<std::string>& columns) override {
        places_.clear();
        for (const std::string& column : columns) places_.push_back(place_.at(column));
    }
    void Write(const ListedEvent& event) override {
        joined_.fields.assign(columns_.size(), FieldValue::Null());
        joined_.fields[0] = FieldValue::Text(listing_);
        for (std::size_t i = 0; i < event.fields.size() && i < places_.size(); ++i) {
            joined_.fields[places_[i]] = event.fields[i];
        }
        joined_.text_line = event.text_line;
        joined_.section = event.section;
        joined_.calendar = event.calendar;
        joined_.further_entries = event.further_entries;
        to_.Write(joined_);
    }
    void End() override {}

private:
    ListingWriter& to_;
    std::vector<std::string> columns_;
    std::map<std::string, std::size_t> place_;
    std::vector<std::size_t> places_;
    std::string listing_;
    ListedEvent joined_;
};

std::vector<NamedListing> Listings(const ExportPlan& plan, const TimeZone& zone,
                                   const EventNameTable& names) {
    const RunSelection& selection = plan.selection;
    std::vector<NamedListing> listings;
    if (plan.turning_points) {
        const SolarListingRequest request{plan.first_year, plan.last_year, selection, plan.precise, plan.precision};
        listings.push_back({"turning_points", &SolarEventColumns(),
                            [request, &zone, &names](ListingWriter& writer) {
                                ListSolarEvents(request, zone, names, writer);
                            },
                            PlanRun(selection).size()});
    }
    if (plan.solar_terms) {
        const bool neither = !selection.true_sun && !selection.mean_sun;
        const SolarTermListingRequest request{plan.first_year,
                                              plan.last_year,
                                              selection.true_sun || neither,
                                              selection.mean_sun || neither,
                                              plan.precise,
                                              selection.calendar_code,
                                              selection.include_weekday,
                                              plan.precision};
        listings.push_back(
            {"solar_terms", &SolarTermColumns(),
             [request, &zone, &names](ListingWriter& writer) {
                 ListSolarTerms(request, zone, names, writer);
             },
             static_cast<std::size_t>(kSolarTermCount * (request.true_sun + request.mean_sun))});
    }
    if (plan.moon_phases || plan.eclipses) {
        MoonListingRequest request{plan.first_year, plan.last_year, selection.calendar_code, !plan.moon_phases,
                                   selection.include_weekday, plan.precision};
        request.precise = plan.precise;
        const bool without_eclipse_events = !plan.eclipses;
        listings.push_back({"moon", &MoonColumns(),
                            [request, &zone, without_eclipse_events](ListingWriter& writer) {
                                if (!without_eclipse_events) {
                                    ListMoonEvents(request, zone, writer);
                                    return;
                                }
                                WithoutFurtherEntries filter(writer);
                                ListMoonEvents(request, zone, filter);
                            },
                            50});  // 49 to 51 phases
    }
    return listings;
}

// Every listing through `writer`: one as it is, several joined.
void ListAll(const std::vector<NamedListing>& listings, ListingWriter& writer) {
    if (listings.empty()) {  // nothing asked for: an empty file of the format
        writer.Begin({});
        writer.End();
        return;
    }
    if (listings.size() == 1) {
        listings.front().list(writer);
        return;
    }
    std::vector<std::string> columns = {"listing"};
    for (const NamedListing& listing : listings) {
        for (const std::string& column : *listing.columns) {
            if (std::find(columns.begin(), columns.end(), column) == columns.end()) {
                columns.push_back(column);
            }
        }
    }
    JoinedWriter joined(writer, std::move(columns));
    joined.Start();
    for (const NamedListing& listing : listings) {
        joined.SetListing(listing.name);
        listing.list(joined);
    }
    joined.Finish();
}

}  // namespace

std::string ExportSeparatorLine() {
    const std::string line = kRunSeparatorLine;
    return line.substr(0, line.find('\r'));
}

std::string LeftOutNote(const ExportPlan& plan, const ExportFile& file) {
    if (file.left_out == 0) return {};
    return "iCalendar has no years before 1: " + std::to_string(file.left_out) +
           " events of the years " + std::to_string(plan.first_year) + " through 0 left out";
}

std::string GridListing(const GridPlan& plan, const TimeZone& zone) {
    std::string text;
    EuroDate record{};
    for (std::int32_t year = plan.first_year; year <= plan.last_year; ++year) {
        if (year > plan.first_year) text += ExportSeparatorLine() + "\n";
        const DisplayAllSelection selection{year, plan.calendar_code, 0, plan.southern};
        std::array<std::string, kDisplayAllCellCount> cells =
            FillAllCellTexts(DefaultEventNames(), selection, zone, record, plan.precise,
                             plan.precision);
        cells[kDisplayAllCentreCell] = kDisplayAllCentreText;
        text += DisplayAllCaption(std::to_string(year), plan.southern) + "\n";
        text += GridTable(cells);
    }
    return text;
}

std::string ExportPlanProblem(const ExportPlan& plan) {
    if (plan.first_year < kCommandLineYears.first || plan.last_year > kCommandLineYears.last) {
        return "The years run from " + std::to_string(kCommandLineYears.first) + " through " +
               std::to_string(kCommandLineYears.last) + ".";
    }
    if (plan.first_year > plan.last_year) {
        return "The first year comes first: " + std::to_string(plan.first_year) + " is after " +
               std::to_string(plan.last_year) + ".";
    }
    if (ExportListingCount(plan) == 0) return "Tick at least one kind of event to export.";
    if (plan.turning_points) {
        const RunSelection& s = plan.selection;
        bool cross_quarter = false;
        for (const bool ticked : s.cross_quarters) cross_quarter = cross_quarter || ticked;
        if (cross_quarter && !s.true_sun && !s.mean_sun) return kNoMethodMessage;
        if (PlanRun(s).empty()) return kNoEventMessage;
    }
    return {};
}

int ExportListingCount(const ExportPlan& plan) {
    return plan.turning_points + plan.solar_terms + (plan.moon_phases || plan.eclipses);
}

ExportFile WriteExport(const ExportPlan& plan, const TimeZone& zone, const EventNameTable& names,
                       double stamp_jd_ut) {
    const std::vector<NamedListing> listings = Listings(plan, zone, names);
    ExportFile file;
    // Room for every line at once (about 100 characters an event in each
    // format): growing a text of megabytes step by step costs more than
    // the arithmetic of the lines.
    std::size_t events_a_year = 0;
    for (const NamedListing& listing : listings) events_a_year += listing.events_a_year;
    if (plan.last_year >= plan.first_year) {
        file.text.reserve(static_cast<std::size_t>(plan.last_year - plan.first_year + 1) *
                          events_a_year * 128);
    }
    switch (plan.format) {
    case ExportFormat::kText: {
        TextWriter writer(file.text, ExportSeparatorLine());
        ListAll(listings, writer);
        break;
    }
    case ExportFormat::kCsv: {
        CsvWriter writer(file.text);
        ListAll(listings, writer);
        break;
    }
    case ExportFormat::kJson: {
        JsonWriter writer(file.text);
        ListAll(listings, writer);
        break;
    }
    case ExportFormat::kICalendar: {
        ICalendarWriter writer(
            file.text, {std::string("-//Orvanth Systems//Kalvest ") + kProgramVersion + "//EN",
                        "Kalvest", stamp_jd_ut, plan.reminder});
        ListAll(listings, writer);
        file.left_out = writer.LeftOut();
        break;
    }
    }
    return file;
}

}  // namespace kalvest
