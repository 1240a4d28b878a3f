// The default opener on Windows: the shell's "open" verb.
#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <string>

#include "common/utf_text.h"
#include "common/weblink.h"

namespace kalvest {

std::int32_t OpenWithPlatformHandler(const std::string& address) {
    // The wide-character call, so that a file address holding the
    // program's folder opens whatever characters the folder's name has.
    if (!IsValidUtf8(address)) return 2;  // not found: the address is not valid text
    const std::wstring wide = WideFromUtf8(address);
    const HINSTANCE result = ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr,
                                           nullptr, SW_SHOWNORMAL);
    return static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(result));
}

}  // namespace kalvest
