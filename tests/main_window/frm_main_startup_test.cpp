// frmMain after start-up: its state, its controls as designed, its lists.
#include <QApplication>
#include <QFontInfo>
#include <QMenuBar>

#include "frm_main_fixture.h"
#include "run/event_names.h"
#include "run/year_input.h"

namespace kalvest {
namespace {

TEST_F(FrmMainTest, FreshStartWithoutSettings) {
    frmMain& w = *window;
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(w.windowTitle(), "Kalvest 7.0");
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.blnStartupCompleted);
    EXPECT_EQ(w.strProgramTextFile, "kalvest.dat");
    EXPECT_EQ(w.txbYear->text(), QString::number(CurrentYear()));
    EXPECT_EQ(w.cboCalendar->currentIndex(), 0);
    EXPECT_EQ(w.cboCalendar->currentText(), "Gregorian (proleptic) calendar (CE)");
    EXPECT_EQ(w.cboTimezone->currentIndex(), 24);
    EXPECT_EQ(w.cboTimezone->currentText(), "GMT");
    EXPECT_TRUE(w.optNH->isChecked());
    EXPECT_FALSE(w.optSH->isChecked());
    for (QCheckBox* box : {w.chkVE, w.chkSS, w.chkAE, w.chkWS, w.chkImbolc, w.chkBeltane,
                           w.chkLughnassad, w.chkSamhain, w.chkMeanSun, w.chkTrueSun,
                           w.chkIncludeWeekday}) {
        EXPECT_EQ(box->checkState(), Qt::Unchecked) << box->objectName().toStdString();
    }
    // Nothing has called UpdateMethodControls yet.
    EXPECT_TRUE(w.Label2->isEnabled());
    EXPECT_TRUE(w.chkMeanSun->isEnabled());
    EXPECT_TRUE(w.chkTrueSun->isEnabled());
    EXPECT_TRUE(w.Output.Empty());
    EXPECT_TRUE(w.txbOutput->toPlainText().isEmpty());
    EXPECT_FALSE(w.cmdClear->isVisible());
    EXPECT_TRUE(w.cmdCopyToClipboard->isVisible());
    EXPECT_TRUE(w.cmdCopyToClipboard->isEnabled());
    EXPECT_EQ(w.focusWidget(), w.cmdHelp);
    EXPECT_EQ(w.EuroDateRecord.calendar, 71);
    EXPECT_EQ(w.EventNames, DefaultEventNames());
    EXPECT_EQ(w.EventNames[2][0], "Spring equinox");
    EXPECT_EQ(w.EventNames[3][0], "Autumn equinox");
    EXPECT_EQ(w.EventNames[4][0], "Lughnassad");
}

struct Designed {
    const char* name;
    const char* caption;
    int left, top, width, height;  // twips
};

// Every control with its caption and design rectangle.
const Designed kInventory[] = {
    {"lblYear", "Year:", 120, 135, 735, 300},
    {"txbYear", nullptr, 720, 120, 780, 360},
    {"lblCalendar", "Calendar:", 1560, 135, 975, 300},
    {"cboCalendar", nullptr, 2640, 120, 3375, 360},
    {"lblTimezone", "TZ:", 6000, 135, 495, 300},
    {"cboTimezone", nullptr, 6600, 120, 1455, 360},
    {"Frame1", "Select equinoxes and solstices: ", 120, 600, 3615, 2225},
    {"chkVE", "Spring (March) equinox", 120, 360, 3300, 255},
    {"chkSS", "Summer (June) solstice", 120, 720, 3300, 255},
    {"chkAE", "Autumn (September) equinox", 120, 1080, 3300, 255},
    {"chkWS", "Winter (December) solstice", 120, 1440, 3300, 255},
    {"Frame2", "Select cross-quarter days: ", 3960, 600, 4095, 2225},
    {"chkImbolc", "Imbolc", 120, 360, 1815, 255},
    {"chkBeltane", "Beltane", 120, 720, 1815, 255},
    {"chkLughnassad", "Lughnassad", 120, 1080, 1815, 255},
    {"chkSamhain", "Samhain", 120, 1440, 1815, 255},
    {"Label2", "Calculation method:", 2040, 360, 1935, 255},
    {"chkMeanSun", "Mean sun", 2040, 720, 1455, 255},
    {"chkTrueSun", "True sun", 2040, 1080, 1455, 255},
    {"cmdCalculate", "Calculate dates and times of selected events", 120, 3000, 4935, 360},
    {"cmdDisplayAll", "Display all for:", 5400, 3000, 2655, 360},
    {"optNH", "Northern hemisphere", 5400, 3360, 2655, 255},
    {"optSH", "Southern hemisphere", 5400, 3600, 2655, 255},
    {"chkIncludeWeekday", "Include weekday", 120, 3480, 2055, 255},
    {"cmdSaveSettings", "Save settings", 2880, 3480, 2175, 360},
    {"txbOutput", nullptr, 120, 4005, 8295, 3330},
    {"cmdClear", "Clear", 120, 7485, 855, 360},
    {"cmdCopyToClipboard", "Copy to clipboard", 1100, 7485, 2200, 360},
    {"cmdOrvanthSoftware", "Orvanth Systems Software", 3550, 7485, 2800, 360},
    {"cmdHelp", "Help", 6600, 7485, 855, 360},
    {"cmdQuit", "Quit", 7560, 7485, 855, 360},
    {"lblNotice", nullptr, 120, 7935, 1605, 240},
    {"lblOrvanthSystems", "Orvanth Systems", 1365, 7935, 2115, 240},
    {"lblURL", nullptr, 2805, 7935, 1845, 240},
    {"lblOnlineUserManual", "Online user manual", 5700, 7935, 2535, 240},
};

QString CaptionOf(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(control)) return frame->title();
    return {};
}

QRect Pixels(int left, int top, int width, int height) {
    auto px = [](int twips) { return (twips + 7) / 15; };
    return QRect(px(left), px(top), px(width), px(height));
}

TEST_F(FrmMainTest, ControlsAsDesigned) {
    frmMain& w = *window;
    // The client area is 8595 x 8370 twips; the menu bar stands above it
    // and the window is that much taller.
    EXPECT_EQ(w.ClientArea->size(), QSize(573, 558));
    EXPECT_EQ(w.ClientArea->pos(), QPoint(0, w.mnuBar->height()));
    EXPECT_GT(w.mnuBar->height(), 0);
    EXPECT_EQ(w.size(), QSize(573, 558 + w.mnuBar->height()));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    for (const Designed& d : kInventory) {
        SCOPED_TRACE(d.name);
        auto* control = w.findChild<QWidget*>(QString::fromLatin1(d.name));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), Pixels(d.left, d.top, d.width, d.height));
        if (d.caption) {
            EXPECT_EQ(CaptionOf(control), QString::fromUtf8(d.caption));
        }
        EXPECT_TRUE(control->isEnabled());
    }
    EXPECT_EQ(w.chkVE->parentWidget(), w.Frame1);
    EXPECT_EQ(w.chkMeanSun->parentWidget(), w.Frame2);
    const QList<QPushButton*> array =
        w.findChildren<QPushButton*>(QStringLiteral("cmdAllOrNoneKalvest"));
    ASSERT_EQ(array.size(), 4);
    const QRect all(8, 120, 49, 18), none(72, 120, 49, 18);
    for (int index = 0; index < 4; ++index) {
        QPushButton* button = w.cmdAllOrNoneKalvest[index];
        EXPECT_EQ(button->property("Index").toInt(), index);
        EXPECT_EQ(button->text(), index % 2 == 0 ? "All" : "None");
        EXPECT_EQ(button->parentWidget(), index < 2 ? w.Frame1 : w.Frame2);
        EXPECT_EQ(button->geometry(), index % 2 == 0 ? all : none);
    }
    EXPECT_EQ(w.txbYear->maxLength(), 32767);  // five typed characters: see below
    EXPECT_TRUE(w.txbOutput->isReadOnly());
    EXPECT_EQ(w.txbOutput->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(w.lblCalendar->alignment() & Qt::AlignRight);
    EXPECT_TRUE(w.lblTimezone->alignment() & Qt::AlignRight);
    EXPECT_TRUE(w.lblOnlineUserManual->alignment() & Qt::AlignRight);
}

TEST_F(FrmMainTest, YearBoxTakesFiveTypedCharacters) {
    QLineEdit* year = window->txbYear;
    year->clear();
    QTest::keyClicks(year, "123456");
    EXPECT_EQ(year->text(), "12345");
    // A longer text set by the program stays whole and can be shortened.
    year->setText("0000002024");
    EXPECT_EQ(year->text(), "0000002024");
    year->setCursorPosition(10);
    QTest::keyClick(year, Qt::Key_Backspace);
    EXPECT_EQ(year->text(), "000000202");
}

TEST_F(FrmMainTest, FontsAndColours) {
    frmMain& w = *window;
    const QColor navy(0, 0, 128), white(255, 255, 255), grey(180, 180, 180);
    EXPECT_EQ(w.palette().color(QPalette::Window), navy);
    for (QWidget* control : w.Controls()) {
        SCOPED_TRACE(control->objectName().toStdString());
        const bool coloured = qobject_cast<QLabel*>(control) ||
                              qobject_cast<QCheckBox*>(control) ||
                              qobject_cast<QRadioButton*>(control) ||
                              qobject_cast<QGroupBox*>(control);
        if (coloured) {
            EXPECT_EQ(control->palette().color(QPalette::Window), navy);
            EXPECT_TRUE(control->autoFillBackground());
            const bool bottom = control->y() >= 7935 / 15;
            EXPECT_EQ(control->palette().color(QPalette::WindowText), bottom ? grey : white);
            EXPECT_DOUBLE_EQ(control->font().pointSizeF(), bottom ? 8.25 : 9.75);
        } else {
            // Buttons, lists and text boxes keep the system's colours.
            EXPECT_NE(control->palette().color(QPalette::Window), navy);
        }
        if (control != w.txbOutput) {
            EXPECT_EQ(control->font().family(), "Arial");
        }
    }
    EXPECT_TRUE(w.cmdCalculate->font().bold());
    EXPECT_FALSE(w.cmdDisplayAll->font().bold());
    EXPECT_TRUE(w.lblOrvanthSystems->font().underline());
    EXPECT_TRUE(w.lblOnlineUserManual->font().underline());
    EXPECT_FALSE(w.lblURL->font().underline());
    EXPECT_EQ(w.txbOutput->font().family(), "Courier New");
    EXPECT_DOUBLE_EQ(w.txbOutput->font().pointSizeF(), 8.25);
    EXPECT_TRUE(QFontInfo(w.txbOutput->font()).fixedPitch());
    EXPECT_DOUBLE_EQ(w.txbYear->font().pointSizeF(), 9.75);
}

TEST_F(FrmMainTest, TabOrderFollowsTheTabIndexes) {
    frmMain& w = *window;
    w.cmdClear->setVisible(true);  // shown once there is output
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    // The checked option button stands for both in the tab order.
    const std::vector<QWidget*> expected = {
        w.txbYear, w.chkSS, w.chkVE, w.chkAE, w.chkWS, w.cmdCalculate, w.cmdHelp,
        w.cmdQuit, w.cmdCopyToClipboard, w.txbOutput, w.chkImbolc, w.chkBeltane,
        w.chkLughnassad, w.chkSamhain, w.chkTrueSun, w.chkMeanSun, w.cmdSaveSettings,
        w.chkIncludeWeekday, w.cmdClear, w.cmdDisplayAll, w.optNH,
        w.cmdOrvanthSoftware, w.cboTimezone, w.cboCalendar, w.cmdAllOrNoneKalvest[0],
        w.cmdAllOrNoneKalvest[1], w.cmdAllOrNoneKalvest[2], w.cmdAllOrNoneKalvest[3],
        w.txbYear};
    w.txbYear->setFocus();
    for (std::size_t i = 0; i + 1 < expected.size(); ++i) {
        ASSERT_EQ(QApplication::focusWidget(), expected[i]) << i;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(QApplication::focusWidget(), expected.back());
}

TEST_F(FrmMainTest, CalendarAndZoneLists) {
    frmMain& w = *window;
    ASSERT_EQ(w.cboCalendar->count(), 2);
    EXPECT_EQ(w.cboCalendar->itemText(1), "Julian calendar (JC)");
    // The 49 offsets, then the entry that opens the zone chooser.
    ASSERT_EQ(w.cboTimezone->count(), 50);
    EXPECT_EQ(w.cboTimezone->itemText(49), "Other zone...");
    const std::vector<std::pair<int, QString>> entries = {
        {0, "GMT-12:00"}, {1, "GMT-11:30"}, {23, "GMT-00:30"}, {24, "GMT"},
        {25, "GMT+00:30"}, {26, "GMT+01:00"}, {47, "GMT+11:30"}, {48, "GMT+12:00"}};
    for (const auto& [index, text] : entries) {
        EXPECT_EQ(w.cboTimezone->itemText(index), text);
        EXPECT_EQ(w.cboTimezone->itemData(index).toInt(), (index - 24) * 30);
    }
}

}  // namespace
}  // namespace kalvest
