#include "common/install_layout.h"

#include <utility>

#include "common/install_paths.h"
#include "common/program_folder.h"

#include "common/windows_api.h"

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

namespace kalvest {
namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

// Length of the root at the start of `path` ("/", "C:\", "\\"), which no
// ".." removes; 0 for a relative path.
std::size_t RootLength(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':') return path.size() >= 3 && IsSeparator(path[2]) ? 3 : 2;
    return !path.empty() && IsSeparator(path[0]) ? 1 : 0;
}

// Appends `path` unless it is already there: on a platform that installs
// programs and libraries in one folder two candidates coincide.
void AddUnique(std::vector<std::string>& paths, std::string path) {
    for (const std::string& known : paths) {
        if (known == path) return;
    }
    paths.push_back(std::move(path));
}

void DropLastPart(std::string& folder) {
    const std::size_t root = RootLength(folder);
    while (folder.size() > root && IsSeparator(folder.back())) folder.pop_back();
    const std::size_t cut = folder.find_last_of("/\\");
    folder.resize(cut == std::string::npos || cut < root ? root : cut);
}

// True when `path` (UTF-8) names an existing file.
bool IsFile(const std::string& path) {
#if defined(_WIN32)
    const DWORD attributes = GetFileAttributesW(WideFromUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
#else
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
#endif
}

}  // namespace

std::string JoinRelativePath(std::string folder, std::string_view relative) {
    // An absolute second part (another drive on Windows) stands alone.
    if (const std::size_t root = RootLength(std::string(relative)); root > 0) {
        folder = relative.substr(0, root);
        relative.remove_prefix(root);
    }
    while (!relative.empty()) {
        const std::size_t slash = relative.find('/');
        const std::string_view part = relative.substr(0, slash);
        relative.remove_prefix(slash == std::string_view::npos ? relative.size() : slash + 1);
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            DropLastPart(folder);
            continue;
        }
        if (!folder.empty() && !IsSeparator(folder.back())) folder += PathSeparator();
        folder += part;
    }
    return folder;
}

std::vector<std::string> DataFolderCandidates(const std::string& program_folder) {
    std::vector<std::string> folders;
    if (!program_folder.empty()) {
        AddUnique(folders, program_folder);
        AddUnique(folders, JoinRelativePath(program_folder, kDataFolderFromPrograms));
    }
    AddUnique(folders, JoinRelativePath("", kInstalledDataFolder));
    return folders;
}

std::string FindDataFolder(const std::string& program_folder) {
    for (const std::string& folder : DataFolderCandidates(program_folder)) {
        if (IsFile(JoinRelativePath(folder, kProgramTextFileName))) return folder;
    }
    return program_folder;
}

std::string DataFolder() {
    static const std::string folder = FindDataFolder(ProgramFolder());
    return folder;
}

std::vector<std::string> LibraryCandidates(const std::string& program_folder,
                                           const std::string& file_name) {
    std::vector<std::string> paths;
    if (!program_folder.empty()) {
        AddUnique(paths, JoinRelativePath(program_folder, file_name));
        AddUnique(paths, JoinRelativePath(
                             JoinRelativePath(program_folder, kLibraryFolderFromPrograms),
                             file_name));
    }
    AddUnique(paths, file_name);
    return paths;
}

}  // namespace kalvest
