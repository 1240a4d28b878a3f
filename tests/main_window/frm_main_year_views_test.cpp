// The moon list of frmMain: opened by Ctrl+M and by the output box's
// context menu for the window's year, calendar and zone, read-only, with
// a working copy; a bad year gets the year check's message and opens
// nothing; no control of the main window moves.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMenu>
#include <QScrollBar>

#include <map>

#include "common/language.h"
#include "datetime/date_time_text.h"
#include "datetime/zone_database.h"
#include "export/moon_listing.h"
#include "export/text_writer.h"
#include "frm_main_fixture.h"
#include "run/year_input.h"
#include "run/zone_list.h"
#include "windows/frm_moon.h"

namespace kalvest {
namespace {

class MoonListTest : public FrmMainTest {
protected:
    frmMoon* Moon() { return window->frmMoonForm.get(); }

    void PressCtrlM() {
        window->activateWindow();
        QApplication::setActiveWindow(window.get());
        QTest::keyClick(window->txbYear, Qt::Key_M, Qt::ControlModifier);
    }

    static QString Expected(std::int32_t year, std::int16_t calendar, const TimeZone& zone,
                            bool weekday) {
        std::string text =
            TextLines(MoonEventListing({year, year, calendar, false, weekday}, zone), "");
        text.pop_back();  // the last line feed
        return QString::fromStdString(text);
    }

    // Every control's place and size.
    std::map<QWidget*, QRect> Geometries() const {
        std::map<QWidget*, QRect> places;
        for (QWidget* control : window->Controls()) places[control] = control->geometry();
        places[window.get()] = window->geometry();
        return places;
    }
};

TEST_F(MoonListTest, CtrlMOpensTheListOfTheWindowsYearCalendarAndZone) {
    frmMain& w = *window;
    w.txbYear->setText(" 2025 ");
    w.cboCalendar->setCurrentIndex(1);
    w.cboTimezone->setCurrentIndex(35);  // GMT+05:30
    Tick({w.chkIncludeWeekday});
    const auto before = Geometries();
    PressCtrlM();
    ASSERT_NE(Moon(), nullptr);
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(Moon()->isVisible());
    EXPECT_EQ(Moon()->windowTitle(), "Phases of the Moon and eclipses in 2025 JC, GMT+05:30");
    EXPECT_EQ(Moon()->lblTitle->text(), Moon()->windowTitle());
    EXPECT_EQ(Moon()->txbMoon->toPlainText(),
              Expected(2025, kCalendarJulian, FixedWindowZone(330), true));
    EXPECT_TRUE(Moon()->txbMoon->toPlainText().startsWith(
        "Full moon ..................... 2025-01-01 JC 03:56 GMT+05:30, Tuesday\n"));
    // The main window's look; none of its controls moved, its output
    // untouched.
    EXPECT_EQ(Moon()->txbMoon->font(), w.txbOutput->font());
    EXPECT_EQ(Moon()->cmdClose->font(), w.cmdCopyToClipboard->font());
    EXPECT_EQ(Moon()->palette().color(QPalette::Window), QColor(0, 0, 128));
    EXPECT_EQ(Moon()->lblTitle->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    EXPECT_EQ(Geometries(), before);
    EXPECT_TRUE(w.Output.Empty());
    // The whole of the longest line is in view.
    EXPECT_EQ(Moon()->txbMoon->horizontalScrollBar()->maximum(), 0);

    // Read-only: typing changes nothing.
    const QString shown = Moon()->txbMoon->toPlainText();
    EXPECT_TRUE(Moon()->txbMoon->isReadOnly());
    QTest::keyClicks(Moon()->txbMoon, "abc");
    QTest::keyClick(Moon()->txbMoon, Qt::Key_Delete);
    EXPECT_EQ(Moon()->txbMoon->toPlainText(), shown);

    // Closed and opened again for another year: the same window, the new
    // list.
    Moon()->cmdClose->click();
    EXPECT_FALSE(Moon()->isVisible());
    frmMoon* const first = Moon();
    w.txbYear->setText("1999");
    w.cboCalendar->setCurrentIndex(0);
    w.cboTimezone->setCurrentIndex(24);
    Tick({});
    PressCtrlM();
    EXPECT_EQ(Moon(), first);
    EXPECT_TRUE(Moon()->isVisible());
    EXPECT_EQ(Moon()->txbMoon->toPlainText(),
              Expected(1999, kCalendarGregorian, FixedWindowZone(0), false));
    // The total solar eclipse of 11 August 1999, by its kind alone.
    EXPECT_TRUE(Moon()->txbMoon->toPlainText().contains(
        "New moon ...................... 1999-08-11 CE 11:08 GMT\n"
        "  Central total solar eclipse\n"));
}

TEST_F(MoonListTest, CopyPutsTheWholeListOnTheClipboard) {
    window->txbYear->setText("2025");
    PressCtrlM();
    ASSERT_NE(Moon(), nullptr);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText("left over");
    Moon()->cmdCopyToClipboard->click();
    EXPECT_EQ(clipboard->text(), Moon()->txbMoon->toPlainText());
    EXPECT_EQ(clipboard->text().count('\n') + 1, Moon()->txbMoon->blockCount());
}

TEST_F(MoonListTest, BadYearGetsTheYearMessageAndOpensNothing) {
    frmMain& w = *window;
    const struct {
        const char* typed;
        std::string message;
    } cases[] = {{"12a", "Invalid input for year."},
                 {"", "Year must be specified (-3000 through 3000)."},
                 {"3001", GetProgramText(24)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        boxes.clear();
        w.txbYear->setText(c.typed);
        PressCtrlM();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, c.message);
        EXPECT_EQ(Moon(), nullptr);
        EXPECT_EQ(w.txbYear->text().toStdString(), std::to_string(CurrentYear()));
    }
    // After a list, a rejected year leaves it alone and shows no window.
    w.txbYear->setText("2025");
    PressCtrlM();
    const QString list = Moon()->txbMoon->toPlainText();
    Moon()->cmdClose->click();
    w.txbYear->setText("0");
    PressCtrlM();
    EXPECT_FALSE(Moon()->isVisible());
    EXPECT_EQ(Moon()->txbMoon->toPlainText(), list);
}

TEST_F(MoonListTest, TheOutputBoxsContextMenuOffersTheViews) {
    frmMain& w = *window;
    const std::unique_ptr<QMenu> menu = w.OutputContextMenu();
    const QList<QAction*> actions = menu->actions();
    ASSERT_FALSE(actions.isEmpty());
    // The toolkit's own entries first (Copy, Select All), then the views.
    EXPECT_TRUE(std::any_of(actions.begin(), actions.end(), [](QAction* a) {
        return a->text().contains("Select All");
    }));
    ASSERT_GE(actions.size(), 2);
    EXPECT_EQ(actions[actions.size() - 2], w.mnuMoonList);
    EXPECT_EQ(actions.back(), w.mnuWheel);
    EXPECT_EQ(w.mnuMoonList->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
    EXPECT_EQ(w.mnuWheel->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W));
    EXPECT_TRUE(w.actions().contains(w.mnuMoonList));
    EXPECT_TRUE(w.actions().contains(w.mnuWheel));
    w.txbYear->setText("2025");
    actions[actions.size() - 2]->trigger();
    ASSERT_NE(Moon(), nullptr);
    EXPECT_TRUE(Moon()->isVisible());
}

// The screenshot of the list for 2025 in Irish time, summer time included
// (kalvest --moon --tz Europe/Dublin).
TEST_F(MoonListTest, ScreenshotOf2025InIrishTime) {
    frmMain& w = *window;
    ASSERT_TRUE(w.SelectNamedZone("Europe/Dublin"));
    w.txbYear->setText("2025");
    Tick({w.chkIncludeWeekday});
    PressCtrlM();
    ASSERT_NE(Moon(), nullptr);
    EXPECT_EQ(Moon()->windowTitle(), "Phases of the Moon and eclipses in 2025 CE, Europe/Dublin");
    EXPECT_EQ(Moon()->txbMoon->toPlainText(),
              Expected(2025, kCalendarGregorian, *w.NamedZone, true));
    const QString list = Moon()->txbMoon->toPlainText();
    EXPECT_TRUE(list.contains("2025-09-07 CE 19:52 IST, Sunday"));
    EXPECT_TRUE(list.contains("2025-03-14 CE 06:27 GMT, Friday"));
    // The total lunar eclipse of 7 September in view, once the window has
    // laid itself out as the event loop would.
    Moon()->txbMoon->find("2025-09-07");
    QTextCursor cursor = Moon()->txbMoon->textCursor();
    cursor.movePosition(QTextCursor::StartOfBlock);
    Moon()->txbMoon->setTextCursor(cursor);
    Moon()->txbMoon->centerCursor();
    QApplication::processEvents();
    EXPECT_FALSE(Moon()->txbMoon->horizontalScrollBar()->isVisible());
    const QString folder = QString(KALVEST_OUTPUT_DIR) + "/../test-output";
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(Moon()->grab().save(folder + "/moon-list-2025.png"));
}

}  // namespace
}  // namespace kalvest
