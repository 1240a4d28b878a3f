#include "common/weblink.h"

#include <utility>

#include "common/message_box.h"
#include "common/str_proc.h"
#include "common/utf_text.h"

#if !defined(_WIN32)
#include "common/web_opener_xdg.h"
#endif

namespace kalvest {
namespace {

WebPageOpener& CurrentOpener() {
    static WebPageOpener opener;
    return opener;
}

}  // namespace

WebPageOpener SetWebPageOpener(WebPageOpener opener) {
    return std::exchange(CurrentOpener(), std::move(opener));
}

std::string FileExtension(const std::string& path, bool lower_case) {
    const std::size_t slash = path.find_last_of('\\');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string::npos) return {};
    const std::string extension = name.substr(dot + 1);
    if (!lower_case) return extension;
    return Utf16ToUtf8(LowerCase(Utf8ToUtf16(extension)));
}

std::string WebPageFailureMessage(std::int32_t code, const std::string& extension) {
    std::string message =
        "Error launching web browser, error code = " + std::to_string(code) + ".";
    switch (code) {
        case kShellNoAssociation:
            message += "\r\n\r\nFile extension '" + extension +
                       "' is not associated with any application program.";
            break;
        case kShellOutOfMemory:
            message += "\r\n\r\nOut of memory.";
            break;
        case kShellNotFound:
            message += "\r\n\r\nPlease try once more.";
            break;
        default:
            break;
    }
    return message;
}

WebPageRequest PrepareWebPage(const std::string& address) {
    WebPageRequest request;
    request.address =
        Utf16ToUtf8(ReplaceIgnoringCase(Utf8ToUtf16(address), u"http:", u"https:"));
    request.extension = FileExtension(request.address, true);
    return request;
}

WebPageOpener InstalledWebPageOpener() { return CurrentOpener(); }

std::int32_t RunWebPageOpener(const WebPageOpener& opener, const std::string& address,
                              [[maybe_unused]] std::stop_token stop) {
    if (opener) return opener(address);
#if defined(_WIN32)
    return OpenWithPlatformHandler(address);
#else
    return OpenWithXdgOpen(address, kXdgOpenProgram, kXdgOpenWait, std::move(stop));
#endif
}

void ReportWebPageResult(std::int32_t code, const std::string& extension) {
    if (code >= kShellFirstSuccess) return;
    ShowMessageBox({WebPageFailureMessage(code, extension), "Cannot launch web browser",
                    MessageIcon::kExclamation, MessageButtons::kOk});
}

void OpenWebPage(const std::string& address) {
    const WebPageRequest request = PrepareWebPage(address);
    ReportWebPageResult(RunWebPageOpener(CurrentOpener(), request.address),
                        request.extension);
}

}  // namespace kalvest
