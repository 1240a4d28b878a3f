// The default opener on Windows: the shell's "open" verb.
#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <string>

#include "common/weblink.h"

namespace kalvest {

std::int32_t OpenWithPlatformHandler(const std::string& address) {
    // The wide-character call, so that a file address holding the
    // program's folder opens whatever characters the folder's name has.
    const int n = MultiByteToWideChar(CP_UTF8, 0, address.c_str(), -1, nullptr, 0);
    if (n <= 0) return 2;  // not found: the address is not valid text
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, address.c_str(), -1, wide.data(), n);
    const HINSTANCE result = ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr,
                                           nullptr, SW_SHOWNORMAL);
    return static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(result));
}

}  // namespace kalvest
