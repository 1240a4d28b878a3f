#include "common/language.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "common/message_box.h"
#include "common/install_layout.h"
#include "common/program_folder.h"
#include "outside/text_table.h"

namespace kalvest {
namespace {

ProgramExitHandler& CurrentExitHandler() {
    static ProgramExitHandler handler;
    return handler;
}

void EndProgram(int exit_code) {
    const ProgramExitHandler& handler = CurrentExitHandler();
    if (handler) {
        handler(exit_code);
    } else {
        std::exit(exit_code);
    }
}

std::string LineMessage(const char* lead, std::int64_t line) {
    return std::string(lead) + " " + std::to_string(line < 0 ? -line : line) + ".";
}

}  // namespace

std::string ProgramTextPath(const std::string& folder, const std::string& file_name) {
    return JoinPath(folder, file_name);
}

std::string ProgramTextLoadMessage(std::int32_t code, const std::string& path) {
    const std::int64_t c = code;  // room for c + 1500 at the lowest code
    switch (code) {
        case 0: return "No program text was read.";
        case -1: return "Cannot open file containing program text.\r\n" + path;
        case -2: return "Particular memory allocation error.";
        case -3: return "Too much program text.";
        case -4: return "Text not recovered.";
        case -6: return "File is empty.";
        case -7: return "Error reading file.";
        case -8: return "General memory allocation error.";
        default: break;
    }
    if (c > 0) return {};
    if (c < -1500) return LineMessage("Duplicate in program text at line", c + 1500);
    if (c < -1000) return LineMessage("String too long at line", c + 1000);
    if (c < -500) return LineMessage("Missing string at line", c + 500);
    return "Error " + std::to_string(c);
}

std::int32_t LoadProgramTextFile(const std::string& path) {
    return lt(path.c_str(), 0);
}

void LoadProgramText(const std::string& file_name) {
    LoadProgramText(file_name, DataFolder());
}

void LoadProgramText(const std::string& file_name, const std::string& folder) {
    const std::string path = ProgramTextPath(folder, file_name);
    const std::int32_t code = LoadProgramTextFile(path);
    if (code > 0) return;

    ShowMessageBox({ProgramTextLoadMessage(code, path), "", MessageIcon::kCritical,
                    MessageButtons::kOk});
    EndProgram(EXIT_FAILURE);
}

std::string GetProgramText(std::int16_t text_number) {
    // One buffer for the whole program, as every lookup is made on the one
    // GUI thread and copied out at once.
    static char buffer[kLookupBufferChars];
    const std::int32_t n = gt(text_number, kProgramTextLanguage, buffer,
                              static_cast<std::int32_t>(kLookupBufferChars), 1);
    if (n <= 0) return {};
    std::string text(buffer, std::min<std::size_t>(static_cast<std::size_t>(n),
                                                   kLookupBufferChars));
    if (text == "~") return {};
    return text;
}

ProgramExitHandler SetProgramExitHandler(ProgramExitHandler handler) {
    return std::exchange(CurrentExitHandler(), std::move(handler));
}

}  // namespace kalvest
