#include "datetime/posix_zone_rule.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <limits>

#include "common/floor_div.h"
#include "common/str_proc.h"

namespace kalvest {
namespace {

constexpr std::int32_t kSecondsPerHour = 3600;
constexpr std::int64_t kSecondsPerDay = 86400;

// A cursor over the rule text; every reader leaves it unchanged on
// failure only where that matters (the optional parts).
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ == text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
    bool Take(char c) {
        if (Peek() != c) return false;
        ++pos_;
        return true;
    }

    // "EST" (three letters or more) or "<+0545>" (letters, digits, signs).
    std::optional<std::string> Name() {
        if (Take('<')) {
            const std::size_t close = text_.find('>', pos_);
            if (close == std::string_view::npos || close == pos_) return std::nullopt;
            const std::string_view name = text_.substr(pos_, close - pos_);
            const bool plain = std::all_of(name.begin(), name.end(), [](char c) {
                return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-';
            });
            if (!plain) return std::nullopt;
            pos_ = close + 1;
            return std::string(name);
        }
        const std::size_t start = pos_;
        while (std::isalpha(static_cast<unsigned char>(Peek()))) ++pos_;
        if (pos_ - start < 3) return std::nullopt;
        return std::string(text_.substr(start, pos_ - start));
    }

    // Whole number of at most `max_digits` digits, not above `limit`.
    std::optional<int> Number(int max_digits, int limit) {
        const std::size_t start = pos_;
        while (pos_ - start < static_cast<std::size_t>(max_digits) &&
               std::isdigit(static_cast<unsigned char>(Peek()))) {
            ++pos_;
        }
        const std::optional<std::int32_t> value =
            ParseWholeNumber(text_.substr(start, pos_ - start));
        if (!value || *value > limit) return std::nullopt;
        return *value;
    }

    // [+-]hh[:mm[:ss]] in seconds, the hours up to `max_hours`.
    std::optional<std::int32_t> SignedTime(int max_hours) {
        const bool negative = Take('-');
        if (!negative) Take('+');
        const std::optional<int> hours = Number(3, max_hours);
        if (!hours) return std::nullopt;
        std::int32_t seconds = *hours * kSecondsPerHour;
        if (Take(':')) {
            const std::optional<int> minutes = Number(2, 59);
            if (!minutes) return std::nullopt;
            seconds += *minutes * 60;
            if (Take(':')) {
                const std::optional<int> secs = Number(2, 59);
                if (!secs) return std::nullopt;
                seconds += *secs;
            }
        }
        return negative ? -seconds : seconds;
    }

    // "Jn", "n" or "Mm.w.d", then an optional "/time".
    std::optional<PosixZoneRule::ChangeDay> Change() {
        using Form = PosixZoneRule::ChangeDay::Form;
        PosixZoneRule::ChangeDay change;
        if (Take('J')) {
            const std::optional<int> day = Number(3, 365);
            if (!day || *day < 1) return std::nullopt;
            change.form = Form::kJulianNoLeap;
            change.day = *day;
        } else if (Take('M')) {
            const std::optional<int> month = Number(2, 12);
            if (!month || *month < 1 || !Take('.')) return std::nullopt;
            const std::optional<int> week = Number(1, 5);
            if (!week || *week < 1 || !Take('.')) return std::nullopt;
            const std::optional<int> weekday = Number(1, 6);
            if (!weekday) return std::nullopt;
            change.form = Form::kMonthWeekDay;
            change.month = *month;
            change.week = *week;
            change.weekday = *weekday;
        } else {
            const std::optional<int> day = Number(3, 365);
            if (!day) return std::nullopt;
            change.form = Form::kZeroBased;
            change.day = *day;
        }
        if (Take('/')) {
            const std::optional<std::int32_t> time = SignedTime(167);
            if (!time) return std::nullopt;
            change.time_seconds = *time;
        }
        return change;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};


}  // namespace

std::optional<PosixZoneRule> PosixZoneRule::Parse(std::string_view text) {
    Reader in(text);
    PosixZoneRule rule;
    std::optional<std::string> name = in.Name();
    // POSIX offsets count hours west of Greenwich; ours count east.
    std::optional<std::int32_t> offset = in.SignedTime(24);
    if (!name || !offset) return std::nullopt;
    rule.std_name_ = *name;
    rule.std_offset_ = -*offset;
    if (in.AtEnd()) return rule;

    name = in.Name();
    if (!name) return std::nullopt;
    rule.dst_name_ = *name;
    rule.dst_offset_ = rule.std_offset_ + kSecondsPerHour;
    if (in.Peek() != ',' && !in.AtEnd()) {
        offset = in.SignedTime(24);
        if (!offset) return std::nullopt;
        rule.dst_offset_ = -*offset;
    }
    if (in.AtEnd()) {
        // No dates: the rule the C library assumes, the United States' one.
        rule.start_ = {ChangeDay::Form::kMonthWeekDay, 0, 3, 2, 0, 7200};
        rule.end_ = {ChangeDay::Form::kMonthWeekDay, 0, 11, 1, 0, 7200};
        return rule;
    }
    if (!in.Take(',')) return std::nullopt;
    const std::optional<ChangeDay> start = in.Change();
    if (!start || !in.Take(',')) return std::nullopt;
    const std::optional<ChangeDay> end = in.Change();
    if (!end || !in.AtEnd()) return std::nullopt;
    rule.start_ = *start;
    rule.end_ = *end;
    return rule;
}

std::int64_t PosixZoneRule::ChangeInstant(const ChangeDay& change, int year,
                                          std::int32_t offset_before) const {
    using namespace std::chrono;
    const std::chrono::year y{year};
    sys_days day;
    switch (change.form) {
    case ChangeDay::Form::kJulianNoLeap:
        day = sys_days{y / January / 1} +
              days{change.day - 1 + (y.is_leap() && change.day >= 60 ? 1 : 0)};
        break;
    case ChangeDay::Form::kZeroBased:
        day = sys_days{y / January / 1} + days{change.day};
        break;
    case ChangeDay::Form::kMonthWeekDay: {
        const month m{static_cast<unsigned>(change.month)};
        const weekday wd{static_cast<unsigned>(change.weekday)};
        day = change.week == 5 ? sys_days{y / m / wd[last]}
                               : sys_days{y / m / wd[static_cast<unsigned>(change.week)]};
        break;
    }
    }
    return std::int64_t{day.time_since_epoch().count()} * kSecondsPerDay +
           change.time_seconds - offset_before;
}

ZoneReading PosixZoneRule::At(std::int64_t unix_seconds) const {
    if (dst_name_.empty()) return {std_offset_, std_name_};
    // The year of the local standard time, kept where the calendar types
    // reach; the changes of the years on either side settle the instants
    // near New Year and the changes that run past midnight.
    const std::int64_t local_day = FloorDiv(unix_seconds + std_offset_, kSecondsPerDay);
    const std::int64_t max_day = 11000000;  // about year 32000
    const std::chrono::sys_days day{
        std::chrono::days{std::clamp<std::int64_t>(local_day, -max_day, max_day)}};
    const int year = static_cast<int>(std::chrono::year_month_day{day}.year());

    // The last change at or before the instant decides; where a year's end
    // of daylight time meets the next one's start (daylight time all year)
    // the start wins.
    std::int64_t latest = std::numeric_limits<std::int64_t>::min();
    bool daylight = false;
    for (int y = year - 1; y <= year + 1; ++y) {
        const std::int64_t start = ChangeInstant(start_, y, std_offset_);
        const std::int64_t end = ChangeInstant(end_, y, dst_offset_);
        if (end <= unix_seconds && end > latest) {
            latest = end;
            daylight = false;
        }
        if (start <= unix_seconds && start >= latest) {
            latest = start;
            daylight = true;
        }
    }
    return daylight ? ZoneReading{dst_offset_, dst_name_}
                    : ZoneReading{std_offset_, std_name_};
}

}  // namespace kalvest
