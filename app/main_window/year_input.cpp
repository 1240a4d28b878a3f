#include "main_window/year_input.h"

#include <ctime>
#include <limits>

#include "common/str_proc.h"
#include "common/utf_text.h"

namespace kalvest {
namespace {

// Value of an optionally signed digit string that has passed the form
// test; empty when it does not fit 32 bits. Accumulates negatively so that
// the most negative 32-bit number is reachable too.
std::optional<std::int32_t> WholeNumberValue(const std::string& text) {
    std::size_t i = 0;
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        i = 1;
    }
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    std::int64_t value = 0;  // minus the magnitude read so far
    for (; i < text.size(); ++i) {
        value = value * 10 - (text[i] - '0');
        if (value < kMin) return std::nullopt;
    }
    if (!negative) {
        value = -value;
        if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace

YearCheck CheckYearText(const std::string& text) {
    YearCheck check;
    check.trimmed = TrimBlanks(text);
    if (check.trimmed.empty()) {
        check.verdict = YearVerdict::kMissing;
        return check;
    }
    if (!IsInteger(Utf8ToUtf16(check.trimmed), true, false)) {
        check.verdict = YearVerdict::kNotWhole;
        return check;
    }
    check.value = WholeNumberValue(check.trimmed);
    check.verdict = check.value && *check.value >= kFirstYear && *check.value <= kLastYear
                        ? YearVerdict::kAccepted
                        : YearVerdict::kOutOfRange;
    return check;
}

std::int32_t CurrentYear() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local.tm_year + 1900;
}

}  // namespace kalvest
