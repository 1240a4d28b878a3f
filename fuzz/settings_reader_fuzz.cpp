// The settings file's reader over arbitrary file contents, and the writer
// and reader together over arbitrary settings. The reader restores the
// records in order up to the first it cannot read, each within its
// documented range, and what it restores saves and reads back unchanged;
// whatever the writer writes stays below the reader's size limit and reads
// back as it was saved.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "main_window/settings_file.h"

#include "fuzz_check.h"

namespace {

using namespace kalvest;

constexpr char kCurrentYear[] = "2026";

using kalvest_fuzz::Check;

std::size_t Characters(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

bool SameSettings(const LoadedSettings& a, const LoadedSettings& b) {
    return a.year_text == b.year_text && a.clear_output == b.clear_output &&
           a.check_count == b.check_count && a.checks == b.checks &&
           a.zone_index == b.zone_index && a.southern == b.southern && a.output == b.output;
}

void CheckRanges(const LoadedSettings& loaded) {
    // Each field only after all those before it.
    Check(loaded.check_count >= 0 && loaded.check_count <= kSettingsCheckBoxCount);
    Check(loaded.check_count == 0 || loaded.year_text.has_value());
    Check(!loaded.zone_index || loaded.check_count == kSettingsCheckBoxCount);
    Check(!loaded.southern || loaded.zone_index.has_value());
    Check(!loaded.output || loaded.southern.has_value());
    if (loaded.year_text) {
        Check(Characters(*loaded.year_text) <= kSettingsYearTextLimit);
        if (loaded.clear_output) {
            Check(*loaded.year_text == kCurrentYear);
        } else {
            const double year = std::strtod(loaded.year_text->c_str(), nullptr);
            Check(year >= 1.0 && year <= 3000.0);
        }
    }
    for (int i = 0; i < kSettingsCheckBoxCount; ++i) {
        const int value = loaded.checks[static_cast<std::size_t>(i)];
        Check(i < loaded.check_count ? value >= 0 && value <= 2 : value == 0);
    }
    if (loaded.zone_index) Check(*loaded.zone_index >= 0 && *loaded.zone_index <= 48);
    if (loaded.output) {
        const std::string& output = *loaded.output;
        Check(Characters(output) <= kRestoredOutputLimit);
        Check(output.empty() || (output.front() != ' ' && output.back() != ' '));
        if (loaded.clear_output) Check(output.empty());
    }
}

SettingsRecord RecordOf(const LoadedSettings& loaded) {
    SettingsRecord record;
    record.year_text = *loaded.year_text;
    record.checks = loaded.checks;
    record.zone_index = *loaded.zone_index;
    record.southern = *loaded.southern;
    record.output = *loaded.output;
    return record;
}

void ReadArbitraryFile(const std::string& content) {
    const LoadedSettings loaded = ReadSettingsText(content, kCurrentYear);
    CheckRanges(loaded);
    if (!loaded.output || loaded.clear_output) return;
    // An output read from a record without quotes may hold a quote, which
    // would end the saved record early (the format has no escape; the
    // program's own output holds none).
    if (loaded.output->find('"') != std::string::npos) return;
    const std::string saved = SettingsFileText(RecordOf(loaded));
    Check(saved.size() < kSettingsFileMaxBytes);
    Check(SameSettings(ReadSettingsText(saved, kCurrentYear), loaded));
}

std::string TextWithoutQuotes(FuzzedDataProvider& input, std::size_t max_length) {
    std::string text = input.ConsumeRandomLengthString(max_length);
    std::erase(text, '"');  // never in a saved text: the format has no escape
    return text;
}

void SaveArbitrarySettings(FuzzedDataProvider& input) {
    SettingsRecord record;
    record.year_text = TextWithoutQuotes(input, 80);
    for (int& value : record.checks) value = input.ConsumeIntegralInRange(0, 2);
    record.zone_index = input.ConsumeIntegralInRange(0, 48);
    record.southern = input.ConsumeBool();
    record.output = TextWithoutQuotes(input, 50000);

    const std::string text = SettingsFileText(record);
    Check(text.size() < kSettingsFileMaxBytes);
    const LoadedSettings loaded = ReadSettingsText(text, kCurrentYear);
    CheckRanges(loaded);
    if (!loaded.year_text) return;  // the year text is no number
    Check(loaded.check_count == kSettingsCheckBoxCount && loaded.checks == record.checks);
    Check(loaded.zone_index == record.zone_index && loaded.southern == record.southern);
    if (loaded.clear_output) {
        Check(loaded.output == std::string());
    } else {
        Check(record.year_text.starts_with(*loaded.year_text));
        Check(loaded.output == RestoredOutputText(record.output));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    if (data[0] % 2 == 0) {
        ReadArbitraryFile(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    } else {
        FuzzedDataProvider input(data + 1, size - 1);
        SaveArbitrarySettings(input);
    }
    return 0;
}
