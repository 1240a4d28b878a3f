// main of the GUI test programs: one QApplication for all tests of the
// program, made after GoogleTest has read its flags, so that listing the
// tests needs no display.
#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>
#include <memory>

#if defined(__SANITIZE_ADDRESS__)
// Qt, fontconfig and the font and clipboard code below them keep caches
// for the life of the process and free them only partly at exit; the leak
// checker would report them as ours. Leaks whose allocation stacks pass
// through those libraries are ignored, in the GUI test programs only; the
// Qt-free tests keep the full check.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n"
           "leak:libQt6Core.so\n"
           "leak:libQt6Gui.so\n"
           "leak:libQt6Widgets.so\n"
           "leak:libglib-2.0.so\n"
           "leak:libdbus-1.so\n";
}
#endif

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    // Without a display the tests still run.
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const auto application = std::make_unique<QApplication>(argc, argv);
    return RUN_ALL_TESTS();
}
