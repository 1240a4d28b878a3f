// The display-all window: size and place of a run, the grid layout, the
// centre cell, the growth given once per run, Close and a new run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "run/display_all_texts.h"
#include "test_pictures.h"
#include "windows/frm_all.h"

namespace kalvest {
namespace {

std::array<std::string, 9> Texts(const std::string& tag) {
    std::array<std::string, 9> texts;
    for (int i = 0; i < 9; ++i) texts[i] = tag + " " + std::to_string(i) + "\r\nsecond line";
    return texts;
}

class DisplayAllWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        main_.setGeometry(200, 100, 573, 558);
        main_.show();
    }
    QWidget main_;
    frmAll all_;
};

TEST_F(DisplayAllWindowTest, RunSizesPlacesAndFillsTheGrid) {
    all_.ShowRun(&main_, "All dates and times for 2021 CE in the Northern Hemisphere",
                 Texts("cell"));
    EXPECT_TRUE(all_.isVisible());
    EXPECT_EQ(all_.windowTitle(), "All dates and times for 2021 CE in the Northern Hemisphere");
    EXPECT_EQ(all_.palette().color(QPalette::Window), QColor(128, 128, 255));
    // 12180 by 3000 twips, then 150 taller from the layout.
    EXPECT_EQ(all_.WidthTwips(), 12180);
    EXPECT_EQ(all_.HeightTwips(), 3150);
    const QRect screen = main_.screen()->geometry();
    EXPECT_EQ(all_.x(), screen.x() + (screen.width() - 812) / 2);
    EXPECT_EQ(all_.y(), main_.y() + 57);  // 850 twips below the main window's top

    // W = 3993 and H = 842 twips; tops 75, 942, 1809; lefts 25, 4043, 8061.
    const int lefts[3] = {2, 270, 537};
    const int tops[3] = {5, 63, 121};
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(all_.lblEvent[i]->geometry(), QRect(lefts[i % 3], tops[i / 3], 266, 56));
        EXPECT_EQ(all_.lblEvent[i]->property("Index").toInt(), i);
        if (i != 4) {
            EXPECT_EQ(all_.lblEvent[i]->text(), QString("cell %1\nsecond line").arg(i));
            EXPECT_EQ(all_.lblEvent[i]->frameShape(), QFrame::Box);
            EXPECT_EQ(all_.lblEvent[i]->font().family(), "Courier New");
        }
    }
    QLabel* centre = all_.lblEvent[4];
    EXPECT_EQ(centre->text(), "Read clockwise from top left");
    EXPECT_EQ(centre->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(centre->font().family(), "Arial");
    EXPECT_DOUBLE_EQ(centre->font().pointSizeF(), all_.lblEvent[3]->font().pointSizeF() + 2);
    EXPECT_EQ(centre->palette().color(QPalette::Window), QColor(128, 128, 255));
    EXPECT_TRUE(centre->alignment() & Qt::AlignHCenter);
    // Centred across the centre cell, two thirds of its free height down:
    // left 4043 + (3993 - 900) / 2, top 942 + 2 * (842 - 330) / 3 twips.
    EXPECT_EQ(all_.cmdClose->geometry(), QRect(373, 86, 60, 22));
    EXPECT_EQ(all_.cmdClose->text(), "Close");
}

TEST_F(DisplayAllWindowTest, ComingBackDoesNotMakeItTaller) {
    all_.ShowRun(&main_, "caption", Texts("a"));
    const QRect after_run = all_.geometry();
    const QRect cell = all_.lblEvent[8]->geometry();
    main_.activateWindow();
    all_.Form_Activate();
    main_.activateWindow();
    all_.Form_Activate();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&all_, &activate);
    EXPECT_EQ(all_.geometry(), after_run);
    EXPECT_EQ(all_.lblEvent[8]->geometry(), cell);
    // The user cannot resize it.
    EXPECT_EQ(all_.minimumSize(), all_.maximumSize());
}

TEST_F(DisplayAllWindowTest, CloseThenANewRun) {
    all_.ShowRun(&main_, "first", Texts("first"));
    all_.move(0, 0);
    all_.cmdClose->click();
    EXPECT_FALSE(all_.isVisible());
    // Hidden, it keeps its texts.
    EXPECT_EQ(all_.lblEvent[0]->text(), "first 0\nsecond line");

    main_.move(300, 40);
    all_.ShowRun(&main_, "second", Texts("second"));
    EXPECT_TRUE(all_.isVisible());
    EXPECT_EQ(all_.windowTitle(), "second");
    EXPECT_EQ(all_.HeightTwips(), 3150);
    EXPECT_EQ(all_.y(), main_.y() + 57);
    EXPECT_EQ(all_.lblEvent[7]->text(), "second 7\nsecond line");
    EXPECT_EQ(all_.lblEvent[4]->text(), "Read clockwise from top left");
}

TEST_F(DisplayAllWindowTest, Screenshot) {
    // Texts as the main window composes them, with fixed instants.
    const EventNameTable& names = DefaultEventNames();
    std::array<std::string, 9> texts;
    for (std::int16_t code = 0; code < 4; ++code) {
        texts[CrossQuarterCell(code)] = CrossQuarterCellText(
            names, false, code, "2021-02-03 CE 12:00", "2021-02-03 CE 21:49", 330);
        texts[EquinoxSolsticeCell(code)] =
            EquinoxSolsticeCellText(names, false, code, "2021-03-20 CE 15:07", 330);
    }
    all_.ShowRun(&main_, QString::fromStdString(DisplayAllCaption("2021", false)), texts);
    const QImage image = all_.grab().toImage();
    EXPECT_TRUE(image.save(testing::TestPicturePath("frm_all_layout.png")));
}

}  // namespace
}  // namespace kalvest
