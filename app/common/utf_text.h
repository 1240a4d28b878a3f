// Conversions between the UTF-8 strings of most of the program and the
// 16-bit-character strings of the string helpers. Malformed input is not
// an error: each bad sequence becomes U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace kalvest {

std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

// True when `text` is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

#if defined(_WIN32)
// Windows names files in 16-bit wide characters: the UTF-8 path of the
// program for the wide-character calls, and their answers back.
std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);
#endif

}  // namespace kalvest
