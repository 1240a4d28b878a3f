// The conversions of utf_text.h through the system's own calls: Windows
// has no ICU, and its UTF-8 code page replaces each malformed sequence with
// U+FFFD as the other platforms' conversion does.
#include "common/utf_text.h"

#include <windows.h>

#include <climits>
#include <stdexcept>

namespace kalvest {
namespace {

int CheckedLength(std::size_t size) {
    if (size > static_cast<std::size_t>(INT_MAX)) {
        throw std::length_error("text too long to convert");
    }
    return static_cast<int>(size);
}

std::wstring ToWide(std::string_view text, DWORD flags) {
    const int length = CheckedLength(text.size());
    if (length == 0) return {};
    // UTF-16 never needs more code units than UTF-8 has bytes.
    std::wstring result(text.size(), L'\0');
    const int n = MultiByteToWideChar(CP_UTF8, flags, text.data(), length,
                                      result.data(), length);
    if (n <= 0) throw std::runtime_error("UTF-8 conversion failed");
    result.resize(static_cast<std::size_t>(n));
    return result;
}

}  // namespace

std::wstring WideFromUtf8(std::string_view text) { return ToWide(text, 0); }

std::string Utf8FromWide(std::wstring_view text) {
    const int length = CheckedLength(text.size());
    if (length == 0) return {};
    // At most three bytes per UTF-16 code unit (a pair gives four for two).
    const int capacity = CheckedLength(text.size() * 3);
    std::string result(static_cast<std::size_t>(capacity), '\0');
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, result.data(),
                                      capacity, nullptr, nullptr);
    if (n <= 0) throw std::runtime_error("UTF-16 conversion failed");
    result.resize(static_cast<std::size_t>(n));
    return result;
}

std::u16string Utf8ToUtf16(std::string_view text) {
    const std::wstring wide = WideFromUtf8(text);
    return std::u16string(wide.begin(), wide.end());
}

std::string Utf16ToUtf8(std::u16string_view text) {
    return Utf8FromWide(std::wstring(text.begin(), text.end()));
}

bool IsValidUtf8(std::string_view text) {
    if (text.empty()) return true;
    // Measuring only: with this flag the call fails on the first
    // malformed sequence.
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(),
                               CheckedLength(text.size()), nullptr, 0) > 0;
}

}  // namespace kalvest
