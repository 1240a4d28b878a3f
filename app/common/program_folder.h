#pragma once

#include <string>

namespace kalvest {

// Folder of the running executable, without a trailing separator, or the
// empty string when the platform cannot tell. The program's data files and
// the libraries it loads by name sit there. On Windows the name is UTF-8.
std::string ProgramFolder();

// The platform's path separator ("\\" on Windows, "/" elsewhere).
char PathSeparator();

}  // namespace kalvest
