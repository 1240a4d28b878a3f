// The program's binding to the varquel library: loaded by file name at the
// first call, exports resolved by name (varquel_binding.cpp). Where
// nothing is loaded by name (the browser) varquel is linked in instead and
// VarquelDeltaT and VarquelPhase call it directly
// (varquel_binding_linked.cpp); the functions about the library's file
// exist only where it is loaded.
#pragma once

#include <cstdint>
#include <string>

// varquel's record of one phase of the Moon, defined in its public header
// varquel.h (which the core's sources include).
struct phase_record;

namespace kalvest {

// Name under which varquel exports a function: the decorated standard-call
// name on 32-bit Windows ("_deltat@12"), the plain name elsewhere.
std::string VarquelExportName(const std::string& function, int argument_bytes);

// varquel's deltat. Throws LibraryError when the library or the entry point
// cannot be had; a later call tries again.
double VarquelDeltaT(double year, std::int32_t pivot);

// varquel's phase routine: the instant (Julian Ephemeris Day) of `phase`
// (0 new moon .. 3 last quarter) of `lunation`, and, when `record` is not
// null, the record filled as varquel.h describes. Throws LibraryError like
// VarquelDeltaT.
double VarquelPhase(std::int32_t lunation, std::int32_t phase,
                    phase_record* record);

// Makes the binding load `file_name` (a bare file name or a path) from now
// on, forgetting what was resolved before. For tests of the failure path.
void UseVarquelLibraryFile(const std::string& file_name);

// The file the binding loads by default on this platform: varquel's
// soname ("libvarquel.so.1"), or "varquel.dll" on Windows.
std::string DefaultVarquelFileName();

// Which varquel the program uses, for the About box.
struct VarquelFile {
    std::string file_name;    // the name it is loaded by: "libvarquel.so.1"
    std::string loaded_from;  // the file itself: "/usr/lib/.../libvarquel.so.1.0.0"
    // The version its file's name carries ("1.0.0"); empty where the
    // platform's names carry none (Windows).
    std::string version;
};

// Loads varquel if it is not yet and says which file it is. Throws
// LibraryError when it cannot be loaded.
VarquelFile VarquelLibraryFile();

// "1.0.0" of "libvarquel.so.1.0.0" and of "libvarquel.1.0.0.dylib": the
// numbers after the library's name; empty when the name has none.
std::string VersionOfLibraryFileName(const std::string& file_name);

}  // namespace kalvest
