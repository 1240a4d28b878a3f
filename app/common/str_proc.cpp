#include "common/str_proc.h"

#if defined(_WIN32)
#include <windows.h>

#include <climits>
#include <stdexcept>
#elif defined(__EMSCRIPTEN__)
#include <cwctype>
#else
#include <unicode/uchar.h>
#include <unicode/utf16.h>
#endif

#include <algorithm>
#include <charconv>
#include <system_error>

namespace kalvest {

const std::u16string kAccentedCapitals =
    u"\u0160\u0178\u00C0\u00C1\u00C2\u00C3\u00C4\u00C5\u00C7\u00C8"
    u"\u00C9\u00CA\u00CB\u00CC\u00CD\u00CE\u00CF\u00D0\u00D1\u00D2"
    u"\u00D3\u00D4\u00D5\u00D6\u00D8\u00D9\u00DA\u00DB\u00DC\u00DD";
const std::u16string kAccentedSmallLetters =
    u"\u0161\u00FF\u00E0\u00E1\u00E2\u00E3\u00E4\u00E5\u00E7\u00E8"
    u"\u00E9\u00EA\u00EB\u00EC\u00ED\u00EE\u00EF\u00F0\u00F1\u00F2"
    u"\u00F3\u00F4\u00F5\u00F6\u00F8\u00F9\u00FA\u00FB\u00FC\u00FD";

namespace {

const std::u16string kDigits = u"0123456789";
const std::u16string kDigitsAndComma = u"0123456789,";

StrPos Length(const std::u16string& text) {
    return static_cast<StrPos>(text.size());
}

bool InSet(char16_t c, const std::u16string& set) {
    return set.find(c) != std::u16string::npos;
}

// Characters from 1-based position `from` to the end.
std::u16string Mid(const std::u16string& text, StrPos from) {
    if (from > Length(text)) return {};
    return text.substr(static_cast<std::size_t>(from - 1));
}

}  // namespace

std::u16string SafeLeft(const std::u16string& text, StrPos n) {
    if (n <= 0) return {};
    if (n >= Length(text)) return text;
    return text.substr(0, static_cast<std::size_t>(n));
}

StrPos FindFirstOf(const std::u16string& text, StrPos start,
                   const std::u16string& set, StrPos* index_in_set) {
    if (index_in_set != nullptr) *index_in_set = 0;
    if (text.empty() || set.empty()) return 0;
    for (StrPos p = std::max<StrPos>(start, 1); p <= Length(text); ++p) {
        const std::size_t in_set = set.find(text[static_cast<std::size_t>(p - 1)]);
        if (in_set != std::u16string::npos) {
            if (index_in_set != nullptr) *index_in_set = static_cast<StrPos>(in_set) + 1;
            return p;
        }
    }
    return 0;
}

StrPos FindFirstNotOf(const std::u16string& text, StrPos start,
                      const std::u16string& set) {
    if (text.empty()) return 0;
    if (set.empty()) return 1;
    for (StrPos p = std::max<StrPos>(start, 1); p <= Length(text); ++p) {
        if (!InSet(text[static_cast<std::size_t>(p - 1)], set)) return p;
    }
    return 0;
}

void RemoveChars(std::u16string& text, const std::u16string& set) {
    // Each run of characters from `set` is cut out whole; the character
    // that follows a run is known not to be in `set`, so the next search
    // starts after it.
    StrPos start = 1;
    for (;;) {
        const StrPos p = FindFirstOf(text, start, set);
        if (p == 0) return;
        const StrPos q = FindFirstNotOf(text, p, set);
        if (q == 0) {
            text = SafeLeft(text, p - 1);
            return;
        }
        text = SafeLeft(text, p - 1) + Mid(text, q);
        start = p + 1;
    }
}

namespace {

template <typename StringView>
StringView TrimCharsOf(StringView text, StringView set) {
    const std::size_t first = text.find_first_not_of(set);
    if (first == StringView::npos) return {};
    const std::size_t last = text.find_last_not_of(set);
    return text.substr(first, last - first + 1);
}

}  // namespace

std::u16string TrimBlanks(const std::u16string& text) {
    return std::u16string(TrimCharsOf<std::u16string_view>(text, u" "));
}

std::string TrimBlanks(const std::string& text) { return std::string(TrimChars(text, " ")); }

std::string_view TrimChars(std::string_view text, std::string_view set) {
    return TrimCharsOf(text, set);
}

std::optional<std::int32_t> ParseWholeNumber(std::string_view text) {
    // std::from_chars reads a minus sign but not a plus sign.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

bool IsInteger(const std::u16string& text, bool allow_sign, bool allow_comma) {
    std::u16string rest = TrimBlanks(text);
    if (rest.empty()) return false;
    if (allow_sign && (rest[0] == u'+' || rest[0] == u'-')) rest.erase(0, 1);
    RemoveChars(rest, allow_comma ? kDigitsAndComma : kDigits);
    return rest.empty();
}

#if defined(_WIN32)
// The system's own case mapping, as Windows has no ICU: the invariant
// locale's simple lower-case letters, one for one.
std::u16string LowerCase(const std::u16string& text) {
    if (text.empty()) return {};
    if (text.size() > static_cast<std::size_t>(INT_MAX)) {
        throw std::length_error("text too long to map");
    }
    const int length = static_cast<int>(text.size());
    std::wstring result(text.size(), L'\0');
    const int n = LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_LOWERCASE,
                                reinterpret_cast<const wchar_t*>(text.data()), length,
                                result.data(), length, nullptr, nullptr, 0);
    // A mapping that would change the length (none in the system's data)
    // keeps the text as it is.
    if (n != length) return text;
    // The system's table leaves capital I with dot above as it is, outside
    // Turkish; its simple lower-case letter is i.
    for (wchar_t& c : result) {
        if (c == L'\u0130') c = L'i';
    }
    return std::u16string(result.begin(), result.end());
}
#elif defined(__EMSCRIPTEN__)
// The browser build has no ICU. Its C library (musl) maps case by the
// Unicode data in every locale, one character to one, as ICU's simple
// mapping does; a 16-bit unit that is no whole character stays as it is.
std::u16string LowerCase(const std::u16string& text) {
    std::u16string result = text;
    for (std::size_t i = 0; i < result.size(); ++i) {
        const char16_t unit = result[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < result.size() &&
            result[i + 1] >= 0xDC00 && result[i + 1] <= 0xDFFF) {
            const auto code = static_cast<wint_t>(
                0x10000 + ((unit - 0xD800) << 10) + (result[i + 1] - 0xDC00));
            const wint_t lower = std::towlower(code);
            if (lower >= 0x10000) {
                result[i] = static_cast<char16_t>(0xD800 + ((lower - 0x10000) >> 10));
                result[i + 1] = static_cast<char16_t>(0xDC00 + ((lower - 0x10000) & 0x3FF));
            }
            ++i;
        } else if (unit < 0xD800 || unit > 0xDFFF) {
            const wint_t lower = std::towlower(unit);
            if (lower < 0x10000) result[i] = static_cast<char16_t>(lower);
        }
    }
    return result;
}
#else
std::u16string LowerCase(const std::u16string& text) {
    std::u16string result;
    result.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t begin = i;
        UChar32 c = 0;
        U16_NEXT(text.data(), i, text.size(), c);
        const UChar32 lower = u_tolower(c);
        // A mapping that would change the number of code units (none
        // exists in current Unicode data) keeps the character as it is.
        if (U16_LENGTH(lower) == static_cast<std::int32_t>(i - begin)) {
            if (U_IS_BMP(lower)) {
                result += static_cast<char16_t>(lower);
            } else {
                result += static_cast<char16_t>(U16_LEAD(lower));
                result += static_cast<char16_t>(U16_TRAIL(lower));
            }
        } else {
            result.append(text, begin, i - begin);
        }
    }
    return result;
}
#endif

std::u16string LowerCaseAccented(const std::u16string& text) {
    std::u16string result;
    result.reserve(text.size());
    StrPos start = 1;
    for (;;) {
        StrPos index = 0;
        const StrPos p = FindFirstOf(text, start, kAccentedCapitals, &index);
        if (p == 0) break;
        result += LowerCase(text.substr(static_cast<std::size_t>(start - 1),
                                        static_cast<std::size_t>(p - start)));
        result += kAccentedSmallLetters[static_cast<std::size_t>(index - 1)];
        start = p + 1;
    }
    result += LowerCase(Mid(text, start));
    return result;
}

std::u16string ReplaceIgnoringCase(const std::u16string& text,
                                   const std::u16string& find,
                                   const std::u16string& replacement) {
    if (find.empty()) return text;
    const std::u16string lower_find = LowerCaseAccented(find);
    std::u16string result = text;
    std::size_t start = 0;
    for (;;) {
        const std::size_t p = LowerCaseAccented(result).find(lower_find, start);
        if (p == std::u16string::npos) return result;
        result.replace(p, find.size(), replacement);
        // Continue behind the inserted text: searching inside it could
        // match again forever, and starting further on would skip text.
        start = p + replacement.size();
    }
}

}  // namespace kalvest
