// StrProc: the small text routines the program shares. They work on
// 16-bit-character strings (UTF-16 code units) with 1-based positions;
// single characters are compared exactly, by code, never by locale.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kalvest {

// A 1-based character position; 0 means "not found". Signed, because
// callers may pass a start below 1 (it counts as 1).
using StrPos = std::ptrdiff_t;

// The 30 accented capitals and their small letters, in corresponding order.
extern const std::u16string kAccentedCapitals;
extern const std::u16string kAccentedSmallLetters;

// The first n characters; the whole text when n reaches its length; the
// empty string when n <= 0.
std::u16string SafeLeft(const std::u16string& text, StrPos n);

// Position of the first character at or after `start` that occurs in
// `set`, and (when `index_in_set` is given) that character's position in
// `set`. 0 (and index 0) when there is none or text or set is empty.
StrPos FindFirstOf(const std::u16string& text, StrPos start,
                   const std::u16string& set, StrPos* index_in_set = nullptr);

// Position of the first character at or after `start` that does not occur
// in `set`; 0 when text is empty or every such character is in `set`;
// 1 when `set` is empty and text is not.
StrPos FindFirstNotOf(const std::u16string& text, StrPos start,
                      const std::u16string& set);

// Removes, in place, every character of `text` that occurs in `set`.
void RemoveChars(std::u16string& text, const std::u16string& set);

// The text without its leading and trailing blanks (space characters
// only; tabs and line breaks stay).
std::u16string TrimBlanks(const std::u16string& text);
std::string TrimBlanks(const std::string& text);

// The text without its leading and trailing characters that occur in
// `set` (TrimBlanks is TrimChars with a set of one blank).
std::string_view TrimChars(std::string_view text, std::string_view set);

// True when `text`, without leading and trailing blanks, is a whole
// number: an optional single "+" or "-" (only if allow_sign), then only the
// digits 0-9 (and commas, if allow_comma). A lone sign counts as a number.
bool IsInteger(const std::u16string& text, bool allow_sign, bool allow_comma);

// The value of `text` when it is exactly an optional "+" or "-" and one or
// more decimal digits (no blanks) and fits 32 bits; nothing otherwise. The
// program's one reader of whole numbers: the year check, the settings
// file, the program-text file and the zone rules all read theirs with it.
std::optional<std::int32_t> ParseWholeNumber(std::string_view text);

// The platform's standard lower-casing: each character by its simple
// Unicode lower-case mapping, independent of the user's locale. The result
// always has the same length as `text`, so positions carry over.
std::u16string LowerCase(const std::u16string& text);

// Lower-casing with the 30 accented capitals mapped through the tables
// above and every other character through LowerCase.
std::u16string LowerCaseAccented(const std::u16string& text);

// `text` with each occurrence of `find` replaced by `replacement`, matched
// without regard to letter case (both sides through LowerCaseAccented).
// The replacement is inserted unchanged and never searched again; an empty
// `find` leaves the text unchanged.
std::u16string ReplaceIgnoringCase(const std::u16string& text,
                                   const std::u16string& find,
                                   const std::u16string& replacement);

}  // namespace kalvest
