#include "main_window/link_tool_tips.h"

#include <algorithm>
#include <cctype>

namespace kalvest {
namespace {

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The scheme before ":", lower-cased; empty when the text has none (one
// letter before ":" is a Windows drive, not a scheme).
std::string SchemeOf(const std::string& text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos || colon < 2 || !IsAsciiLetter(text[0])) return {};
    std::string scheme = text.substr(0, colon);
    const bool valid = std::all_of(scheme.begin(), scheme.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
    });
    if (!valid) return {};
    std::transform(scheme.begin(), scheme.end(), scheme.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    return scheme;
}

}  // namespace

std::string WebAddressHost(const std::string& text) {
    const std::string scheme = SchemeOf(text);
    if (scheme.empty() || scheme == "file") return {};
    const std::size_t start = scheme.size() + 1;
    if (text.compare(start, 2, "//") != 0) return {};
    std::string authority = text.substr(start + 2);
    authority = authority.substr(0, authority.find_first_of("/?#"));
    if (const std::size_t at = authority.rfind('@'); at != std::string::npos) {
        authority.erase(0, at + 1);
    }
    if (!authority.empty() && authority.front() == '[') {  // "[::1]:8080"
        const std::size_t close = authority.find(']');
        return close == std::string::npos ? std::string() : authority.substr(1, close - 1);
    }
    return authority.substr(0, authority.find(':'));
}

bool IsInstalledDocument(const std::string& text) {
    const std::string scheme = SchemeOf(text);
    return !text.empty() && (scheme.empty() || scheme == "file");
}

std::string SiteLinkToolTip(const std::string& text) {
    if (IsInstalledDocument(text)) {
        return "Click here to open the installed page about Kalvest and Orvanth Systems in "
               "your web browser.";
    }
    const std::string host = WebAddressHost(text);
    return "Click here for the Orvanth Systems website at " + (host.empty() ? text : host) +
           ".";
}

std::string ManualLinkToolTip(const std::string& text) {
    if (IsInstalledDocument(text)) {
        return "Click here to open the installed Kalvest user manual in your web browser.";
    }
    return "Click here for the online user manual at " + text + ".";
}

}  // namespace kalvest
