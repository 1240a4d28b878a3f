// The year check and the whole-number test over arbitrary text. IsInteger
// agrees with its definition (blanks trimmed, one optional sign, then only
// digits, and commas when they are allowed) for every combination of its
// flags; the year check's verdict, trimmed text and value agree with each
// other and with the number the text spells.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "common/str_proc.h"
#include "common/utf_text.h"
#include "run/year_input.h"

#include "fuzz_check.h"

namespace {

using namespace kalvest;

using kalvest_fuzz::Check;

// IsInteger as its definition states it, written independently.
bool IsIntegerByDefinition(const std::u16string& text, bool allow_sign, bool allow_comma) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && text[first] == u' ') ++first;
    while (last > first && text[last - 1] == u' ') --last;
    if (first == last) return false;
    if (allow_sign && (text[first] == u'+' || text[first] == u'-')) ++first;
    for (std::size_t i = first; i < last; ++i) {
        const char16_t c = text[i];
        if (!((c >= u'0' && c <= u'9') || (allow_comma && c == u','))) return false;
    }
    return true;
}

void CheckIsInteger(const std::u16string& text) {
    for (const bool sign : {false, true}) {
        for (const bool comma : {false, true}) {
            Check(IsInteger(text, sign, comma) == IsIntegerByDefinition(text, sign, comma));
        }
    }
}

void CheckYear(const std::string& text) {
    const YearCheck check = CheckYearText(text);
    Check(check.trimmed == TrimBlanks(text));
    Check(check.trimmed.empty() || (check.trimmed.front() != ' ' && check.trimmed.back() != ' '));
    const bool whole = IsIntegerByDefinition(Utf8ToUtf16(check.trimmed), true, false);
    switch (check.verdict) {
    case YearVerdict::kMissing:
        Check(check.trimmed.empty() && !check.value);
        return;
    case YearVerdict::kNotWhole:
        Check(!check.trimmed.empty() && !whole && !check.value);
        return;
    case YearVerdict::kAccepted:
        Check(whole && check.value && *check.value >= kFirstYear && *check.value <= kLastYear);
        break;
    case YearVerdict::kOutOfRange:
        Check(whole && (!check.value || *check.value < kFirstYear || *check.value > kLastYear));
        break;
    }
    // The value is the number the digits spell (a lone sign spells 0), when
    // it fits 32 bits, and nothing otherwise.
    const std::string& t = check.trimmed;
    const bool negative = t[0] == '-';
    const std::size_t digits_from = (t[0] == '+' || t[0] == '-') ? 1 : 0;
    long double spelled = 0;
    for (std::size_t i = digits_from; i < t.size(); ++i) spelled = spelled * 10 + (t[i] - '0');
    if (negative) spelled = -spelled;
    const bool fits = spelled >= INT32_MIN && spelled <= INT32_MAX;
    Check(check.value.has_value() == fits);
    if (fits) Check(static_cast<long double>(*check.value) == spelled);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckYear(text);
    CheckIsInteger(Utf8ToUtf16(text));
    // The same bytes as 16-bit characters, lone surrogates and all.
    std::u16string units;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        units += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    }
    CheckIsInteger(units);
    return 0;
}
