#include "main_window/settings_file.h"

#include <new>

#if defined(_WIN32)
#include <filesystem>
#include <fstream>

#include "common/utf_text.h"
#else
#include "common/regular_file.h"
#endif

#include "common/str_proc.h"
#include "run/year_input.h"

namespace kalvest {
namespace {

constexpr char kLineEnd[] = "\r\n";
constexpr char kFlagTrue[] = "#TRUE#";
constexpr char kFlagFalse[] = "#FALSE#";

// The longest file the writer can make: both texts at their limits, every
// character as long as UTF-8 makes one, and every number as long as an int
// is written (" 2147483647 " or "-2147483648 ", twelve characters, and the
// line end).
constexpr std::size_t kMaxCharBytes = 4;
constexpr std::size_t kQuotedRecordExtra = 4;  // two quotes, CR LF
constexpr std::size_t kMaxNumberRecordBytes = 12 + 2;
constexpr std::size_t kLargestFileBytes =
    kSettingsYearTextLimit * kMaxCharBytes + kQuotedRecordExtra +
    (kSettingsCheckBoxCount + 1) * kMaxNumberRecordBytes + sizeof "#FALSE#\r\n" +
    kRestoredOutputLimit * kMaxCharBytes + kQuotedRecordExtra;
static_assert(kLargestFileBytes < kSettingsFileMaxBytes,
              "a saved file must never reach the reader's limit");

std::string QuotedRecord(const std::string& text) {
    // No escaping: the reader ends the field at the next double quote.
    return "\"" + text + "\"" + kLineEnd;
}

std::string NumberRecord(int value) {
    const std::string digits = std::to_string(value);
    // Non-negative numbers keep a blank where a minus sign would stand.
    return (value >= 0 ? " " + digits : digits) + " " + kLineEnd;
}

std::string FlagRecord(bool value) {
    return std::string(value ? kFlagTrue : kFlagFalse) + kLineEnd;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the file's fields one by one. A field that starts with a double
// quote runs to the next double quote, line breaks and commas included;
// any other runs to the next comma or line end and loses its trailing
// blanks. Either way the reader then stands just after that comma or
// line end.
class FieldReader {
public:
    explicit FieldReader(const std::string& text) : text_(text) {}

    // The next field, or nothing at the end of the text or for a quoted
    // field without its closing quote.
    std::optional<std::string> Next() {
        while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
        if (pos_ >= text_.size()) return std::nullopt;
        if (text_[pos_] == '"') {
            const std::size_t close = text_.find('"', pos_ + 1);
            if (close == std::string::npos) return std::nullopt;
            std::string value = text_.substr(pos_ + 1, close - pos_ - 1);
            pos_ = close + 1;
            SkipPastSeparator();
            return value;
        }
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !IsSeparator(text_[pos_])) ++pos_;
        std::size_t end = pos_;
        while (end > start && IsBlank(text_[end - 1])) --end;
        SkipSeparator();
        return text_.substr(start, end - start);
    }

private:
    static bool IsSeparator(char c) { return c == ',' || c == '\r' || c == '\n'; }

    void SkipPastSeparator() {
        while (pos_ < text_.size() && !IsSeparator(text_[pos_])) ++pos_;
        SkipSeparator();
    }

    // Steps over one comma or one line end (CR LF, CR or LF).
    void SkipSeparator() {
        if (pos_ >= text_.size()) return;
        if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') {
            pos_ += 2;
        } else {
            ++pos_;
        }
    }

    const std::string& text_;
    std::size_t pos_ = 0;
};

// Length of the first `count` characters of the UTF-8 text in bytes:
// continuation bytes belong to the character before them.
std::size_t PrefixBytes(const std::string& text, std::size_t count) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) != 0x80) {
            if (chars == count) return i;
            ++chars;
        }
    }
    return text.size();
}

enum class YearReading { kNotANumber, kInRange, kOutOfRange };

// The stored year read as a decimal number (optional sign, digits, an
// optional fraction; blanks around it allowed) and tested against the
// window's years. Compared digit by digit, so that no text can overflow:
// no negative number and none of more than four digits is in range.
static_assert(kWindowYears.first > 0 && kWindowYears.last < 10000);
YearReading ReadYear(const std::string& stored) {
    if (PrefixBytes(stored, kSettingsYearTextLimit) < stored.size()) {
        return YearReading::kNotANumber;
    }
    const std::string text = TrimBlanks(stored);
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string whole;
    for (; i < text.size() && IsDigit(text[i]); ++i) whole += text[i];
    bool fraction_nonzero = false;
    std::size_t fraction_digits = 0;
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && IsDigit(text[i]); ++i, ++fraction_digits) {
            if (text[i] != '0') fraction_nonzero = true;
        }
    }
    if (i != text.size() || (whole.empty() && fraction_digits == 0)) {
        return YearReading::kNotANumber;
    }
    const std::size_t lead = whole.find_first_not_of('0');
    whole = lead == std::string::npos ? std::string() : whole.substr(lead);
    if (negative || whole.size() > 4) return YearReading::kOutOfRange;
    const int value = whole.empty() ? 0 : ParseWholeNumber(whole).value_or(0);
    const bool in_range = value >= kWindowYears.first &&
                          (value < kWindowYears.last ||
                           (value == kWindowYears.last && !fraction_nonzero));
    return in_range ? YearReading::kInRange : YearReading::kOutOfRange;
}

// The file's first kSettingsFileMaxBytes bytes, or nothing when it cannot
// be read.
std::optional<std::string> SettingsFileBytes(const std::string& path) {
#if defined(_WIN32)
    // The path is UTF-8: the wide-character name opens any file.
    std::ifstream file(std::filesystem::path(WideFromUtf8(path)), std::ios::binary);
    if (!file) return std::nullopt;
    std::string content(kSettingsFileMaxBytes, '\0');
    file.read(content.data(), static_cast<std::streamsize>(content.size()));
    content.resize(static_cast<std::size_t>(file.gcount()));
    return content;
#else
    FileBytes file = ReadRegularFile(path, kSettingsFileMaxBytes);
    if (file.result != FileReadResult::kRead) return std::nullopt;
    return std::move(file.bytes);
#endif
}

}  // namespace

std::string SettingsFileText(const SettingsRecord& settings) {
    // A restore reads no more than these parts of the two texts; writing
    // more would only bring the file nearer the reader's limit.
    const std::string& year = settings.year_text;
    const std::string& output = settings.output;
    std::string text = QuotedRecord(year.substr(0, PrefixBytes(year, kSettingsYearTextLimit)));
    for (int value : settings.checks) text += NumberRecord(value);
    text += NumberRecord(settings.zone_index);
    text += FlagRecord(settings.southern);
    text += QuotedRecord(output.substr(0, PrefixBytes(output, kRestoredOutputLimit)));
    return text;
}

std::string RestoredOutputText(const std::string& stored) {
    return TrimBlanks(stored.substr(0, PrefixBytes(stored, kRestoredOutputLimit)));
}

LoadedSettings ReadSettingsText(const std::string& content,
                                const std::string& current_year_text) {
    LoadedSettings loaded;
    FieldReader reader(content);

    const std::optional<std::string> year = reader.Next();
    if (!year) return loaded;
    const YearReading reading = ReadYear(*year);
    if (reading == YearReading::kNotANumber) return loaded;
    if (reading == YearReading::kInRange) {
        loaded.year_text = *year;
    } else {
        loaded.year_text = current_year_text;
        loaded.clear_output = true;
    }

    for (int& value : loaded.checks) {
        const std::optional<std::string> field = reader.Next();
        if (!field) return loaded;
        const std::optional<int> number = ParseWholeNumber(*field);
        if (!number || *number < 0 || *number > 2) return loaded;
        value = *number;
        ++loaded.check_count;
    }

    const std::optional<std::string> zone_field = reader.Next();
    if (!zone_field) return loaded;
    const std::optional<int> zone = ParseWholeNumber(*zone_field);
    if (!zone || *zone < 0 || *zone >= kZoneCount) return loaded;
    loaded.zone_index = *zone;

    const std::optional<std::string> flag = reader.Next();
    if (!flag) return loaded;
    // Anything but the exact "#FALSE#" means the southern hemisphere.
    loaded.southern = *flag != kFlagFalse;

    const std::optional<std::string> output = reader.Next();
    if (!output) return loaded;
    loaded.output = loaded.clear_output ? std::string() : RestoredOutputText(*output);
    return loaded;
}

LoadedSettings LoadSettingsFile(const std::string& path,
                                const std::string& current_year_text) {
    try {
        const std::optional<std::string> content = SettingsFileBytes(path);
        if (!content) return {};
        return ReadSettingsText(*content, current_year_text);
    } catch (const std::bad_alloc&) {
        return {};
    }
}

}  // namespace kalvest
