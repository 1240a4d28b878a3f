// The program-text loader over arbitrary file contents. A load gives one
// of the documented results; a successful one holds exactly the entries
// of the file's entry lines, each a trimmed one-line text within the
// lookup buffer's size, which written out again load the same; a failed
// one leaves no entries. Lookups never write past the caller's buffer.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "outside/text_table.h"

#include "fuzz_check.h"

namespace {

using kalvest::gt;
using kalvest::LoadTextTableBytes;

using kalvest_fuzz::Check;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The numbers at the start of the lines that are no comments: the only
// lines that can hold entries.
std::set<std::int32_t> LineNumbers(std::string_view bytes) {
    std::set<std::int32_t> numbers;
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);  // a byte-order mark
    std::size_t pos = 0;
    while (pos <= bytes.size()) {
        std::size_t end = bytes.find('\n', pos);
        if (end == std::string_view::npos) end = bytes.size();
        std::size_t i = pos;
        while (i < end && IsBlank(bytes[i])) ++i;
        std::int64_t number = 0;
        std::size_t digits = 0;
        for (; i < end && bytes[i] >= '0' && bytes[i] <= '9'; ++i, ++digits) {
            number = std::min<std::int64_t>(number * 10 + (bytes[i] - '0'), 1 << 20);
        }
        if (digits > 0 && number >= 1 && number <= kalvest::kTextTableMaxTextNumber) {
            numbers.insert(static_cast<std::int32_t>(number));
        }
        pos = end + 1;
    }
    return numbers;
}

bool IsDocumentedFailure(std::int32_t code) {
    using namespace kalvest;
    if (code == kTextTableNothingRead || code == kTextTableEntryMemory ||
        code == kTextTableTooMuch || code == kTextTableNotText || code == kTextTableEmptyFile ||
        code == kTextTableMalformedLine || code == kTextTableNumberOutOfRange) {
        return true;
    }
    for (const std::int32_t base :
         {kTextTableMissingTextBase, kTextTableTooLongBase, kTextTableDuplicateBase}) {
        const std::int32_t line = base - code;
        if (line >= 1 && line <= kTextTableMaxLines) return true;
    }
    return false;
}

std::map<std::int32_t, std::string> Entries(const std::set<std::int32_t>& numbers) {
    std::map<std::int32_t, std::string> entries;
    for (const std::int32_t number : numbers) {
        std::vector<char> buffer(kalvest::kTextTableMaxEntryBytes);
        const std::int32_t n = gt(number, 0, buffer.data(),
                                  kalvest::kTextTableMaxEntryBytes, 0);
        Check(n >= 0 && n <= kalvest::kTextTableMaxEntryBytes);
        if (n > 0) entries[number] = std::string(buffer.data(), static_cast<std::size_t>(n));
    }
    return entries;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::int32_t code = LoadTextTableBytes(bytes);
    const std::set<std::int32_t> numbers = LineNumbers(bytes);
    const std::map<std::int32_t, std::string> entries = Entries(numbers);
    if (code <= 0) {
        Check(IsDocumentedFailure(code));
        Check(entries.empty());
        return 0;
    }
    Check(static_cast<std::size_t>(code) == entries.size());

    std::string written;
    for (const auto& [number, text] : entries) {
        Check(!text.empty() && !IsBlank(text.front()) && !IsBlank(text.back()));
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            Check(c == '\t' || (byte >= 0x20 && byte != 0x7F));
        }
        // Lookups into buffers of every small size: exactly that many
        // bytes may be written (ASan watches the end of each buffer).
        for (std::int32_t room = 0; room <= 4; ++room) {
            std::vector<char> small(static_cast<std::size_t>(room));
            Check(gt(number, 0, small.data(), room, 1) == static_cast<std::int32_t>(text.size()));
            Check(std::string_view(small.data(), small.size()).substr(0, text.size()) ==
                  std::string_view(text).substr(0, small.size()));
        }
        written += std::to_string(number) + " = " + text + "\n";
    }
    Check(LoadTextTableBytes(written) == code);
    Check(Entries(numbers) == entries);
    return 0;
}
