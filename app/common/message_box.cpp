#include "common/message_box.h"

#include <cstdio>
#include <utility>

namespace kalvest {
namespace {

MessageBoxHandler& CurrentHandler() {
    static MessageBoxHandler handler;
    return handler;
}

void WriteToStandardError(const MessageBoxRequest& request) {
    if (request.title.empty()) {
        std::fprintf(stderr, "%s\n", request.text.c_str());
    } else {
        std::fprintf(stderr, "%s: %s\n", request.title.c_str(), request.text.c_str());
    }
}

}  // namespace

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    return std::exchange(CurrentHandler(), std::move(handler));
}

void ShowMessageBox(const MessageBoxRequest& request) {
    const MessageBoxHandler& handler = CurrentHandler();
    if (handler) {
        handler(request);
    } else {
        WriteToStandardError(request);
    }
}

}  // namespace kalvest
