// The per-user settings file "kalvest.usr": where it lives, the exact
// 15-record text the save command writes, and the reader that restores it
// at start-up. Qt-free; the main window moves the values to and from its
// controls.
//
// Records, each ended by CR LF: 1 the year text (quoted), 2..12 the check
// boxes (numbers 0, 1 or 2), 13 the zone's list index (number), 14 the
// hemisphere flag ("#TRUE#" southern, "#FALSE#" northern), 15 the output
// text (quoted, may span several lines). A number n >= 0 is written as
// blank, digits, blank; a negative one as minus, digits, blank.
//
// The text is UTF-8, as every text inside the program, on every system.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "run/zone_list.h"

namespace kalvest {

// Check boxes in the order of records 2 to 12. True sun comes before mean
// sun.
enum SettingsCheckBox : int {
    kSaveVE, kSaveSS, kSaveAE, kSaveWS,
    kSaveImbolc, kSaveBeltane, kSaveLughnassad, kSaveSamhain,
    kSaveTrueSun, kSaveMeanSun, kSaveIncludeWeekday,
    kSettingsCheckBoxCount
};

// The longest output a restore puts back, in characters. The save writes
// no more of it either.
constexpr std::size_t kRestoredOutputLimit = 10240;

// A stored year text longer than this many characters is no year: the year
// box takes five typed characters, and a restore gives back no more than
// it read. The save writes no more of it either.
constexpr std::size_t kSettingsYearTextLimit = 64;

// The reader reads no more of the file than this, so that a huge file (or
// one that never ends) cannot exhaust the memory at start-up; the records
// the first bytes hold are restored as from a damaged file. No file the
// program writes comes near it (see SettingsFileText).
constexpr std::size_t kSettingsFileMaxBytes = 65536;

// What the save command stores.
struct SettingsRecord {
    std::string year_text;                                // unvalidated
    std::array<int, kSettingsCheckBoxCount> checks = {};  // 0, 1 or 2 (grey)
    int zone_index = kDefaultZoneIndex;
    bool southern = false;
    std::string output;
};

// What a restore applies, in the file's order. A damaged file yields the
// fields read before its first bad record; the rest stay unset.
struct LoadedSettings {
    // Record 1: the stored year text, or the current year when the stored
    // one is out of 1..3000.
    std::optional<std::string> year_text;
    // The stored year was out of range: the output box is emptied at once
    // and the stored output is not restored.
    bool clear_output = false;
    int check_count = 0;  // leading check boxes read (0..11)
    std::array<int, kSettingsCheckBoxCount> checks = {};
    std::optional<int> zone_index;
    std::optional<bool> southern;
    // Record 15: the output to show (cut and trimmed, or empty when the
    // year cancelled it).
    std::optional<std::string> output;
};

// The whole file text for `settings`: the year text and the output cut to
// their limits above, so that the text stays well below
// kSettingsFileMaxBytes.
std::string SettingsFileText(const SettingsRecord& settings);

// Writes the file: the text goes into a new file in the same folder, which
// replaces `path` only after a complete, flushed write, so a failure leaves
// the previous file as it was. Returns the empty string on success, else
// the system's description of the error that stopped it (also when there is
// no memory for the text).
std::string SaveSettingsFile(const std::string& path, const SettingsRecord& settings);

// Reads a file's text by the reading rules and the year, zone and output
// rules of the restore. `current_year_text` replaces a stored year outside
// 1..3000.
LoadedSettings ReadSettingsText(const std::string& content,
                                const std::string& current_year_text);

// Reads the file at `path`, at most its first kSettingsFileMaxBytes bytes.
// A file that cannot be opened yields nothing, and so does anything but a
// regular file (a pipe or a device is never waited for) and a lack of
// memory.
LoadedSettings LoadSettingsFile(const std::string& path,
                                const std::string& current_year_text);

// The output as the restore shows it: its first 10240 characters, then
// without leading and trailing blanks.
std::string RestoredOutputText(const std::string& stored);

}  // namespace kalvest
