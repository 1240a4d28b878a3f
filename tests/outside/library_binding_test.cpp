// Loading libraries by name: the failure paths reach the caller as errors
// that name the library and the entry point, and the process goes on.
#include <gtest/gtest.h>

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

TEST(LibraryBinding, ExportNamesFollowThePlatform) {
#if defined(_WIN32) && !defined(_WIN64)
    EXPECT_EQ(VarquelExportName("deltat", 12), "_deltat@12");
#else
    EXPECT_EQ(VarquelExportName("deltat", 12), "deltat");
#endif
}

}  // namespace
}  // namespace kalvest
