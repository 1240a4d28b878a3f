// The one seam through which the program shows message boxes. The window
// program installs a handler that shows a real, modal message box; tests
// install one that records each request; without a handler the text goes
// to standard error, so that nothing is ever lost silently.
#pragma once

#include <functional>
#include <string>

namespace kalvest {

enum class MessageIcon { kNone, kInformation, kExclamation, kCritical };

enum class MessageButtons { kOk };

struct MessageBoxRequest {
    std::string text;   // UTF-8; lines separated by CR LF where the text has them
    std::string title;  // UTF-8, may be empty
    MessageIcon icon = MessageIcon::kNone;
    MessageButtons buttons = MessageButtons::kOk;
};

using MessageBoxHandler = std::function<void(const MessageBoxRequest&)>;

// Installs `handler` (an empty function restores the standard-error one)
// and returns the handler it replaces.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// Shows the message box and returns when it has been dismissed.
void ShowMessageBox(const MessageBoxRequest& request);

}  // namespace kalvest
