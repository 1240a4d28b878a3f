// What Help > About Kalvest says: the program's version and licence, the
// time zone database it reads, and the varquel library it has loaded.
// Qt-free; the window shows the text in a message box.
#pragma once

#include <optional>
#include <string>

#include "outside/varquel_binding.h"

namespace kalvest {

struct AboutFacts {
    std::string program_version;        // "7.0"
    std::string zone_database_version;  // "2025b"; empty when unreadable
    std::string zone_database_folder;   // "/usr/share/zoneinfo"
    std::string zone_database_error;    // why it could not be read
    std::optional<VarquelFile> varquel;
    std::string varquel_error;  // why varquel could not be loaded
};

// Reads the zone database's version and loads varquel if need be; a
// failure of either is kept in its error text.
AboutFacts GatherAboutFacts();

// The box's text, lines separated by CR LF.
std::string AboutText(const AboutFacts& facts);

}  // namespace kalvest
