// The timed pop-up: place relative to the calling window, modal while it
// shows, gone after its interval or at a click of the message, no timer
// for interval 0, and one window reused by every call.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QApplication>
#include <QTimer>

#include "windows/frm_pop_up.h"

namespace kalvest {
namespace {

struct Seen {
    bool visible = false;
    bool modal_widget = false;
    QRect geometry;
    QSize label_size;
    QString text;
    bool timer_active = false;
};

class PopUpTest : public ::testing::Test {
protected:
    void SetUp() override {
        caller_.setGeometry(100, 50, 573, 558);
        caller_.show();
    }

    // Looks at the pop-up `after_ms` into its display.
    void LookAt(int after_ms, Seen& seen) {
        QTimer::singleShot(after_ms, [this, &seen] {
            seen.visible = popup_.isVisible();
            seen.modal_widget = QApplication::activeModalWidget() == &popup_;
            seen.geometry = popup_.geometry();
            seen.label_size = popup_.lblMessage->size();
            seen.text = popup_.lblMessage->text();
            seen.timer_active = popup_.Timer1->isActive();
        });
    }

    void ReleaseOnLabel(int after_ms, Qt::MouseButton button) {
        QTimer::singleShot(after_ms, [this, button] {
            QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5),
                                button, Qt::NoButton, Qt::ShiftModifier);
            QApplication::sendEvent(popup_.lblMessage, &release);
        });
    }

    QWidget caller_;
    frmPopUp popup_;
};

TEST_F(PopUpTest, ShowsModallyBesideTheCallerForItsInterval) {
    Seen seen;
    LookAt(0, seen);
    QElapsedTimer clock;
    clock.start();
    popup_.PopUpInForm(&caller_, "Settings saved.", 2000, 380, 300, 310, 220);
    const qint64 elapsed = clock.elapsed();

    EXPECT_TRUE(seen.visible);
    EXPECT_TRUE(seen.modal_widget);
    EXPECT_TRUE(seen.timer_active);
    EXPECT_EQ(seen.text, "Settings saved.");
    // 220 and 310 twips from the caller's corner; 2000 by 380 twips.
    // The caller's corner is that of its frame, title bar included.
    const QPoint corner = caller_.frameGeometry().topLeft();
    EXPECT_EQ(seen.geometry, QRect(corner + QPoint(15, 21), QSize(133, 25)));
    // The label takes the width; its height stays as designed.
    EXPECT_EQ(seen.label_size, QSize(133, 116));
    EXPECT_GE(elapsed, 290);
    EXPECT_LT(elapsed, 10000);
    EXPECT_FALSE(popup_.isVisible());
    EXPECT_FALSE(popup_.Timer1->isActive());
}

TEST_F(PopUpTest, ClickOnTheMessageClosesAtOnce) {
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        ReleaseOnLabel(20, button);
        QElapsedTimer clock;
        clock.start();
        popup_.PopUpInForm(&caller_, "Click me", 2000, 380, 30000, 0, 0);
        EXPECT_LT(clock.elapsed(), 10000);
        EXPECT_FALSE(popup_.isVisible());
        EXPECT_FALSE(popup_.Timer1->isActive());
    }
}

TEST_F(PopUpTest, IntervalZeroWaitsForAClick) {
    // The clock starts before the click's timer, so that it cannot count
    // less than the timer's 600 ms however the process is scheduled.
    QElapsedTimer clock;
    clock.start();
    Seen seen;
    LookAt(400, seen);
    ReleaseOnLabel(600, Qt::LeftButton);
    popup_.PopUpInForm(&caller_, "Until clicked", 2000, 380, 0, 0, 0);
    EXPECT_TRUE(seen.visible);
    EXPECT_FALSE(seen.timer_active);
    EXPECT_GE(clock.elapsed(), 590);
    EXPECT_FALSE(popup_.isVisible());
}

TEST_F(PopUpTest, EachCallFollowsTheCallerAndReusesTheWindow) {
    const QPoint start = caller_.frameGeometry().topLeft();
    Seen first;
    LookAt(0, first);
    popup_.PopUpInForm(&caller_, "one", 3000, 600, 50, 300, 150);
    caller_.move(400, 300);
    const QPoint moved = caller_.frameGeometry().topLeft();
    Seen second;
    LookAt(0, second);
    popup_.PopUpInForm(&caller_, "two", 1500, 300, 50, 300, 150);
    EXPECT_EQ(first.geometry, QRect(start + QPoint(10, 20), QSize(200, 40)));
    EXPECT_EQ(second.geometry, QRect(moved + QPoint(10, 20), QSize(100, 20)));
    EXPECT_EQ(second.text, "two");
    // Negative offsets put it above and left of the caller.
    Seen third;
    LookAt(0, third);
    popup_.PopUpInForm(&caller_, "three", 1500, 300, 50, -150, -300);
    EXPECT_EQ(third.geometry.topLeft(), moved + QPoint(-20, -10));
}

}  // namespace
}  // namespace kalvest
