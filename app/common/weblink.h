// weblink: opens a web address (or a file address) with the user's default
// handler and explains a failure in a message box.
#pragma once

#include <cstdint>
#include <functional>
#include <stop_token>
#include <string>

namespace kalvest {

// Opens `address` and returns a result in the Windows shell's terms: 33 or
// more is success; below 33 is an error code (2 not found, 8 out of memory,
// 31 nothing is associated with this kind of address, and so on).
using WebPageOpener = std::function<std::int32_t(const std::string& address)>;

// The shell's result codes the program names: 33 and above mean success,
// the others below it are failures.
constexpr std::int32_t kShellFirstSuccess = 33;
constexpr std::int32_t kShellUnknownFailure = 0;  // no more precise code
constexpr std::int32_t kShellNotFound = 2;
constexpr std::int32_t kShellAccessDenied = 5;
constexpr std::int32_t kShellOutOfMemory = 8;
constexpr std::int32_t kShellBadFormat = 11;
constexpr std::int32_t kShellNoAssociation = 31;

// The result an opener gives for success when it has no number of its own.
constexpr std::int32_t kOpenerSuccess = 42;

// Installs the opener OpenWebPage uses (an empty function restores the
// platform's) and returns the one it replaces. The window program may
// install one built on its toolkit; an opener that can only tell success
// from failure returns kOpenerSuccess or 31 (nothing opens the address).
// Tests install fakes.
WebPageOpener SetWebPageOpener(WebPageOpener opener);

// The platform's opener: ShellExecuteW on Windows, xdg-open elsewhere
// (see web_opener_xdg.h for its codes).
std::int32_t OpenWithPlatformHandler(const std::string& address);

// Opens `address` (UTF-8): "http:" becomes "https:" in any letter case,
// then the opener runs; a result below 33 is reported in a message box
// (exclamation icon, OK, title "Cannot launch web browser"). Returns
// normally either way; nothing is retried. It waits for the opener: the
// window runs the three steps below itself, the opener on a thread of its
// own (main_window/web_page_launcher.h).
void OpenWebPage(const std::string& address);

// OpenWebPage's first step: the address as the opener gets it, and the
// extension a failure message names.
struct WebPageRequest {
    std::string address;
    std::string extension;
};
WebPageRequest PrepareWebPage(const std::string& address);

// The opener installed now (empty: the platform's), to be run elsewhere.
WebPageOpener InstalledWebPageOpener();

// OpenWebPage's second step, on any thread: runs `opener`, or the
// platform's when it is empty. A stop request ends the platform opener's
// wait for a verdict early, which then counts as success (it has started);
// other openers run to their end.
std::int32_t RunWebPageOpener(const WebPageOpener& opener, const std::string& address,
                              std::stop_token stop = {});

// OpenWebPage's last step: the message box for a result below 33.
void ReportWebPageResult(std::int32_t code, const std::string& extension);

// The text after the last "." of the part of `path` after its last "\\"
// (the whole path when it has none); the empty string when there is no
// ".". Lower-cased when `lower_case` is true.
std::string FileExtension(const std::string& path, bool lower_case);

// The failure message OpenWebPage shows for opener result `code` with the
// address's extension `extension`.
std::string WebPageFailureMessage(std::int32_t code, const std::string& extension);

}  // namespace kalvest
