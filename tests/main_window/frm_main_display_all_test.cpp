// The display-all command of frmMain: validation, caption, and the eight
// events of the year in the clockwise grid for either hemisphere.
#include <QApplication>
#include <QLabel>

#include "datetime/date_time_text.h"
#include "frm_main_fixture.h"
#include "outside/varquel_binding.h"
#include "run/display_all_texts.h"
#include "test_pictures.h"
#include "windows/frm_all.h"

namespace kalvest {
namespace {

class DisplayAllTest : public FrmMainTest {
protected:
    frmAll* All() { return window->frmAllForm.get(); }

    std::array<std::string, 9> Expected(std::int32_t year, std::int16_t calendar,
                                        std::int16_t zone, bool southern) {
        EuroDate record{};
        return FillAllCellTexts(DefaultEventNames(), {year, calendar, zone, southern}, record);
    }

    void ExpectCells(const std::array<std::string, 9>& texts) {
        for (int i = 0; i < 9; ++i) {
            if (i == 4) continue;
            EXPECT_EQ(All()->lblEvent[i]->text(),
                      QString::fromStdString(texts[i]).replace("\r\n", "\n"))
                << i;
        }
    }
};

TEST_F(DisplayAllTest, AllEightEventsWhateverIsTicked) {
    frmMain& w = *window;
    w.txbYear->setText(" 2021 ");
    Tick({w.chkVE});
    Click(w.cmdDisplayAll);
    ASSERT_NE(All(), nullptr);
    EXPECT_TRUE(All()->isVisible());
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(All()->windowTitle(), "All dates and times for 2021 CE in the Northern Hemisphere");
    ExpectCells(Expected(2021, kCalendarGregorian, 0, false));
    EXPECT_TRUE(All()->lblEvent[0]->text().startsWith("Imbolc\nTrue sun: "));
    EXPECT_EQ(All()->lblEvent[1]->text(), "Spring equinox\n2021-03-20 CE 09:37 GMT");
    EXPECT_TRUE(All()->lblEvent[8]->text().startsWith("Lughnassad\nMean sun: "));
    EXPECT_EQ(All()->lblEvent[4]->text(), "Read clockwise from top left");
    EXPECT_EQ(All()->HeightTwips(), 3150);
    // The output box is not touched.
    EXPECT_TRUE(w.Output.Empty());

    const QImage image = All()->grab().toImage();
    EXPECT_TRUE(image.save(testing::TestPicturePath("frm_all.png")));
}

TEST_F(DisplayAllTest, SouthernHemisphereJulianCalendarAndZone) {
    frmMain& w = *window;
    w.txbYear->setText("+5");
    w.optSH->setChecked(true);
    w.cboCalendar->setCurrentIndex(1);
    w.cboTimezone->setCurrentIndex(35);  // GMT+05:30
    Click(w.cmdDisplayAll);
    EXPECT_EQ(All()->windowTitle(), "All dates and times for +5 CE in the Southern Hemisphere");
    ExpectCells(Expected(5, kCalendarJulian, 330, true));
    EXPECT_TRUE(All()->lblEvent[0]->text().startsWith("Lughnassad\n"));
    EXPECT_TRUE(All()->lblEvent[1]->text().startsWith("Autumn equinox\n"));
    EXPECT_TRUE(All()->lblEvent[1]->text().endsWith(" GMT+05:30"));
    EXPECT_TRUE(All()->lblEvent[1]->text().contains(" JC "));
    EXPECT_EQ(w.CalendarCode, kCalendarJulian);
    EXPECT_EQ(w.ZoneMinutes, 330);
}

TEST_F(DisplayAllTest, InvalidYearShowsNothing) {
    frmMain& w = *window;
    w.txbYear->setText("12a");
    Click(w.cmdDisplayAll);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Invalid input for year.");
    EXPECT_EQ(All(), nullptr);

    // After a run, a rejected year leaves the grid of that run alone.
    w.txbYear->setText("2021");
    Click(w.cmdDisplayAll);
    const QString cell = All()->lblEvent[3]->text();
    All()->cmdClose->click();
    w.txbYear->setText("3001");
    Click(w.cmdDisplayAll);
    EXPECT_EQ(boxes.size(), 2u);
    EXPECT_FALSE(All()->isVisible());
    EXPECT_EQ(All()->lblEvent[3]->text(), cell);
}

// Without varquel nothing of the new year is shown: the grid and caption
// of the last run stay, and the message names the library and its entry.
TEST_F(DisplayAllTest, MissingLibraryKeepsTheOldGridAndTellsWhy) {
    frmMain& w = *window;
    w.txbYear->setText("2021");
    Click(w.cmdDisplayAll);
    ASSERT_TRUE(boxes.empty());
    const QString caption = All()->windowTitle();

    UseVarquelLibraryFile("libkalvest-no-such-library.so");
    w.txbYear->setText("1999");
    w.optSH->setChecked(true);
    Click(w.cmdDisplayAll);
    UseVarquelLibraryFile(DefaultVarquelFileName());

    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].icon, MessageIcon::kExclamation);
    EXPECT_EQ(boxes[0].title, "Display all for:");
    EXPECT_NE(boxes[0].text.find("\"varquel\""), std::string::npos) << boxes[0].text;
    EXPECT_NE(boxes[0].text.find(VarquelExportName("deltat", 12)), std::string::npos)
        << boxes[0].text;
    EXPECT_EQ(All()->windowTitle(), caption);
    ExpectCells(Expected(2021, kCalendarGregorian, 0, false));
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(program_ends, 0);
}

TEST_F(DisplayAllTest, NewRunAfterCloseRefillsAndResizes) {
    frmMain& w = *window;
    w.txbYear->setText("2021");
    Click(w.cmdDisplayAll);
    w.activateWindow();
    All()->Form_Activate();
    All()->cmdClose->click();
    w.txbYear->setText("1999");
    Click(w.cmdDisplayAll);
    EXPECT_TRUE(All()->isVisible());
    EXPECT_EQ(All()->HeightTwips(), 3150);
    EXPECT_EQ(All()->WidthTwips(), 12180);
    ExpectCells(Expected(1999, kCalendarGregorian, 0, false));
}

}  // namespace
}  // namespace kalvest
