// main of the GUI test programs: one QApplication for all tests of the
// program, made after GoogleTest has read its flags, so that listing the
// tests needs no display.
#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#if defined(__SANITIZE_ADDRESS__)
// What the system libraries leak, and only that. The tests run on Qt's
// offscreen platform, where nothing leaks. On a display (the xcb
// platform) Qt's D-Bus connection thread leaves one receive buffer of
// libdbus behind as it ends with the process (1032 bytes, from
// _dbus_read). libdbus has no frame pointers, so the leak checker's fast
// stacks name no function of it, only the library. No library of Qt's or
// ours is listed, so a window or control we fail to free is still
// reported. (fontconfig and GLib leak nothing on either platform, with a
// warm or an empty font cache.)
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\n";
}
#endif

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    // Without a display the tests still run.
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The windows keep the user's settings under the data home and the
    // configuration home; the tests get their own, so that they never read
    // or write the settings of whoever runs them.
    std::string data_home =
        (std::filesystem::temp_directory_path() / "kalvest-gui-test-XXXXXX").string();
    const bool own_data_home = mkdtemp(data_home.data()) != nullptr;
    if (own_data_home) {
        setenv("XDG_DATA_HOME", data_home.c_str(), 1);
        // The options and the chosen zone (QSettings) likewise.
        setenv("XDG_CONFIG_HOME", (data_home + "/config").c_str(), 1);
    }
    const auto application = std::make_unique<QApplication>(argc, argv);
    const int result = RUN_ALL_TESTS();
    std::error_code ignored;
    if (own_data_home) std::filesystem::remove_all(data_home, ignored);
    return result;
}
