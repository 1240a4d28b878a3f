#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"

#ifdef KALVEST_CLI_DRAWS_WHEEL
#include <QGuiApplication>

#include <cstdlib>
#include <memory>

#include "wheel/wheel_file.h"

namespace {

// Qt's notes (a missing runtime folder, a font substituted) are not the
// tool's to print: standard error holds one line for a failure and
// nothing else. Errors that stop Qt still get through.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << "kalvest-cli: " << message.toStdString() << "\n";
    }
}

}  // namespace
#endif

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
#ifdef KALVEST_CLI_DRAWS_WHEEL
    // The wheel's fonts need Qt's GUI application, made only when a
    // picture is asked for and ended before the program's own ending. It
    // draws into files alone, so it never needs a display: Qt's offscreen
    // platform serves, unless the user has chosen another.
    int qt_argc = 1;
    std::unique_ptr<QGuiApplication> application;
    const kalvest::WheelPictureWriter write_wheel =
        [&](const kalvest::WheelLayout& layout, const std::string& path,
            kalvest::WheelPictureFormat format, int png_width) {
            if (!application) {
                qInstallMessageHandler(QuietQtMessages);
                if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
                    qputenv("QT_QPA_PLATFORM", "offscreen");
                }
                application = std::make_unique<QGuiApplication>(qt_argc, argv);
            }
            return kalvest::WriteWheelPicture(layout, path, format, png_width);
        };
    const int status = kalvest::RunCli(args, std::cout, std::cerr, write_wheel);
    application.reset();
    return status;
#else
    return kalvest::RunCli(args, std::cout, std::cerr);
#endif
}
