// kalvest: the window program.
#include <QApplication>

#include "main_window/frm_main.h"
#include "main_window/qt_message_box.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    kalvest::InstallQtMessageBoxHandler();
    kalvest::frmMain window;
    window.Form_Load();
    return QApplication::exec();
}
