// Language: the numbered program texts (message texts and titles, a
// window caption, file names, document addresses), loaded once at start-up
// from the program-text file in the program's data folder and handed out by
// number.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "common/install_layout.h"

namespace kalvest {

// Size of the one lookup buffer every GetProgramText call reuses; no text
// can be longer.
constexpr std::size_t kLookupBufferChars = 1024;

// The language every lookup asks for (English).
constexpr std::int16_t kProgramTextLanguage = 0;

// folder + separator + file_name, without a second separator when `folder`
// already ends with one (a drive or file-system root); just `file_name`
// when `folder` is empty.
std::string ProgramTextPath(const std::string& folder, const std::string& file_name);

// The message that reports load result `code` (<= 0) for the file at
// `path`; the empty string for a success (code > 0).
std::string ProgramTextLoadMessage(std::int32_t code, const std::string& path);

// Loads the table from `path` and returns the loader's result: the number
// of texts (> 0), or a failure code (0 or negative). Shows nothing.
std::int32_t LoadProgramTextFile(const std::string& path);

// Start-up: loads `file_name` from the program's data folder (DataFolder in
// common/install_layout.h), or from `folder` when given. On failure shows the message for the result code in a
// message box (critical icon, OK, empty title) and, once it is closed,
// ends the program through the program-exit handler.
void LoadProgramText(const std::string& file_name);
void LoadProgramText(const std::string& file_name, const std::string& folder);

// Text number `text_number` (UTF-8), or the empty string when there is
// none or it is the empty-text mark "~".
std::string GetProgramText(std::int16_t text_number);

// What LoadProgramText calls to end the program (std::exit by default).
// Tests install one that records the call and returns; LoadProgramText
// then returns too. An empty function restores the default. Returns the
// handler it replaces.
using ProgramExitHandler = std::function<void(int exit_code)>;
ProgramExitHandler SetProgramExitHandler(ProgramExitHandler handler);

}  // namespace kalvest
