// The program-text table: our own implementation of the auxiliary library
// that loads the numbered program texts and serves them by number, with
// the same C interface (lt loads, gt looks up).
//
// File format (UTF-8 text without control characters but tab and the line
// ends; the same description heads data/kalvest.dat):
//   - One entry per line:  <number> = <text>
//     The number is decimal, 1 to 32767; blanks (spaces, tabs) may stand
//     before the number and on both sides of "="; the text runs to the end
//     of the line, without its leading and trailing blanks. The text "~"
//     stands for an empty text (an entry may not be empty itself). There
//     are no escapes: a text is one line.
//   - Lines that are empty or hold only blanks are ignored; a line whose
//     first non-blank character is "#" is a comment.
//   - Lines end with LF or CR LF (a CR anywhere else is a control
//     character); a UTF-8 byte-order mark at the start is allowed.
//
// Limits (exceeding one gives kTextTableTooMuch):
//   - the file: at most kTextTableMaxFileBytes bytes and kTextTableMaxLines
//     lines (line-numbered result codes address lines 1 to 500 only);
//   - an entry's text: at most kTextTableMaxEntryBytes bytes, the size of
//     the program's lookup buffer (a longer one is reported by its line);
//   - all texts together: at most kTextTableMaxTotalBytes bytes.
//
// Result of lt: the number of entries loaded (> 0), or a failure code:
//   0      the file holds no entry (only comments and blank lines)
//   -1     the file cannot be opened
//   -2     no memory to store an entry
//   -3     more lines, bytes or text than the limits above
//   -4     the file is not text: a malformed UTF-8 sequence, or a control
//          character other than tab and the line ends (a NUL byte, or a CR
//          that no LF follows, for example)
//   -5     a bad argument (no path, or an option other than 0)
//   -6     the file is empty (0 bytes)
//   -7     the file cannot be read: a folder, a pipe or a device (none of
//          which is waited for), or a read error
//   -8     no memory to read the file
//   -9     a line that is neither entry, comment nor blank (no number, or
//          no "=" after it); the first such line counts
//   -10    a text number outside 1 to 32767
//   -500 - line    an entry with no text after "="
//   -1000 - line   an entry longer than kTextTableMaxEntryBytes
//   -1500 - line   a number that an earlier line already has
// The lines are checked in order and the first fault decides; within a
// line: its form, the number's range, a missing text, the length, then a
// duplicate. On any failure the table is left empty.
#pragma once

#include <cstdint>
#include <string_view>

namespace kalvest {

constexpr std::int32_t kTextTableMaxLines = 500;
constexpr std::int32_t kTextTableMaxEntryBytes = 1024;
constexpr std::int32_t kTextTableMaxTotalBytes = 65536;
constexpr std::int32_t kTextTableMaxFileBytes = 1048576;
constexpr std::int32_t kTextTableMaxTextNumber = 32767;

constexpr std::int32_t kTextTableNothingRead = 0;
constexpr std::int32_t kTextTableCannotOpen = -1;
constexpr std::int32_t kTextTableEntryMemory = -2;
constexpr std::int32_t kTextTableTooMuch = -3;
constexpr std::int32_t kTextTableNotText = -4;
constexpr std::int32_t kTextTableBadArgument = -5;
constexpr std::int32_t kTextTableEmptyFile = -6;
constexpr std::int32_t kTextTableReadError = -7;
constexpr std::int32_t kTextTableFileMemory = -8;
constexpr std::int32_t kTextTableMalformedLine = -9;
constexpr std::int32_t kTextTableNumberOutOfRange = -10;
constexpr std::int32_t kTextTableMissingTextBase = -500;
constexpr std::int32_t kTextTableTooLongBase = -1000;
constexpr std::int32_t kTextTableDuplicateBase = -1500;

// The language whose texts the file holds.
constexpr std::int32_t kTextTableLanguage = 0;

// Loads the table from a file's bytes, as lt does once it has read them;
// the same results, but -1, -5, -7 and -8, which only the file gives.
std::int32_t LoadTextTableBytes(std::string_view bytes);

extern "C" {

// Loads the table from the file at `path` (UTF-8), replacing the table held
// so far. `options` must be 0. Returns the number of entries or a failure
// code (above).
std::int32_t lt(const char* path, std::int32_t options);

// Looks up text `number` in `language`. The file holds kTextTableLanguage
// only: another language is served from it when `fallback` is not 0, and
// is not found when it is 0. Copies at most `size` bytes of the entry into
// `buffer` (a NUL follows when there is room) and returns the entry's full
// length in bytes; returns 0 when there is no such entry. A null buffer or
// a size <= 0 copies nothing.
std::int32_t gt(std::int32_t number, std::int32_t language, char* buffer,
                std::int32_t size, std::int32_t fallback);

}  // extern "C"

}  // namespace kalvest
