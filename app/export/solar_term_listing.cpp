#include "export/solar_term_listing.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "common/display_width.h"
#include "datetime/local_time.h"
#include "export/instant_fields.h"
#include "solar/solar_terms.h"

namespace kalvest {
namespace {

// Widths of the text line's name columns, in terminal columns: the
// widest characters ("惊蛰 / 驚蟄", each character two columns), the
// longest pinyin (Shuāngjiàng) and English name (Awakening of Insects).
constexpr std::size_t kHanziWidth = 11;
constexpr std::size_t kPinyinWidth = 11;
constexpr std::size_t kEnglishWidth = 20;

const std::vector<std::string>& Columns() {
    static const std::vector<std::string> columns = [] {
        std::vector<std::string> names = {"year",    "solar_longitude", "name",         "pinyin",
                                          "english", "turning_point",   "method"};
        AppendInstantColumns(names);
        // Added after the instant's columns, so that every earlier column
        // keeps its place for readers that count them.
        names.insert(names.end(), {"hanzi", "hanzi_traditional"});
        return names;
    }();
    return columns;
}

struct MethodTerm {
    SolarTermMethod method;
    const SolarTerm* term;
};

const char* MethodName(SolarTermMethod method) {
    return method == SolarTermMethod::kTrueSun ? "true" : "mean";
}

std::string TextLine(const SolarTermName& name, SolarTermMethod method, const LocalTime& local,
                     const std::string& turning_point, bool include_weekday) {
    std::string line;
    const std::string angle = std::to_string(name.longitude_degrees);
    line.append(3 - std::min<std::size_t>(3, angle.size()), ' ');
    line += angle + "° ";
    AppendPaddedToWidth(line, HanziText(name), kHanziWidth);
    line += "  ";
    AppendPaddedToWidth(line, name.pinyin, kPinyinWidth);
    line += "  ";
    AppendPaddedToWidth(line, name.english, kEnglishWidth);
    line += "  ";
    line += MethodName(method);
    line += " sun  ";
    line += local.DateTimeZone();
    if (include_weekday) line += ", " + WeekdayName(local.weekday);
    if (!turning_point.empty()) line += "  " + turning_point;
    return line;
}

// "2025-solar-term-315-true@kalvest": the same for the same term in every
// run, whatever the zone, calendar or precision.
std::string Uid(std::int32_t year, const SolarTermName& name, SolarTermMethod method) {
    return std::to_string(year) + "-solar-term-" + std::to_string(name.longitude_degrees) + "-" +
           MethodName(method) + "@kalvest";
}

void FillEvent(ListedEvent& event, std::int32_t year, const MethodTerm& entry,
               const LocalTime& local, const EventNameTable& names, bool include_weekday) {
    const SolarTermName& name = entry.term->name;
    const SolarInstant& instant = entry.term->instant;
    const std::string turning_point = TurningPointName(name, names);
    event.section = year;
    event.text_line = TextLine(name, entry.method, local, turning_point, include_weekday);
    event.calendar.uid = Uid(year, name, entry.method);
    event.calendar.summary = std::string(name.pinyin) + ", " + name.english + " (" +
                             MethodName(entry.method) + " sun)";
    event.calendar.description =
        local.DateTimeZone() + "; term of " + std::to_string(name.longitude_degrees) + "°";
    if (!turning_point.empty()) event.calendar.description += "; " + turning_point;
    event.calendar.start_jd_ut = instant.jd_ut;
    std::vector<FieldValue>& fields = event.fields;
    fields.clear();
    fields.push_back(FieldValue::Integer(year));
    fields.push_back(FieldValue::Integer(name.longitude_degrees));
    fields.push_back(FieldValue::Text(name.ascii));
    fields.push_back(FieldValue::Text(name.pinyin));
    fields.push_back(FieldValue::Text(name.english));
    fields.push_back(turning_point.empty() ? FieldValue::Null()
                                           : FieldValue::Text(turning_point));
    fields.push_back(FieldValue::Text(MethodName(entry.method)));
    AppendInstantFields(instant.jd_ut, instant.delta_t_seconds / 60.0, local, fields);
    fields.push_back(FieldValue::Text(name.hanzi));
    fields.push_back(FieldValue::Text(name.hanzi_traditional));
}

}  // namespace

std::string HanziText(const SolarTermName& name) {
    const std::string simplified = name.hanzi;
    if (simplified == name.hanzi_traditional) return simplified;
    return simplified + " / " + name.hanzi_traditional;
}

const std::vector<std::string>& SolarTermColumns() { return Columns(); }

std::string SolarTermListingTitle(const std::string& year_text, std::int16_t calendar_code,
                                  const std::string& zone_text) {
    return "Solar terms of " + year_text + CalendarSuffix(calendar_code) + ", " + zone_text;
}

void ListSolarTerms(const SolarTermListingRequest& request, const TimeZone& zone,
                    const EventNameTable& names, ListingWriter& writer) {
    writer.Begin(Columns());
    EuroDate record{};
    ListedEvent event;
    std::array<SolarTerm, kSolarTermCount> true_sun{};
    std::array<SolarTerm, kSolarTermCount> mean_sun{};
    for (std::int32_t year = request.first_year; year <= request.last_year; ++year) {
        if (request.true_sun) {
            true_sun = SolarTermsOfYear(year, SolarTermMethod::kTrueSun, request.precise);
        }
        if (request.mean_sun) {
            mean_sun = SolarTermsOfYear(year, SolarTermMethod::kMeanSun, request.precise);
        }
        for (int i = 0; i < kSolarTermCount; ++i) {
            MethodTerm entries[2] = {};
            int count = 0;
            if (request.true_sun) entries[count++] = {SolarTermMethod::kTrueSun, &true_sun[i]};
            if (request.mean_sun) entries[count++] = {SolarTermMethod::kMeanSun, &mean_sun[i]};
            if (count == 2 && mean_sun[i].instant.jd_ut < true_sun[i].instant.jd_ut) {
                std::swap(entries[0], entries[1]);
            }
            for (int k = 0; k < count; ++k) {
                const LocalTime local =
                    ToLocalTime(entries[k].term->instant.jd_ut, zone, request.calendar_code,
                                record, request.precision);
                FillEvent(event, year, entries[k], local, names, request.include_weekday);
                writer.Write(event);
            }
        }
    }
    writer.End();
}

EventList SolarTermListing(const SolarTermListingRequest& request, const TimeZone& zone,
                           const EventNameTable& names) {
    return CollectListing(
        [&](ListingWriter& writer) { ListSolarTerms(request, zone, names, writer); });
}

}  // namespace kalvest
