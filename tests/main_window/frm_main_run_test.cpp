// The calculation run in frmMain: its checks and messages, the lines it
// writes, the button states after it, and a failure inside it.
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>

#include "frm_main_fixture.h"
#include "outside/varquel_binding.h"

namespace kalvest {
namespace {

const char* const kCalculateCaption = "Calculate dates and times of selected events";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "text must end with CR LF";
    return lines;
}

TEST_F(FrmMainTest, NoEventSelected) {
    frmMain& w = *window;
    Tick({w.chkMeanSun, w.chkIncludeWeekday});
    w.chkWS->setCheckState(Qt::Unchecked);
    Click(w.cmdCalculate);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "At least one event must be selected.");
    EXPECT_EQ(boxes[0].title, kCalculateCaption);
    EXPECT_EQ(boxes[0].icon, MessageIcon::kNone);
    EXPECT_EQ(boxes[0].buttons, MessageButtons::kOk);
    EXPECT_TRUE(w.Output.Empty());
    EXPECT_FALSE(w.cmdClear->isVisible());
}

TEST_F(FrmMainTest, CrossQuarterWithoutMethod) {
    frmMain& w = *window;
    w.txbYear->setText("2021");
    Tick({w.chkVE});
    Click(w.cmdCalculate);
    boxes.clear();
    const std::string before = Output();
    Tick({w.chkLughnassad});
    Click(w.cmdCalculate);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text,
              "When calculating cross-quarter days at least one of 'True sun' and "
              "'Mean sun' must be selected.");
    EXPECT_EQ(boxes[0].title, kCalculateCaption);
    EXPECT_EQ(boxes[0].icon, MessageIcon::kInformation);
    EXPECT_EQ(Output(), before);  // not even a hyphen line
}

TEST_F(FrmMainTest, TheTwoLinesOfTheFirstRunAndTheHyphenLineOfTheSecond) {
    frmMain& w = *window;
    w.txbYear->setText("2021");
    Tick({w.chkVE, w.chkImbolc, w.chkMeanSun, w.chkIncludeWeekday});
    Click(w.cmdCalculate);
    EXPECT_TRUE(boxes.empty());
    const std::string first =
        "Imbolc (mean sun) ............. 2021-02-03 CE 21:49 GMT, Wednesday\r\n"
        "Spring (March) equinox ........ 2021-03-20 CE 09:37 GMT, Saturday\r\n";
    EXPECT_EQ(Output(), first);
    EXPECT_EQ(Shown(),
              "Imbolc (mean sun) ............. 2021-02-03 CE 21:49 GMT, Wednesday\n"
              "Spring (March) equinox ........ 2021-03-20 CE 09:37 GMT, Saturday\n");
    EXPECT_EQ(w.Year, 2021);
    EXPECT_EQ(w.CalendarCode, 71);
    EXPECT_EQ(w.ZoneMinutes, 0);
    EXPECT_TRUE(w.cmdClear->isVisible() && w.cmdClear->isEnabled());
    EXPECT_TRUE(w.cmdCopyToClipboard->isVisible() && w.cmdCopyToClipboard->isEnabled());
    // The caret stands at the end.
    EXPECT_TRUE(w.txbOutput->textCursor().atEnd());
    Click(w.cmdCopyToClipboard);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), Shown());

    w.cboTimezone->setCurrentIndex(w.cboTimezone->findText("GMT+05:30"));
    Tick({w.chkVE, w.chkIncludeWeekday});
    Click(w.cmdCalculate);
    EXPECT_EQ(Output(),
              first + "--------------------\r\n"
                      "Spring (March) equinox ........ 2021-03-20 CE 15:07 GMT+05:30, Saturday\r\n");
    EXPECT_EQ(w.ZoneMinutes, 330);
}

// The hemisphere names only the display-all texts: the main output's
// lines read the same in the south, label for label.
TEST_F(FrmMainTest, AllTwelveLinesInTheirOrderInEitherHemisphere) {
    frmMain& w = *window;
    w.txbYear->setText("2021");
    Click(w.cmdAllOrNoneKalvest[0]);
    Click(w.cmdAllOrNoneKalvest[2]);
    w.chkTrueSun->setCheckState(Qt::Checked);
    w.chkMeanSun->setCheckState(Qt::Checked);
    Click(w.cmdCalculate);
    const std::vector<std::string> lines = Lines(Output());
    const char* const labels[] = {
        "Imbolc (true sun) ............. ", "Imbolc (mean sun) ............. ",
        "Spring (March) equinox ........ ", "Beltane (true sun) ............ ",
        "Beltane (mean sun) ............ ", "Summer (June) solstice ........ ",
        "Lughnassad (mean sun) ......... ", "Lughnassad (true sun) ......... ",
        "Autumn (September) equinox .... ", "Samhain (mean sun) ............ ",
        "Samhain (true sun) ............ ", "Winter (December) solstice .... "};
    ASSERT_EQ(lines.size(), 12u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].substr(0, 32), labels[i]) << i;
        EXPECT_EQ(lines[i].substr(32, 14), "2021-" + lines[i].substr(37, 5) + " CE ") << i;
        EXPECT_EQ(lines[i].substr(lines[i].size() - 4), " GMT") << i;
    }

    const std::string north = Output();
    w.cmdClear_Click();
    w.optSH->setChecked(true);
    Click(w.cmdCalculate);
    EXPECT_EQ(Output(), north);
    EXPECT_NE(north.find("\r\nSpring (March) equinox ........ 2021-03-20 CE 09:37 GMT\r\n"),
              std::string::npos);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(FrmMainTest, EveryLineInTheRunsCalendar) {
    frmMain& w = *window;
    w.txbYear->setText("2021");
    w.cboCalendar->setCurrentIndex(1);
    Tick({w.chkBeltane, w.chkSamhain, w.chkMeanSun});
    Click(w.cmdCalculate);
    const std::vector<std::string> lines = Lines(Output());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].substr(0, 32), "Beltane (mean sun) ............ ");
    EXPECT_EQ(lines[1].substr(0, 32), "Samhain (mean sun) ............ ");
    for (const std::string& line : lines) EXPECT_EQ(line.substr(42, 4), " JC ") << line;
    EXPECT_EQ(w.CalendarCode, 74);
}

TEST_F(FrmMainTest, ZonesMoveEventsAcrossMidnight) {
    frmMain& w = *window;
    w.chkIncludeWeekday->setCheckState(Qt::Checked);
    auto run = [&](const char* year, QCheckBox* event, const char* zone) {
        w.cmdClear_Click();
        Tick({event, w.chkIncludeWeekday});
        w.txbYear->setText(year);
        w.cboTimezone->setCurrentIndex(w.cboTimezone->findText(zone));
        Click(w.cmdCalculate);
        return Output();
    };
    // The March equinox of 2007 came at 00:07 UT.
    EXPECT_EQ(run("2007", w.chkVE, "GMT"),
              "Spring (March) equinox ........ 2007-03-21 CE 00:07 GMT, Wednesday\r\n");
    EXPECT_EQ(run("2007", w.chkVE, "GMT-01:00"),
              "Spring (March) equinox ........ 2007-03-20 CE 23:07 GMT-01:00, Tuesday\r\n");
    // The June solstice of 2008 came at 23:59 UT.
    EXPECT_EQ(run("2008", w.chkSS, "GMT+00:30"),
              "Summer (June) solstice ........ 2008-06-21 CE 00:29 GMT+00:30, Saturday\r\n");
}

TEST_F(FrmMainTest, MissingLibraryStopsTheRunWithAMessage) {
    frmMain& w = *window;
    w.txbYear->setText("2021");
    Tick({w.chkVE});
    Click(w.cmdCalculate);
    const std::string before = Output();

    UseVarquelLibraryFile("libkalvest-no-such-library.so");
    Tick({w.chkVE, w.chkSS});
    Click(w.cmdCalculate);
    UseVarquelLibraryFile(DefaultVarquelFileName());

    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].icon, MessageIcon::kExclamation);
    EXPECT_EQ(boxes[0].title, kCalculateCaption);
    EXPECT_NE(boxes[0].text.find("\"varquel\""), std::string::npos) << boxes[0].text;
    EXPECT_NE(boxes[0].text.find(VarquelExportName("deltat", 12)), std::string::npos)
        << boxes[0].text;
    // No line of the failed run; the window carries on.
    EXPECT_EQ(Output(), before + "--------------------\r\n");
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(program_ends, 0);

    boxes.clear();
    Click(w.cmdCalculate);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(Lines(Output()).size(), 5u);
}

// Writes the window after a run to the build folder, to be looked at.
TEST_F(FrmMainTest, ScreenshotAfterARun) {
    frmMain& w = *window;
    w.txbYear->setText("2021");
    Click(w.cmdAllOrNoneKalvest[0]);
    Click(w.cmdAllOrNoneKalvest[2]);
    w.chkMeanSun->setCheckState(Qt::Checked);
    w.chkIncludeWeekday->setCheckState(Qt::Checked);
    Click(w.cmdCalculate);
    w.chkTrueSun->setCheckState(Qt::Checked);
    Click(w.cmdCalculate);
    w.chkSamhain->setCheckState(Qt::Unchecked);
    const QString path = QDir(QStringLiteral(KALVEST_OUTPUT_DIR "/..")).absoluteFilePath(
        QStringLiteral("frm_main_screenshot.png"));
    ASSERT_TRUE(w.grab().save(path)) << path.toStdString();
}

}  // namespace
}  // namespace kalvest
