// Loading libraries by name: the failure paths reach the caller as errors
// that name the library and the entry point, and the process goes on.
#include <gtest/gtest.h>

#include <filesystem>

#include "outside/dynamic_library.h"
#include "outside/library_error.h"
#include "outside/varquel_binding.h"
#include "solar/solar_events.h"

namespace kalvest {
namespace {

TEST(LibraryBinding, MissingLibraryNamesLibraryAndEntryPoint) {
    DynamicLibrary library("nowhere", "libnowhere-kalvest.so");
    try {
        library.Symbol("deltat");
        FAIL() << "no error";
    } catch (const LibraryError& e) {
        EXPECT_EQ(e.library(), "nowhere");
        EXPECT_EQ(e.entry_point(), "deltat");
        EXPECT_NE(std::string(e.what()).find("nowhere"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("deltat"), std::string::npos);
    }
}

TEST(LibraryBinding, MissingEntryPointNamesIt) {
    DynamicLibrary library("varquel", DefaultVarquelFileName());
    EXPECT_NE(library.Symbol(VarquelExportName("deltat", 12)), nullptr);
    try {
        library.Symbol("no_such_entry");
        FAIL() << "no error";
    } catch (const LibraryError& e) {
        EXPECT_EQ(e.entry_point(), "no_such_entry");
        EXPECT_NE(std::string(e.what()).find("varquel"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("no_such_entry"), std::string::npos);
    }
}

TEST(LibraryBinding, LibraryIsFoundBesideTheProgram) {
    // The tests run from another working folder than the build's output
    // folder only when asked to; either way the program's folder is tried.
    DynamicLibrary library("varquel", DefaultVarquelFileName());
    EXPECT_NO_THROW(library.Symbol(VarquelExportName("deltat", 12)));
}

TEST(LibraryBinding, AFailedComputationLeavesTheProgramRunningAndRecovers) {
    InitPeriodicTerms();
    UseVarquelLibraryFile("libvarquel-missing.so");
    try {
        EquinoxSolsticeJD(0, 2021);
        FAIL() << "no error";
    } catch (const LibraryError& e) {
        EXPECT_EQ(e.library(), "varquel");
        EXPECT_EQ(e.entry_point(), VarquelExportName("deltat", 12));
    }
    UseVarquelLibraryFile(DefaultVarquelFileName());
    EXPECT_NEAR(EquinoxSolsticeJD(0, 2021), 2459293.90091, 1e-5);
}

// What the About box says of varquel: the file it is loaded by, the file
// itself, and the version its name carries.
TEST(LibraryBinding, TheLoadedFileAndItsVersion) {
    const VarquelFile file = VarquelLibraryFile();
    EXPECT_EQ(file.file_name, DefaultVarquelFileName());
    EXPECT_FALSE(file.loaded_from.empty());
    EXPECT_TRUE(std::filesystem::is_regular_file(file.loaded_from)) << file.loaded_from;
#if !defined(_WIN32)
    // The soname's link followed to the file with the whole version.
    EXPECT_EQ(std::filesystem::path(file.loaded_from).filename(), "libvarquel.so.1.0.0");
    EXPECT_EQ(file.version, "1.0.0");
#endif
    UseVarquelLibraryFile("libvarquel-missing.so");
    EXPECT_THROW(VarquelLibraryFile(), LibraryError);
    UseVarquelLibraryFile(DefaultVarquelFileName());

    EXPECT_EQ(VersionOfLibraryFileName("/usr/lib/libvarquel.so.1.0.0"), "1.0.0");
    EXPECT_EQ(VersionOfLibraryFileName("libvarquel.so.1"), "1");
    EXPECT_EQ(VersionOfLibraryFileName("/opt/lib/libvarquel.1.2.0.dylib"), "1.2.0");
    EXPECT_EQ(VersionOfLibraryFileName("C:\\Kalvest\\varquel.dll"), "");
    EXPECT_EQ(VersionOfLibraryFileName("libvarquel.so"), "");
    EXPECT_EQ(VersionOfLibraryFileName("12345"), "");
}

TEST(LibraryBinding, ExportNamesFollowThePlatform) {
#if defined(_WIN32) && !defined(_WIN64)
    EXPECT_EQ(VarquelExportName("deltat", 12), "_deltat@12");
#else
    EXPECT_EQ(VarquelExportName("deltat", 12), "deltat");
#endif
}

}  // namespace
}  // namespace kalvest
