#include "common/document_address.h"

#include <cstdio>

#include "common/install_layout.h"

namespace kalvest {
namespace {

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// A URI scheme: a letter, then letters, digits, "+", "-" or ".", then ":".
// One letter before ":" is a drive, not a scheme.
bool HasScheme(const std::string& text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos || colon < 2 || !IsAsciiLetter(text[0])) return false;
    for (std::size_t i = 1; i < colon; ++i) {
        const char c = text[i];
        if (!IsAsciiLetter(c) && !IsAsciiDigit(c) && c != '+' && c != '-' && c != '.') {
            return false;
        }
    }
    return true;
}

bool HasDrive(const std::string& path) {
    return path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == ':';
}

bool IsAbsolute(const std::string& path) {
    return (!path.empty() && (path[0] == '/' || path[0] == '\\')) || HasDrive(path);
}

std::string PercentEncoded(const std::string& path) {
    std::string result;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const char c = path[i];
        const bool drive_colon = i == 1 && c == ':' && HasDrive(path);
        if (IsAsciiLetter(c) || IsAsciiDigit(c) || c == '-' || c == '.' || c == '_' ||
            c == '~' || c == '/' || drive_colon) {
            result += c;
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", static_cast<unsigned char>(c));
            result += hex;
        }
    }
    return result;
}

}  // namespace

std::string DocumentAddress(const std::string& text, const std::string& program_folder) {
    if (text.empty()) return {};
    if (HasScheme(text)) return text;

    const std::size_t hash = text.find('#');
    const std::string fragment = hash == std::string::npos ? "" : text.substr(hash);
    std::string path = text.substr(0, hash);
    if (!IsAbsolute(path)) {
        std::string folder = program_folder;
        if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
        path = folder + path;
    }
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    // "//server/share/..." keeps its host; a local path gets an empty one.
    const bool network = path.size() > 1 && path[0] == '/' && path[1] == '/';
    const std::string lead = network ? "file:" : (path.empty() || path[0] != '/') ? "file:///" : "file://";
    return lead + PercentEncoded(path) + fragment;
}

std::string ProgramDocumentAddress(const std::string& text) {
    return DocumentAddress(text, DataFolder());
}

}  // namespace kalvest
