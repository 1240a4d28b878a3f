#include "export/moon_listing.h"

#include <cctype>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "export/instant_fields.h"
#include "lunar/lunar_names.h"
#include "lunar/moon_calendar.h"
#include "run/calculation_run.h"

namespace kalvest {
namespace {

// Contact lines stand under the eclipse's kind, which stands under the
// phase.
constexpr const char* kKindIndent = "  ";
constexpr const char* kContactIndent = "    ";
constexpr const char* kGreatestEclipseName = "Greatest eclipse";

const std::vector<std::string>& Columns() {
    static const std::vector<std::string> columns = [] {
        std::vector<std::string> c = {
            "year", "lunation", "phase", "jde"};
        AppendInstantColumns(c);
        c.insert(c.end(), {"eclipse", "eclipse_kind", "saros", "greatest_jd_ut",
                           "greatest_local", "gamma", "mag_penumbral", "mag_umbral"});
        for (const LunarContact contact : kLunarContacts) {
            const std::string key(LunarContactKey(contact));
            c.push_back(key + "_jd_ut");
            c.push_back(key + "_local");
        }
        // Last, so that the columns before it stay where they were.
        c.push_back("method");
        return c;
    }();
    return columns;
}

FieldValue JdValue(double jd) { return FieldValue::Fixed(jd, 10); }

std::string Capitalized(std::string_view text) {
    std::string out(text);
    if (!out.empty()) {
        out[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(out[0])));
    }
    return out;
}

// "2025-03-14 CE 06:54 GMT" and the weekday when asked for.
std::string TimeText(const LocalTime& local, bool include_weekday) {
    std::string text = local.DateTimeZone();
    if (include_weekday) text += ", " + WeekdayName(local.weekday);
    return text;
}

// "Total lunar eclipse, umbral magnitude 1.178"; a solar eclipse by its
// kind alone, since the method does not say where it is seen.
std::string KindLine(const Eclipse& eclipse) {
    std::string line = kKindIndent + Capitalized(EclipseClassName(eclipse.eclipse_class));
    if (eclipse.IsLunar()) {
        const bool umbral = eclipse.mag_umbral > 0;
        char magnitude[64];
        std::snprintf(magnitude, sizeof magnitude, ", %s magnitude %.3f",
                      umbral ? "umbral" : "penumbral",
                      umbral ? eclipse.mag_umbral : eclipse.mag_penumbral);
        line += magnitude;
    }
    return line;
}

// The moments of a lunar eclipse in time order: the contacts that occur,
// greatest eclipse between those that begin a phase and those that end one.
struct NamedMoment {
    std::string name;
    const ZonedInstant* instant;
};
std::vector<NamedMoment> LunarMoments(const Eclipse& eclipse) {
    std::vector<NamedMoment> moments;
    for (const LunarContact contact : kLunarContacts) {
        if (contact == LunarContact::kTotalEnds) {
            moments.push_back({kGreatestEclipseName, &eclipse.greatest});
        }
        if (const auto& instant = eclipse.Contact(contact)) {
            moments.push_back({std::string(LunarContactName(contact)), &*instant});
        }
    }
    return moments;
}

std::string PhaseText(const MoonPhaseEvent& phase, bool include_weekday) {
    std::string text = DottedLabel(std::string(MoonPhaseName(phase.phase))) +
                       TimeText(phase.instant.local, include_weekday);
    if (!phase.eclipse) return text;
    const Eclipse& eclipse = *phase.eclipse;
    text += '\n';
    text += KindLine(eclipse);
    if (!eclipse.IsLunar()) return text;
    for (const NamedMoment& moment : LunarMoments(eclipse)) {
        text += '\n';
        text += DottedLabel(kContactIndent + moment.name);
        text += TimeText(moment.instant->local, include_weekday);
    }
    return text;
}

// "moon-313-full@kalvest": the same for the same phase in every run,
// whatever the zone or calendar.
std::string UidOf(const MoonPhaseEvent& phase, std::string_view what) {
    return "moon-" + std::to_string(phase.lunation) + "-" + std::string(what) + "@kalvest";
}

CalendarEntry PhaseEntry(const MoonPhaseEvent& phase) {
    CalendarEntry entry;
    entry.uid = UidOf(phase, MoonPhaseKey(phase.phase));
    entry.summary = std::string(MoonPhaseName(phase.phase));
    if (phase.eclipse) {
        entry.summary += ", " + std::string(EclipseClassName(phase.eclipse->eclipse_class));
    }
    entry.description = phase.instant.local.DateTimeZone();
    entry.start_jd_ut = phase.instant.jd_ut;
    return entry;
}

// A lunar eclipse from its first to its last contact, the moments in its
// description.
CalendarEntry LunarEclipseEntry(const MoonPhaseEvent& phase) {
    const Eclipse& eclipse = *phase.eclipse;
    CalendarEntry entry;
    entry.uid = UidOf(phase, "eclipse");
    entry.summary = Capitalized(EclipseClassName(eclipse.eclipse_class));
    for (const NamedMoment& moment : LunarMoments(eclipse)) {
        if (!entry.description.empty()) entry.description += "\n";
        entry.description += moment.name + ": " + moment.instant->local.DateTimeZone();
    }
    entry.start_jd_ut = eclipse.FirstContact()->jd_ut;
    entry.end_jd_ut = eclipse.LastContact()->jd_ut;
    return entry;
}

// The instant's jd_ut and its local date, time and zone; nulls for none.
void AddInstantFields(std::vector<FieldValue>& fields,
                      const std::optional<ZonedInstant>& instant) {
    fields.push_back(instant ? JdValue(instant->jd_ut) : FieldValue::Null());
    fields.push_back(instant ? FieldValue::Text(instant->local.DateTimeZone())
                             : FieldValue::Null());
}

// The eclipse's columns, from eclipse_kind to the last contact.
void AddEclipseFields(std::vector<FieldValue>& fields, const Eclipse* e) {
    if (!e) {
        // Null up to the method's column.
        fields.resize(Columns().size() - 1, FieldValue::Null());
        return;
    }
    fields.push_back(FieldValue::Text(std::string(EclipseClassName(e->eclipse_class))));
    fields.push_back(FieldValue::Integer(e->saros));
    AddInstantFields(fields, e->greatest);
    fields.push_back(FieldValue::Fixed(e->gamma, 4));
    const auto lunar_only = [&](double value) {
        return e->IsLunar() ? FieldValue::Fixed(value, 4) : FieldValue::Null();
    };
    fields.push_back(lunar_only(e->mag_penumbral));
    fields.push_back(lunar_only(e->mag_umbral));
    for (const LunarContact contact : kLunarContacts) {
        AddInstantFields(fields, e->Contact(contact));
    }
}

void FillFields(std::vector<FieldValue>& fields, std::int32_t year, const MoonPhaseEvent& p) {
    const LocalTime& local = p.instant.local;
    fields.clear();
    fields.push_back(FieldValue::Integer(year));
    fields.push_back(FieldValue::Integer(p.lunation));
    fields.push_back(FieldValue::Text(std::string(MoonPhaseKey(p.phase))));
    fields.push_back(JdValue(p.jde));
    AppendInstantFields(p.instant.jd_ut, p.delta_t_minutes, local, fields);
    const Eclipse* e = p.eclipse ? &*p.eclipse : nullptr;
    fields.push_back(FieldValue::Integer(e ? e->eclipse_class : kNoEclipse));
    AddEclipseFields(fields, e);
    fields.push_back(FieldValue::Text(std::string(MoonMethodKey(p.method))));
}

}  // namespace

const std::vector<std::string>& MoonColumns() { return Columns(); }

void ListMoonEvents(const MoonListingRequest& request, const TimeZone& zone,
                    ListingWriter& writer) {
    writer.Begin(Columns());
    // One event, refilled for every phase: its strings and fields keep
    // their memory from phase to phase.
    ListedEvent event;
    const MoonMethod method = MoonMethodFor(request.precise);
    for (std::int32_t year = request.first_year; year <= request.last_year; ++year) {
        for (const MoonPhaseEvent& phase :
             MoonCalendarOfYear(year, request.calendar_code, zone, request.precision, method)) {
            if (request.eclipses_only && !phase.eclipse) continue;
            event.section = year;
            event.text_line = PhaseText(phase, request.include_weekday);
            event.calendar = PhaseEntry(phase);
            event.further_entries.clear();
            if (phase.eclipse && phase.eclipse->FirstContact() &&
                phase.eclipse->LastContact()) {
                event.further_entries.push_back(LunarEclipseEntry(phase));
            }
            FillFields(event.fields, year, phase);
            writer.Write(event);
        }
    }
    writer.End();
}

EventList MoonEventListing(const MoonListingRequest& request, const TimeZone& zone) {
    return CollectListing([&](ListingWriter& writer) { ListMoonEvents(request, zone, writer); });
}

std::string MoonListingTitle(const std::string& year_text, std::int16_t calendar_code,
                             const std::string& zone_text, bool eclipses_only) {
    return std::string(eclipses_only ? "Eclipses" : "Phases of the Moon and eclipses") +
           " in " + year_text + CalendarSuffix(calendar_code) + ", " + zone_text;
}

}  // namespace kalvest
