// A whole session of the window as a user has it, run to its end through
// the window's own event loop: start-up, a run, Display all, Save
// settings, Help, a link, the moon list, Quit. It must end by Quit alone,
// without a message, and leave no window behind. In the sanitizer build
// the leak checker examines the process after it, so everything else the
// session made must be freed by then too (the suppressions in
// gui_test_main.cpp cover only a system library).
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "common/message_box.h"
#include "common/weblink.h"
#include "main_window/frm_main.h"
#include "main_window/web_page_launcher.h"
#include "windows/frm_all.h"
#include "windows/frm_moon.h"
#include "windows/frm_wheel.h"
#include "windows/frm_pop_up.h"
#include "windows/frm_view.h"

namespace kalvest {
namespace {

TEST(WindowLifetime, StartRunDisplayAllSaveHelpLinkMoonListQuit) {
    std::vector<MessageBoxRequest> boxes;
    const MessageBoxHandler previous_box =
        SetMessageBoxHandler([&boxes](const MessageBoxRequest& box) { boxes.push_back(box); });
    std::atomic<int> pages = 0;
    const WebPageOpener previous_opener = SetWebPageOpener([&pages](const std::string&) {
        ++pages;
        return kOpenerSuccess;
    });

    auto window = std::make_unique<frmMain>();  // Quit ends the event loop, as in the program
    window->Form_Load();
    bool finished = false;
    QTimer::singleShot(0, window.get(), [&] {
        frmMain& w = *window;
        w.txbYear->setText("2024");
        w.cmdAllOrNoneKalvest[0]->click();
        w.cmdAllOrNoneKalvest[2]->click();
        w.chkTrueSun->setCheckState(Qt::Checked);
        w.chkMeanSun->setCheckState(Qt::Checked);
        w.cmdCalculate->click();
        EXPECT_EQ(std::count(w.Output.Text().begin(), w.Output.Text().end(), '\n'), 12);

        w.cmdDisplayAll->click();
        EXPECT_TRUE(w.frmAllForm && w.frmAllForm->isVisible());

        // The confirmation is modal and waits two seconds; a click ends it.
        QTimer::singleShot(0, [] {
            if (auto* popup = qobject_cast<frmPopUp*>(QApplication::activeModalWidget())) {
                popup->lblMessage_MouseUp();
            }
        });
        w.cmdSaveSettings->click();

        w.cmdHelp->click();
        EXPECT_TRUE(w.frmViewForm && w.frmViewForm->isVisible());

        QTest::mouseClick(w.lblOnlineUserManual, Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([&w] { return w.LinkPages->Pending() == 0; }));

        w.mnuMoonList->trigger();
        EXPECT_TRUE(w.frmMoonForm && w.frmMoonForm->isVisible());
        w.mnuWheel->trigger();
        EXPECT_TRUE(w.frmWheelForm && w.frmWheelForm->isVisible());

        finished = true;
        w.cmdQuit->click();
    });
    EXPECT_EQ(QApplication::exec(), 0);
    window.reset();
    // The leak checker cannot see a window that outlives the session (the
    // toolkit keeps every window in a list of its own), so it is asked for
    // here: the main window takes every window of the session with it.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const QWidget* left : QApplication::topLevelWidgets()) {
        ADD_FAILURE() << "window left: " << left->metaObject()->className() << " "
                      << left->objectName().toStdString();
    }

    EXPECT_TRUE(finished);
    EXPECT_EQ(pages, 1);
    EXPECT_TRUE(boxes.empty()) << boxes.front().text;
    SetWebPageOpener(previous_opener);
    SetMessageBoxHandler(previous_box);
}

}  // namespace
}  // namespace kalvest
