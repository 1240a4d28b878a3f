#include "run/reminder.h"

#include <cctype>
#include <utility>

namespace kalvest {
namespace {

constexpr std::int64_t kMinutesPerHour = 60;
constexpr std::int64_t kMinutesPerDay = 24 * kMinutesPerHour;
constexpr std::int64_t kMinutesPerWeek = 7 * kMinutesPerDay;

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

// Reads the digits at `pos` as a number no larger than the longest
// reminder in seconds (the largest count any unit can sensibly have).
std::optional<std::int64_t> ReadNumber(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    std::int64_t value = 0;
    while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]))) {
        value = value * 10 + (text[pos] - '0');
        if (value > kLongestReminderMinutes * 60) return std::nullopt;
        ++pos;
    }
    if (pos == start) return std::nullopt;
    return value;
}

std::optional<Reminder> Checked(std::int64_t minutes) {
    if (minutes < 1 || minutes > kLongestReminderMinutes) return std::nullopt;
    return Reminder{minutes};
}

// "P1DT2H30M", "P2W", "PT90S" (already without its "P").
std::optional<std::int64_t> IsoMinutes(std::string_view text) {
    std::size_t pos = 0;
    std::int64_t seconds = 0;
    bool time_part = false;
    bool any = false;
    // The units in the order ISO 8601 writes them; each at most once.
    const std::string_view date_units = "WD";
    const std::string_view time_units = "HMS";
    std::size_t next_unit = 0;
    while (pos < text.size()) {
        if (Upper(text[pos]) == 'T') {
            if (time_part) return std::nullopt;
            time_part = true;
            next_unit = 0;
            ++pos;
            if (pos == text.size()) return std::nullopt;  // "P1DT"
            continue;
        }
        const std::optional<std::int64_t> number = ReadNumber(text, pos);
        if (!number || pos == text.size()) return std::nullopt;
        const std::string_view units = time_part ? time_units : date_units;
        const std::size_t unit = units.find(Upper(text[pos]), next_unit);
        if (unit == std::string_view::npos) return std::nullopt;
        next_unit = unit + 1;
        ++pos;
        static constexpr std::int64_t kDateSeconds[] = {kMinutesPerWeek * 60, kMinutesPerDay * 60};
        static constexpr std::int64_t kTimeSeconds[] = {kMinutesPerHour * 60, 60, 1};
        seconds += *number * (time_part ? kTimeSeconds[unit] : kDateSeconds[unit]);
        if (seconds > kLongestReminderMinutes * 60) return std::nullopt;
        any = true;
    }
    if (!any || seconds % 60 != 0) return std::nullopt;
    return seconds / 60;
}

std::string Count(std::int64_t n, const char* unit) {
    return std::to_string(n) + " " + unit + (n == 1 ? "" : "s");
}

}  // namespace

std::optional<Reminder> ParseReminder(std::string_view text) {
    if (text.empty()) return std::nullopt;
    if (Upper(text[0]) == 'P') {
        const std::optional<std::int64_t> minutes = IsoMinutes(text.substr(1));
        return minutes ? Checked(*minutes) : std::nullopt;
    }
    std::size_t pos = 0;
    const std::optional<std::int64_t> number = ReadNumber(text, pos);
    if (!number || pos + 1 != text.size()) return std::nullopt;
    switch (Upper(text[pos])) {
        case 'D': return Checked(*number * kMinutesPerDay);
        case 'H': return Checked(*number * kMinutesPerHour);
        case 'M': return Checked(*number);
        default: return std::nullopt;
    }
}

std::string ICalendarTrigger(const Reminder& reminder) {
    const std::int64_t days = reminder.minutes_before / kMinutesPerDay;
    const std::int64_t hours = reminder.minutes_before % kMinutesPerDay / kMinutesPerHour;
    const std::int64_t minutes = reminder.minutes_before % kMinutesPerHour;
    std::string text = "-P";
    if (days > 0) text += std::to_string(days) + "D";
    if (hours > 0 || minutes > 0) {
        text += "T";
        if (hours > 0) text += std::to_string(hours) + "H";
        if (minutes > 0) text += std::to_string(minutes) + "M";
    }
    return text;
}

std::string ReminderText(const Reminder& reminder) {
    const std::int64_t days = reminder.minutes_before / kMinutesPerDay;
    const std::int64_t hours = reminder.minutes_before % kMinutesPerDay / kMinutesPerHour;
    const std::int64_t minutes = reminder.minutes_before % kMinutesPerHour;
    std::string text;
    for (const auto& [n, unit] : {std::pair{days, "day"}, std::pair{hours, "hour"},
                                  std::pair{minutes, "minute"}}) {
        if (n == 0) continue;
        if (!text.empty()) text += " ";
        text += Count(n, unit);
    }
    return text;
}

}  // namespace kalvest
