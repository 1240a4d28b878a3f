#pragma once

#include <mutex>
#include <string>

namespace kalvest {

// A shared library that is loaded by file name at the first lookup of one
// of its entry points: first from the program's own folder, then from the
// installation's library folder, then from the platform's normal search
// path (LibraryCandidates in common/install_layout.h). A failure is thrown
// as LibraryError naming the library and the entry point; the next lookup
// tries to load again.
class DynamicLibrary {
public:
    // name: what the user knows the library as ("varquel");
    // file_name: its file ("libvarquel.so.1"), or a path with a folder,
    // which is then used as it is.
    DynamicLibrary(std::string name, std::string file_name);
    ~DynamicLibrary();
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;

    // Address of the exported entry point; throws LibraryError.
    void* Symbol(const std::string& entry_point);

    // The file the library was loaded from, as the system found it, every
    // symbolic link followed ("/usr/lib/x86_64-linux-gnu/libvarquel.so.1.0.0"):
    // the file that holds its entry point `entry_point`. Loads it first if
    // need be, and throws LibraryError as Symbol does.
    std::string LoadedFile(const std::string& entry_point);

    const std::string& name() const { return name_; }
    const std::string& file_name() const { return file_name_; }

private:
    void LoadOrThrow(const std::string& entry_point);

    std::string name_;
    std::string file_name_;
    std::mutex mutex_;
    void* handle_ = nullptr;
};

}  // namespace kalvest
