#include "outside/text_table.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <new>
#include <string>
#include <string_view>

#if defined(_WIN32)
#include <windows.h>
#else
#include "common/regular_file.h"
#endif

#include "common/str_proc.h"
#include "common/utf_text.h"

namespace kalvest {
namespace {

using Table = std::map<std::int32_t, std::string>;

Table& LoadedTable() {
    static Table table;
    return table;
}

struct FileContent {
    std::int32_t code = 0;  // 0: read; otherwise a failure code
    std::string bytes;
};

#if defined(_WIN32)

// Reads the whole file, one byte more than the limit at most, so that an
// oversized file is recognised without reading it all.
FileContent ReadFile(const char* path) {
    FileContent content;
    // The path is UTF-8; the wide-character call opens any name.
    std::FILE* file = _wfopen(WideFromUtf8(path).c_str(), L"rb");
    if (file == nullptr) {
        content.code = kTextTableCannotOpen;
        return content;
    }
    try {
        char chunk[8192];
        for (;;) {
            const std::size_t n = std::fread(chunk, 1, sizeof chunk, file);
            content.bytes.append(chunk, n);
            if (content.bytes.size() > static_cast<std::size_t>(kTextTableMaxFileBytes)) {
                content.code = kTextTableTooMuch;
                break;
            }
            if (n < sizeof chunk) {
                if (std::ferror(file)) content.code = kTextTableReadError;
                break;
            }
        }
    } catch (const std::bad_alloc&) {
        content.code = kTextTableFileMemory;
    }
    std::fclose(file);
    if (content.code == 0 && content.bytes.empty()) content.code = kTextTableEmptyFile;
    return content;
}

#else

// A pipe, a device or a folder in the file's place cannot be read; the
// read stops one byte past the limit, so that /dev/zero or a huge file is
// recognised without reading it all.
FileContent ReadFile(const char* path) {
    FileContent content;
    FileBytes file = ReadRegularFile(path, kTextTableMaxFileBytes);
    switch (file.result) {
    case FileReadResult::kRead:
        if (file.truncated) {
            content.code = kTextTableTooMuch;
        } else if (file.bytes.empty()) {
            content.code = kTextTableEmptyFile;
        }
        content.bytes = std::move(file.bytes);
        break;
    case FileReadResult::kCannotOpen: content.code = kTextTableCannotOpen; break;
    case FileReadResult::kOutOfMemory: content.code = kTextTableFileMemory; break;
    case FileReadResult::kFolder:
    case FileReadResult::kNotRegular:
    case FileReadResult::kReadError: content.code = kTextTableReadError; break;
    }
    return content;
}

#endif

// Blanks and tabs around a number, the "=" and a text are not part of them.
std::string_view TrimBlanksAndTabs(std::string_view text) { return TrimChars(text, " \t"); }

// Parses one line into `table`; returns 0, or the failure code the line
// gives.
std::int32_t ParseLine(std::string_view line, std::int32_t line_number,
                       std::int64_t& total_bytes, Table& table) {
    std::string_view rest = TrimBlanksAndTabs(line);
    if (rest.empty() || rest.front() == '#') return 0;

    std::size_t digits = 0;
    while (digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9') ++digits;
    if (digits == 0) return kTextTableMalformedLine;
    // Digits beyond 32 bits are out of range like any other large number.
    const std::int32_t number =
        ParseWholeNumber(rest.substr(0, digits)).value_or(kTextTableMaxTextNumber + 1);
    rest = TrimBlanksAndTabs(rest.substr(digits));
    if (rest.empty() || rest.front() != '=') return kTextTableMalformedLine;
    if (number < 1 || number > kTextTableMaxTextNumber) return kTextTableNumberOutOfRange;

    const std::string_view text = TrimBlanksAndTabs(rest.substr(1));
    if (text.empty()) return kTextTableMissingTextBase - line_number;
    if (text.size() > static_cast<std::size_t>(kTextTableMaxEntryBytes)) {
        return kTextTableTooLongBase - line_number;
    }
    const auto key = static_cast<std::int32_t>(number);
    if (table.count(key) != 0) return kTextTableDuplicateBase - line_number;

    total_bytes += static_cast<std::int64_t>(text.size());
    if (total_bytes > kTextTableMaxTotalBytes) return kTextTableTooMuch;
    try {
        table.emplace(key, std::string(text));
    } catch (const std::bad_alloc&) {
        return kTextTableEntryMemory;
    }
    return 0;
}

// Text is UTF-8 with no control characters but tab and the line ends LF
// and CR LF; a file with others (NUL bytes above all) is something else.
// A CR that no LF follows is no line end: a file with CR-only line ends
// would otherwise be read as one long line.
bool IsText(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r') {
            if (i + 1 == bytes.size() || bytes[i + 1] != '\n') return false;
            continue;
        }
        if ((byte < 0x20 && c != '\t' && c != '\n') || byte == 0x7F) return false;
    }
    return IsValidUtf8(bytes);
}

std::int32_t ParseFile(std::string_view bytes, Table& table) {
    if (!IsText(bytes)) return kTextTableNotText;
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        bytes.remove_prefix(kByteOrderMark.size());
    }

    std::int64_t total_bytes = 0;
    std::int32_t line_number = 0;
    while (!bytes.empty()) {
        ++line_number;
        if (line_number > kTextTableMaxLines) return kTextTableTooMuch;
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::int32_t code = ParseLine(line, line_number, total_bytes, table);
        if (code != 0) return code;
    }
    return static_cast<std::int32_t>(table.size());
}

}  // namespace

std::int32_t LoadTextTableBytes(std::string_view bytes) {
    Table& loaded = LoadedTable();
    loaded.clear();
    if (bytes.empty()) return kTextTableEmptyFile;
    // Parsed straight into the loaded table, which a failure empties again:
    // a failed load leaves no texts.
    const std::int32_t result = ParseFile(bytes, loaded);
    if (result <= 0) loaded.clear();
    return result;
}

extern "C" std::int32_t lt(const char* path, std::int32_t options) {
    Table& loaded = LoadedTable();
    loaded.clear();
    if (path == nullptr || path[0] == '\0' || options != 0) return kTextTableBadArgument;

    const FileContent content = ReadFile(path);
    if (content.code != 0) return content.code;
    return LoadTextTableBytes(content.bytes);
}

extern "C" std::int32_t gt(std::int32_t number, std::int32_t language,
                           char* buffer, std::int32_t size,
                           std::int32_t fallback) {
    if (language != kTextTableLanguage && fallback == 0) return 0;
    const Table& table = LoadedTable();
    const auto found = table.find(number);
    if (found == table.end()) return 0;

    const std::string& text = found->second;
    const auto length = static_cast<std::int32_t>(text.size());
    if (buffer != nullptr && size > 0) {
        const std::int32_t copied = std::min(length, size);
        std::memcpy(buffer, text.data(), static_cast<std::size_t>(copied));
        if (copied < size) buffer[copied] = '\0';
    }
    return length;
}

}  // namespace kalvest
