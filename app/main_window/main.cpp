// kalvest: the window program.
#include <QApplication>

#include <iostream>
#include <string>
#include <vector>

#include "main_window/frm_main.h"
#include "main_window/program_options.h"
#include "main_window/qt_message_box.h"
#include "windows/program_icon.h"

int main(int argc, char** argv) {
    // The program's own arguments need no display, so they come before Qt.
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (const auto status = kalvest::HandleInformationOptions(args, std::cout)) return *status;
    kalvest::WindowStart start = kalvest::ReadWindowStart(args);
    if (!start.error.empty()) {
        std::cerr << "kalvest: " << start.error << "\n";
        return 2;
    }

    QApplication application(argc, argv);
    QApplication::setWindowIcon(kalvest::ProgramIcon());
    // Ties the windows to the menu entry kalvest.desktop (its icon and name
    // in task bars, on Wayland too).
    QGuiApplication::setDesktopFileName(QStringLiteral("kalvest"));
    kalvest::InstallQtMessageBoxHandler();
    kalvest::frmMain window;
    window.Form_Load();
    // The zone of --tz for this run, over the one the window restored.
    if (start.zone) window.UseNamedZone(std::move(start.zone), start.zone_name);
    if (start.moon_list) window.mnuMoonList_Click();
    if (start.wheel) window.mnuWheel_Click();
    return QApplication::exec();
}
