#include "main_window/about_kalvest.h"

#include "common/program_version.h"
#include "datetime/zone_database.h"
#include "outside/library_error.h"

namespace kalvest {

AboutFacts GatherAboutFacts() {
    AboutFacts facts;
    facts.program_version = kProgramVersion;
    facts.zone_database_folder = ZoneTableFolder();
    try {
        facts.zone_database_version = ZoneDatabaseVersion();
    } catch (const ZoneDatabaseError& error) {
        facts.zone_database_error = error.what();
    }
    try {
        facts.varquel = VarquelLibraryFile();
    } catch (const LibraryError& error) {
        facts.varquel_error = error.what();
    }
    return facts;
}

std::string AboutText(const AboutFacts& facts) {
    const std::string end = "\r\n";
    std::string text = "Kalvest " + facts.program_version + end +
                       "The year's solar turning points: equinoxes, solstices and "
                       "cross-quarter days." + end + end +
                       "Free software under the MIT License." + end + end;
    if (facts.zone_database_error.empty()) {
        text += "Time zone database: version " + facts.zone_database_version + ", from " +
                facts.zone_database_folder + end;
    } else {
        text += "Time zone database: " + facts.zone_database_error + end;
    }
    if (facts.varquel) {
        text += "varquel: " + facts.varquel->file_name + ", loaded from " +
                facts.varquel->loaded_from;
        if (!facts.varquel->version.empty()) text += ", version " + facts.varquel->version;
        text += end;
    } else {
        text += "varquel: " + facts.varquel_error + end;
    }
    return text;
}

}  // namespace kalvest
