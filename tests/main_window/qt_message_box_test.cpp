// The window program's message boxes: a request through the seam opens a
// modal QMessageBox with the request's text, title, icon and button.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "common/message_box.h"
#include "main_window/qt_message_box.h"

namespace kalvest {
namespace {

struct Seen {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Shows the request and reads the box that comes up, then dismisses it.
Seen Show(const MessageBoxRequest& request) {
    Seen seen;
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = {box->text(), box->windowTitle(), box->icon(), box->standardButtons()};
        box->accept();
    });
    ShowMessageBox(request);
    return seen;
}

TEST(QtMessageBox, ShowsTextTitleIconAndButton) {
    InstallQtMessageBoxHandler();
    const Seen info = Show({"Invalid input for year.", "Invalid input",
                            MessageIcon::kInformation, MessageButtons::kOk});
    EXPECT_EQ(info.text, "Invalid input for year.");
    EXPECT_EQ(info.title, "Invalid input");
    EXPECT_EQ(info.icon, QMessageBox::Information);
    EXPECT_EQ(info.buttons, QMessageBox::Ok);

    const Seen plain = Show({"At least one event must be selected.", "Calculate",
                             MessageIcon::kNone, MessageButtons::kOk});
    EXPECT_EQ(plain.icon, QMessageBox::NoIcon);
    EXPECT_EQ(Show({"a", "", MessageIcon::kExclamation, MessageButtons::kOk}).icon,
              QMessageBox::Warning);
    // CR LF between lines reaches the box as one line break.
    const Seen critical = Show({"Cannot open file.\r\n/x/kalvest.dat", "",
                                MessageIcon::kCritical, MessageButtons::kOk});
    EXPECT_EQ(critical.icon, QMessageBox::Critical);
    EXPECT_EQ(critical.text, "Cannot open file.\n/x/kalvest.dat");
    SetMessageBoxHandler({});
}

}  // namespace
}  // namespace kalvest
