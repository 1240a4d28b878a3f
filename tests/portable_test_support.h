// What the tests need from the system where POSIX and Windows differ: a
// fresh private folder, and setting or removing an environment variable.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#if !defined(_WIN32)
#include <stdlib.h>
#endif

namespace kalvest::testing {

// A new empty folder under the temporary folder, named PREFIX-<random>.
inline std::filesystem::path MakeTemporaryFolder(const std::string& prefix) {
#if defined(_WIN32)
    std::random_device random;
    for (;;) {
        const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                             (prefix + "-" + std::to_string(random()));
        if (std::filesystem::create_directory(folder)) return folder;
    }
#else
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
    const char* made = mkdtemp(pattern.data());
    return made ? std::filesystem::path(made) : std::filesystem::path();
#endif
}

inline void SetEnvironment(const std::string& name, const std::string& value) {
#if defined(_WIN32)
    _putenv_s(name.c_str(), value.c_str());
#else
    setenv(name.c_str(), value.c_str(), 1);
#endif
}

// On Windows an empty value removes the variable.
inline void UnsetEnvironment(const std::string& name) {
#if defined(_WIN32)
    _putenv_s(name.c_str(), "");
#else
    unsetenv(name.c_str());
#endif
}

}  // namespace kalvest::testing
