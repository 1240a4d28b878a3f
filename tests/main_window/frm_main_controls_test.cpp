// frmMain's input rules and small commands: the year check, All/None and
// the method controls, the focus rules, Enter, Clear, Copy, Quit, closing.
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QTimer>

#include "common/language.h"
#include "frm_main_fixture.h"
#include "run/year_input.h"

namespace kalvest {
namespace {

std::size_t LineCount(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

struct YearCase {
    const char* typed;
    const char* box_after;  // nullptr: the current year
    const char* message;    // nullptr: accepted; "24": program texts 24/25
    std::int32_t year_after;
};

TEST_F(FrmMainTest, YearCheck) {
    const std::string current = std::to_string(CurrentYear());
    const std::string out_of_range = GetProgramText(24);
    ASSERT_FALSE(out_of_range.empty());
    constexpr std::int32_t kUnchanged = 1234;
    const YearCase cases[] = {
        {"  2024 ", "2024", nullptr, 2024},
        {"+5", "+5", nullptr, 5},
        {"3000", "3000", nullptr, 3000},
        {"0012", "0012", nullptr, 12},
        {"0", nullptr, "24", 0},
        {"-0", nullptr, "24", 0},
        {"-500", nullptr, "24", -500},
        {"3001", nullptr, "24", 3001},
        {"+", nullptr, "24", 0},
        {"-", nullptr, "24", 0},
        {"99999999999", nullptr, "24", kUnchanged},
        {"-2147483649", nullptr, "24", kUnchanged},
        {"1,000", nullptr, "Invalid input for year.", kUnchanged},
        {"12a", nullptr, "Invalid input for year.", kUnchanged},
        {"2.5", nullptr, "Invalid input for year.", kUnchanged},
        {"20 21", nullptr, "Invalid input for year.", kUnchanged},
        {"--5", nullptr, "Invalid input for year.", kUnchanged},
        {"", nullptr, "Year must be specified (-3000 through 3000).", kUnchanged},
        {"   ", nullptr, "Year must be specified (-3000 through 3000).", kUnchanged},
    };
    for (const YearCase& c : cases) {
        SCOPED_TRACE(std::string("typed \"") + c.typed + "\"");
        boxes.clear();
        window->Year = kUnchanged;
        window->txbYear->setText(QString::fromUtf8(c.typed));
        const bool rejected = window->YearInputInvalid();
        EXPECT_EQ(rejected, c.message != nullptr);
        EXPECT_EQ(window->txbYear->text().toStdString(), c.box_after ? c.box_after : current);
        EXPECT_EQ(window->Year, c.year_after);
        if (!c.message) {
            EXPECT_TRUE(boxes.empty());
            continue;
        }
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].icon, MessageIcon::kInformation);
        EXPECT_EQ(boxes[0].buttons, MessageButtons::kOk);
        if (std::string(c.message) == "24") {
            EXPECT_EQ(boxes[0].text, out_of_range);
            EXPECT_EQ(boxes[0].title, GetProgramText(25));
        } else {
            EXPECT_EQ(boxes[0].text, c.message);
            EXPECT_EQ(boxes[0].title, "Invalid input");
        }
    }
}

TEST_F(FrmMainTest, RejectedYearLeavesEverythingElse) {
    Tick({window->chkVE});
    window->txbYear->setText("abc");
    Click(window->cmdCalculate);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(window->Output.Empty());
    EXPECT_FALSE(window->cmdClear->isVisible());
    EXPECT_EQ(window->chkVE->checkState(), Qt::Checked);
}

TEST_F(FrmMainTest, AllAndNoneButtons) {
    frmMain& w = *window;
    const std::array<QCheckBox*, 4> quarters = {w.chkVE, w.chkSS, w.chkAE, w.chkWS};
    const std::array<QCheckBox*, 4> cross = {w.chkImbolc, w.chkBeltane, w.chkLughnassad,
                                             w.chkSamhain};
    auto states = [](const std::array<QCheckBox*, 4>& group) {
        std::vector<Qt::CheckState> s;
        for (QCheckBox* box : group) s.push_back(box->checkState());
        return s;
    };
    const std::vector<Qt::CheckState> all(4, Qt::Checked), none(4, Qt::Unchecked);

    Click(w.cmdAllOrNoneKalvest[2]);
    EXPECT_EQ(states(cross), all);
    EXPECT_EQ(states(quarters), none);
    EXPECT_TRUE(w.Label2->isEnabled() && w.chkMeanSun->isEnabled() && w.chkTrueSun->isEnabled());
    EXPECT_EQ(w.focusWidget(), w.cmdCalculate);

    w.cmdHelp->setFocus();
    Click(w.cmdAllOrNoneKalvest[3]);
    EXPECT_EQ(states(cross), none);
    EXPECT_FALSE(w.Label2->isEnabled());
    EXPECT_FALSE(w.chkMeanSun->isEnabled());
    EXPECT_FALSE(w.chkTrueSun->isEnabled());
    EXPECT_EQ(w.focusWidget(), w.cmdCalculate);

    Click(w.cmdAllOrNoneKalvest[0]);
    EXPECT_EQ(states(quarters), all);
    EXPECT_EQ(states(cross), none);
    EXPECT_FALSE(w.chkMeanSun->isEnabled());  // the equinox buttons leave the methods alone
    Click(w.cmdAllOrNoneKalvest[1]);
    EXPECT_EQ(states(quarters), none);
}

TEST_F(FrmMainTest, MethodControlsFollowTheCrossQuarterBoxes) {
    frmMain& w = *window;
    w.chkMeanSun->setCheckState(Qt::Checked);
    w.chkSamhain->setCheckState(Qt::Checked);
    EXPECT_TRUE(w.chkTrueSun->isEnabled());
    w.chkSamhain->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(w.chkTrueSun->isEnabled());
    EXPECT_FALSE(w.Label2->isEnabled());
    // Disabling keeps the values.
    EXPECT_EQ(w.chkMeanSun->checkState(), Qt::Checked);
    // A grey box does not count as selected.
    w.chkBeltane->setCheckState(Qt::PartiallyChecked);
    EXPECT_FALSE(w.chkMeanSun->isEnabled());
    // Clicks take a grey box to checked and unchecked, never back to grey.
    for (Qt::CheckState expected : {Qt::Checked, Qt::Unchecked, Qt::Checked, Qt::Unchecked}) {
        QTest::keyClick(w.chkBeltane, Qt::Key_Space);
        EXPECT_EQ(w.chkBeltane->checkState(), expected);
    }
    // A click on the box itself raises its handler too.
    QTest::keyClick(w.chkImbolc, Qt::Key_Space);
    EXPECT_EQ(w.chkImbolc->checkState(), Qt::Checked);
    EXPECT_TRUE(w.chkMeanSun->isEnabled());
}

TEST_F(FrmMainTest, ChoosingFromAListOrAHemisphereMovesTheFocus) {
    frmMain& w = *window;
    w.cboTimezone->setFocus();
    QTest::keyClick(w.cboTimezone, Qt::Key_Down);
    EXPECT_EQ(w.cboTimezone->currentText(), "GMT+00:30");
    EXPECT_EQ(w.focusWidget(), w.cmdCalculate);

    w.cboCalendar->setFocus();
    QTest::keyClick(w.cboCalendar, Qt::Key_Down);
    EXPECT_EQ(w.cboCalendar->currentIndex(), 1);
    EXPECT_EQ(w.focusWidget(), w.cmdCalculate);

    QTest::mouseClick(w.optSH, Qt::LeftButton, {}, QPoint(5, w.optSH->height() / 2));
    EXPECT_TRUE(w.optSH->isChecked());
    EXPECT_EQ(w.focusWidget(), w.cmdDisplayAll);

    w.cmdDisplayAll->setEnabled(false);
    w.cmdHelp->setFocus();
    QTest::mouseClick(w.optNH, Qt::LeftButton, {}, QPoint(5, w.optNH->height() / 2));
    EXPECT_TRUE(w.optNH->isChecked());
    EXPECT_EQ(w.focusWidget(), w.optNH);  // where the click put it
}

TEST_F(FrmMainTest, EnterInTheYearBoxCalculatesOtherKeysDoNot) {
    frmMain& w = *window;
    Tick({w.chkVE});
    w.txbYear->setText("2021");
    QTest::keyClick(w.txbYear, Qt::Key_Left);
    QTest::keyClick(w.txbYear, Qt::Key_Tab);
    QTest::keyClick(w.txbYear, Qt::Key_Escape);
    // The release of an Enter pressed elsewhere (the one that dismissed a
    // message box) starts nothing.
    QTest::keyRelease(w.txbYear, Qt::Key_Return);
    EXPECT_TRUE(w.Output.Empty());
    QTest::keyClick(w.txbYear, Qt::Key_Return);
    EXPECT_EQ(Output(), "Spring (March) equinox ........ 2021-03-20 CE 09:37 GMT\r\n");
    QTest::keyClick(w.txbYear, Qt::Key_Enter);  // the keypad's Enter
    EXPECT_EQ(LineCount(Output()), 3u);
    // Not while the calculate button is disabled.
    w.cmdCalculate->setEnabled(false);
    QTest::keyClick(w.txbYear, Qt::Key_Return);
    EXPECT_EQ(LineCount(Output()), 3u);
    EXPECT_TRUE(boxes.empty());
}

// The focus rules send the focus to a command button so that Enter runs
// it: Enter (either key) presses the focused button, once per press.
TEST_F(FrmMainTest, EnterPressesTheFocusedCommandButton) {
    frmMain& w = *window;
    w.txbYear->setText("2021");
    w.cmdAllOrNoneKalvest[0]->setFocus();
    QTest::keyClick(w.focusWidget(), Qt::Key_Return);
    EXPECT_EQ(w.chkWS->checkState(), Qt::Checked);  // "All" of the first frame
    ASSERT_EQ(w.focusWidget(), w.cmdCalculate);
    QTest::keyClick(w.focusWidget(), Qt::Key_Return);
    EXPECT_EQ(LineCount(Output()), 4u);

    // A zone from its list, then Enter: a run in that zone.
    w.cboTimezone->setFocus();
    QTest::keyClick(w.cboTimezone, Qt::Key_Down);
    ASSERT_EQ(w.focusWidget(), w.cmdCalculate);
    QTest::keyClick(w.focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(LineCount(Output()), 9u);
    EXPECT_EQ(w.ZoneMinutes, 30);

    // Held down, Enter does not run again.
    QTest::keyPress(w.cmdCalculate, Qt::Key_Return);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString("\r"), true);
    QApplication::sendEvent(w.cmdCalculate, &repeat);
    QTest::keyRelease(w.cmdCalculate, Qt::Key_Return);
    EXPECT_EQ(LineCount(Output()), 14u);

    // A disabled button stays unpressed; Clear empties the output.
    w.cmdClear->setFocus();
    w.cmdCalculate->setEnabled(false);
    QTest::keyClick(w.cmdCalculate, Qt::Key_Return);
    EXPECT_EQ(LineCount(Output()), 14u);
    QTest::keyClick(w.cmdClear, Qt::Key_Return);
    EXPECT_TRUE(w.Output.Empty());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(FrmMainTest, ClearEmptiesTheOutputAndGreysItself) {
    frmMain& w = *window;
    Tick({w.chkWS});
    w.txbYear->setText("2021");
    Click(w.cmdCalculate);
    ASSERT_FALSE(w.Output.Empty());
    EXPECT_TRUE(w.cmdClear->isVisible());
    EXPECT_TRUE(w.cmdClear->isEnabled());
    Click(w.cmdClear);
    EXPECT_TRUE(w.Output.Empty());
    EXPECT_TRUE(w.txbOutput->toPlainText().isEmpty());
    EXPECT_FALSE(w.cmdClear->isEnabled());
    EXPECT_TRUE(w.cmdClear->isVisible());
    EXPECT_TRUE(w.cmdCopyToClipboard->isVisible());
    // The next run starts without a hyphen line and enables Clear again.
    Click(w.cmdCalculate);
    EXPECT_EQ(Output(), "Winter (December) solstice .... 2021-12-21 CE 15:59 GMT\r\n");
    EXPECT_TRUE(w.cmdClear->isEnabled());
}

TEST_F(FrmMainTest, CopyPutsTheOutputOnTheClipboard) {
    frmMain& w = *window;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText("left over");
    Click(w.cmdCopyToClipboard);  // empty output
    const QMimeData* data = clipboard->mimeData();
    EXPECT_TRUE(data == nullptr || !data->hasText() || data->text().isEmpty());
    EXPECT_TRUE(clipboard->text().isEmpty());

    Tick({w.chkVE, w.chkSS});
    w.txbYear->setText("2021");
    Click(w.cmdCalculate);
    Click(w.cmdCopyToClipboard);
    EXPECT_EQ(clipboard->text().toStdString(),
              "Spring (March) equinox ........ 2021-03-20 CE 09:37 GMT\n"
              "Summer (June) solstice ........ 2021-06-21 CE 03:31 GMT\n");
}

TEST_F(FrmMainTest, QuitAndTheCloseBoxEndTheProgram) {
    Click(window->cmdQuit);
    EXPECT_EQ(program_ends, 1);
    window->close();
    EXPECT_EQ(program_ends, 2);
    EXPECT_TRUE(boxes.empty());
}

// With the program's own ending, the close box leaves the event loop even
// while another window of the program is still shown.
TEST(FrmMainEnding, CloseBoxEndsTheEventLoopWhateverElseIsShown) {
    const MessageBoxHandler previous = SetMessageBoxHandler([](const MessageBoxRequest&) {});
    {
        frmMain window;
        window.Form_Load();
        QWidget other;
        other.show();
        QTimer::singleShot(0, &window, [&window] { window.close(); });
        QTimer guard;  // ends a loop that the close box failed to end
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        guard.start(5000);
        EXPECT_EQ(QApplication::exec(), 0);
        EXPECT_TRUE(other.isVisible());
    }
    SetMessageBoxHandler(previous);
}

}  // namespace
}  // namespace kalvest
