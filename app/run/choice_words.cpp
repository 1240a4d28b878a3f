#include "run/choice_words.h"

#include <algorithm>

#include "datetime/zone_database.h"
#include "run/year_input.h"
#include "run/zone_list.h"

namespace kalvest {
namespace {

// Event names in the order of the year; even positions are the
// cross-quarter days (code = position / 2), odd ones the equinoxes and
// solstices (event code = position / 2).
const char* const kEventNames[8] = {"imbolc",     "march",     "beltane", "june",
                                    "lughnassad", "september", "samhain", "december"};

// The window's year check with the wider range.
std::optional<std::int32_t> ReadYear(const std::string& text) {
    const YearCheck check = CheckYearText(text, kCommandLineYears);
    const bool has_digit = text.find_first_of("0123456789") != std::string::npos;
    if (check.trimmed != text || !has_digit || check.verdict != YearVerdict::kAccepted) {
        return std::nullopt;
    }
    return check.value;
}

}  // namespace

std::optional<YearSpan> ReadYearSpan(const std::string& text, std::string& problem) {
    const std::size_t dots = text.find("..");
    const std::string first = text.substr(0, dots);
    const std::string last = dots == std::string::npos ? first : text.substr(dots + 2);
    const std::optional<std::int32_t> from = ReadYear(first);
    const std::optional<std::int32_t> to = ReadYear(last);
    if (!from || !to) {
        problem = "invalid year '" + (from ? last : first) +
                  "' (a whole year from -3000 through 3000, or a range FIRST..LAST)";
        return std::nullopt;
    }
    if (*from > *to) {
        problem = "reversed range '" + text + "' (the first year comes first)";
        return std::nullopt;
    }
    return YearSpan{*from, *to};
}

bool ReadEvents(const std::string& list, RunSelection& s, std::string& problem) {
    std::fill(std::begin(s.quarters), std::end(s.quarters), false);
    std::fill(std::begin(s.cross_quarters), std::end(s.cross_quarters), false);
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = list.find(',', start);
        const std::string name = list.substr(start, comma - start);
        bool known = false;
        for (int position = 0; position < 8; ++position) {
            if (name != kEventNames[position] && name != "all") continue;
            (position % 2 == 0 ? s.cross_quarters : s.quarters)[position / 2] = true;
            known = true;
        }
        if (!known) {
            problem = "unknown event '" + name +
                      "' (imbolc, march, beltane, june, lughnassad, september, samhain, "
                      "december or all)";
            return false;
        }
        if (comma == std::string::npos) return true;
        start = comma + 1;
    }
}

bool ReadMethod(const std::string& method, RunSelection& s, std::string& problem) {
    if (method != "mean" && method != "true" && method != "both") {
        problem = "unknown method '" + method + "' (mean, true or both)";
        return false;
    }
    s.mean_sun = method != "true";
    s.true_sun = method != "mean";
    return true;
}

std::optional<std::int16_t> ReadCalendar(const std::string& calendar, std::string& problem) {
    if (calendar == "gregorian") return kCalendarGregorian;
    if (calendar == "julian") return kCalendarJulian;
    problem = "unknown calendar '" + calendar + "' (gregorian or julian)";
    return std::nullopt;
}

std::optional<std::int16_t> ReadFixedZone(const std::string& zone, std::string& problem) {
    if (const std::optional<int> index = ZoneIndexOfText(zone)) return ZoneList()[*index].minutes;
    problem = "unknown zone '" + zone +
              "' (GMT, or GMT+HH:MM / GMT-HH:MM in half hours up to 12:00; --tz takes zone "
              "names such as UTC)";
    return std::nullopt;
}

std::unique_ptr<TimeZone> ReadNamedZone(const std::string& name, std::string& problem) {
    std::unique_ptr<TimeZone> zone = UserNamedTimeZone(name);
    if (!zone) {
        problem = "unknown time zone '" + name +
                  "' (a name of the IANA database such as Europe/Dublin, or local)";
    }
    return zone;
}

std::unique_ptr<TimeZone> ReadZone(const std::string& zone, std::string& problem) {
    if (const std::optional<int> index = ZoneIndexOfText(zone)) {
        return std::make_unique<FixedOffsetZone>(FixedWindowZone(ZoneList()[*index].minutes));
    }
    return ReadNamedZone(zone, problem);
}

}  // namespace kalvest
