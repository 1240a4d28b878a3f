#include "common/utf_text.h"

#include <unicode/ustring.h>
#include <unicode/utypes.h>

#include <cstdint>
#include <limits>
#include <stdexcept>

namespace kalvest {
namespace {

constexpr UChar32 kReplacementCharacter = 0xFFFD;

std::int32_t CheckedLength(std::size_t size) {
    if (size > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        throw std::length_error("text too long to convert");
    }
    return static_cast<std::int32_t>(size);
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view text) {
    const std::int32_t source_length = CheckedLength(text.size());
    if (source_length == 0) return {};
    // UTF-16 never needs more code units than UTF-8 has bytes.
    std::u16string result(text.size(), u'\0');
    std::int32_t length = 0;
    UErrorCode error = U_ZERO_ERROR;
    u_strFromUTF8WithSub(reinterpret_cast<UChar*>(result.data()), source_length,
                         &length, text.data(), source_length,
                         kReplacementCharacter, nullptr, &error);
    if (U_FAILURE(error)) throw std::runtime_error("UTF-8 conversion failed");
    result.resize(static_cast<std::size_t>(length));
    return result;
}

std::string Utf16ToUtf8(std::u16string_view text) {
    const std::int32_t source_length = CheckedLength(text.size());
    if (source_length == 0) return {};
    // At most three bytes per UTF-16 code unit (a pair gives four for two).
    const std::int32_t capacity = CheckedLength(text.size() * 3);
    std::string result(static_cast<std::size_t>(capacity), '\0');
    std::int32_t length = 0;
    UErrorCode error = U_ZERO_ERROR;
    u_strToUTF8WithSub(result.data(), capacity, &length,
                       reinterpret_cast<const UChar*>(text.data()), source_length,
                       kReplacementCharacter, nullptr, &error);
    if (U_FAILURE(error)) throw std::runtime_error("UTF-16 conversion failed");
    result.resize(static_cast<std::size_t>(length));
    return result;
}

bool IsValidUtf8(std::string_view text) {
    const std::int32_t source_length = CheckedLength(text.size());
    if (source_length == 0) return true;
    std::int32_t length = 0;
    UErrorCode error = U_ZERO_ERROR;
    // Measuring only: ICU reports the buffer overflow, or the first
    // malformed sequence.
    u_strFromUTF8(nullptr, 0, &length, text.data(), source_length, &error);
    return error == U_BUFFER_OVERFLOW_ERROR || U_SUCCESS(error);
}

}  // namespace kalvest
