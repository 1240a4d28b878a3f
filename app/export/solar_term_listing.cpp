#include "export/solar_term_listing.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "datetime/local_time.h"
#include "export/instant_fields.h"
#include "solar/solar_terms.h"

namespace kalvest {
namespace {

// Widths of the text line's name columns, in characters: the longest
// pinyin (Shuāngjiàng) and English name (Awakening of Insects).
constexpr std::size_t kPinyinWidth = 11;
constexpr std::size_t kEnglishWidth = 20;

const std::vector<std::string>& Columns() {
    static const std::vector<std::string> columns = [] {
        std::vector<std::string> names = {"year",    "solar_longitude", "name",         "pinyin",
                                          "english", "turning_point",   "method"};
        AppendInstantColumns(names);
        return names;
    }();
    return columns;
}

// Characters, not bytes: the pinyin's tone marks take two bytes each.
std::size_t CharacterCount(const std::string& text) {
    std::size_t count = 0;
    for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

void AppendPadded(std::string& line, const std::string& text, std::size_t width) {
    line += text;
    const std::size_t length = CharacterCount(text);
    if (length < width) line.append(width - length, ' ');
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
    AppendPadded(line, name.pinyin, kPinyinWidth);
    line += "  ";
    AppendPadded(line, name.english, kEnglishWidth);
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
}

}  // namespace

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
