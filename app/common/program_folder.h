#pragma once

#include <string>

namespace kalvest {

// Folder of the running executable, without a trailing separator, or the
// empty string when the platform cannot tell. The program's data files and
// the libraries it loads by name sit there. On Windows the name is UTF-8.
std::string ProgramFolder();

// The platform's path separator ("\\" on Windows, "/" elsewhere).
char PathSeparator();

// `name` inside `folder`, joined by std::filesystem: one separator between
// them, none added after a folder that ends in one. `name` stays inside
// the folder even when it starts with a separator; an empty folder gives
// `name` unchanged. The texts keep their encoding (UTF-8, or on Windows
// possibly the ANSI code page), since only separators are looked at.
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace kalvest
