#include "run/year_input.h"

#include <ctime>

#include "common/str_proc.h"
#include "common/utf_text.h"

namespace kalvest {
namespace {

// Value of an optionally signed digit string that has passed the form
// test: a lone sign is 0; empty when the digits do not fit 32 bits.
std::optional<std::int32_t> WholeNumberValue(const std::string& text) {
    if (text == "+" || text == "-") return 0;
    return ParseWholeNumber(text);
}

}  // namespace

YearCheck CheckYearText(const std::string& text, YearRange range) {
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
    check.verdict = check.value && *check.value >= range.first && *check.value <= range.last
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
