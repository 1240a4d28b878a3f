// Where the programs find their data files and the libraries they load by
// name, wherever they are installed or started from: beside the program
// first (the build tree, and a program folder copied as a whole), then in
// the installation's folders relative to the program, then in the
// configured installation. The program's folder is that of the executable
// itself, after every symbolic link.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kalvest {

// The program-text file's name. The data folder is the one that holds it.
inline constexpr char kProgramTextFileName[] = "kalvest.dat";

// `folder` followed by `relative` ("../share/kalvest", parts separated by
// "/"), with "." and ".." resolved by name; a ".." never climbs above the
// root. The result uses the platform's separator.
std::string JoinRelativePath(std::string folder, std::string_view relative);

// The folders that may hold the data files of a program in
// `program_folder`, in the order they are tried.
std::vector<std::string> DataFolderCandidates(const std::string& program_folder);

// The first candidate that holds the program-text file, or `program_folder`
// itself when none does (messages then name the file beside the program).
std::string FindDataFolder(const std::string& program_folder);

// FindDataFolder for the running program, found once and remembered.
std::string DataFolder();

// What to hand the platform's loader for a library `file_name`: the file
// beside the program, the file in the installation's library folder, and
// the bare name for the platform's normal search, in that order.
std::vector<std::string> LibraryCandidates(const std::string& program_folder,
                                           const std::string& file_name);

}  // namespace kalvest
