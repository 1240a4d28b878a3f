#include "outside/dynamic_library.h"

#include "common/install_layout.h"
#include "common/program_folder.h"
#include "common/utf_text.h"
#include "outside/library_error.h"

#include <filesystem>
#include <system_error>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace kalvest {
namespace {

#if defined(_WIN32)
// Paths are UTF-8 (the program's folder may hold any character); the wide
// call takes them all, where the code-page call would not.
void* OpenLibrary(const std::string& path) {
    return reinterpret_cast<void*>(LoadLibraryW(WideFromUtf8(path).c_str()));
}
void* FindSymbol(void* handle, const std::string& entry) {
    return reinterpret_cast<void*>(
        GetProcAddress(static_cast<HMODULE>(handle), entry.c_str()));
}
void CloseLibrary(void* handle) { FreeLibrary(static_cast<HMODULE>(handle)); }
std::string LastError() {
    return "system error " + std::to_string(GetLastError());
}
// The file of the library that holds `address`.
std::string FileOf(void* address) {
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCWSTR>(address), &module)) {
        return {};
    }
    std::wstring path(32768, L'\0');
    const DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length);
    return Utf8FromWide(path);
}
#else
void* OpenLibrary(const std::string& path) {
    return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
}
void* FindSymbol(void* handle, const std::string& entry) {
    return dlsym(handle, entry.c_str());
}
void CloseLibrary(void* handle) { dlclose(handle); }
std::string LastError() {
    const char* text = dlerror();
    return text ? text : "unknown error";
}
// The file that holds `address`, as the loader found it.
std::string FileOf(void* address) {
    Dl_info info{};
    if (dladdr(address, &info) == 0 || info.dli_fname == nullptr) return {};
    return info.dli_fname;
}
#endif

bool HasFolder(const std::string& file_name) {
    return file_name.find_first_of("/\\") != std::string::npos;
}

}  // namespace

DynamicLibrary::DynamicLibrary(std::string name, std::string file_name)
    : name_(std::move(name)), file_name_(std::move(file_name)) {}

DynamicLibrary::~DynamicLibrary() {
    if (handle_) CloseLibrary(handle_);
}

void DynamicLibrary::LoadOrThrow(const std::string& entry_point) {
    if (handle_) return;
    if (HasFolder(file_name_)) {
        handle_ = OpenLibrary(file_name_);
    } else {
        for (const std::string& path : LibraryCandidates(ProgramFolder(), file_name_)) {
            handle_ = OpenLibrary(path);
            if (handle_) break;
        }
    }
    if (!handle_) {
        throw LibraryError(name_, entry_point,
                           "Cannot load the library " + name_ + " (" +
                               file_name_ + ") for its entry point " +
                               entry_point + ": " + LastError());
    }
}

std::string DynamicLibrary::LoadedFile(const std::string& entry_point) {
    const std::string file = FileOf(Symbol(entry_point));
    std::error_code error;
#if defined(_WIN32)
    const std::filesystem::path real = std::filesystem::canonical(WideFromUtf8(file), error);
    return error ? file : Utf8FromWide(real.wstring());
#else
    const std::filesystem::path real = std::filesystem::canonical(file, error);
    return error ? file : real.string();
#endif
}

void* DynamicLibrary::Symbol(const std::string& entry_point) {
    std::lock_guard<std::mutex> lock(mutex_);
    LoadOrThrow(entry_point);
    void* address = FindSymbol(handle_, entry_point);
    if (!address) {
        throw LibraryError(name_, entry_point,
                           "The library " + name_ + " (" + file_name_ +
                               ") has no entry point " + entry_point + ".");
    }
    return address;
}

}  // namespace kalvest
