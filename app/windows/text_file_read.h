// Reading a whole text file for the text viewer, with failures reported as
// numbered errors in the way the viewer's messages show them
// ("Error 53.  File not found").
//
// The numbers, by what went wrong:
//   62  "Input past end of file"      the file is empty
//   53  "File not found"              no such file in an existing folder
//   76  "Path not found"              a folder of the path is missing, or is a file
//   75  "Path/File access error"      the path names a folder, a pipe or a
//                                     device, or is too long or loops
//                                     through links
//   70  "Permission denied"           no right to read the file, or it is locked
//   67  "Too many files"              the process or system has no file handles left
//    7  "Out of memory"               the text does not fit into memory
//   52  "Bad file name or number"     the path is empty
//   57  the system's description      any other failure of opening or reading
#pragma once

#include <string>

namespace kalvest {

enum FileErrorNumber : int {
    kErrOutOfMemory = 7,
    kErrBadFileName = 52,
    kErrFileNotFound = 53,
    kErrDeviceIO = 57,
    kErrEndOfFile = 62,
    kErrTooManyFiles = 67,
    kErrPermissionDenied = 70,
    kErrPathFileAccess = 75,
    kErrPathNotFound = 76,
};

struct TextFileRead {
    std::string text;         // the file's bytes, when error is 0
    int error = 0;            // 0, or one of the numbers above
    std::string description;  // the error's description
};

// The whole file as 8-bit text. `path` is UTF-8 on Windows and in the
// file system's own encoding elsewhere.
TextFileRead ReadWholeTextFile(const std::string& path);

// "Error 53.  File not found": "Error", the number with one leading blank,
// a full stop, two blanks and the description.
std::string FileErrorMessage(int number, const std::string& description);

}  // namespace kalvest
