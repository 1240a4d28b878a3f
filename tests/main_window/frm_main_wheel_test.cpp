// The wheel of the year from frmMain: Ctrl+W opens it for the window's
// year, calendar, zone and hemisphere without moving a control; the rings
// come and go with their boxes; Save as writes the picture and keeps the
// folder; Copy puts the picture on the clipboard. Also writes the
// screenshot of the wheel of 2025 in Irish time.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <map>

#include "datetime/zone_database.h"
#include "frm_main_fixture.h"
#include "run/year_input.h"
#include "wheel/wheel_painter.h"
#include "wheel/wheel_picture_format.h"
#include "windows/frm_wheel.h"

namespace kalvest {
namespace {

class WheelWindowTest : public FrmMainTest {
protected:
    frmWheel* Wheel() { return window->frmWheelForm.get(); }
    const WheelLayout& Shown() { return Wheel()->picWheel->Layout(); }

    void PressCtrlW() {
        window->activateWindow();
        QApplication::setActiveWindow(window.get());
        QTest::keyClick(window->txbYear, Qt::Key_W, Qt::ControlModifier);
    }

    std::map<QWidget*, QRect> Geometries() const {
        std::map<QWidget*, QRect> places;
        for (QWidget* control : window->Controls()) places[control] = control->geometry();
        places[window.get()] = window->geometry();
        return places;
    }
};

TEST_F(WheelWindowTest, CtrlWOpensTheWheelOfTheWindowsYearCalendarZoneAndHemisphere) {
    frmMain& w = *window;
    w.txbYear->setText(" 2025 ");
    w.cboCalendar->setCurrentIndex(1);
    w.cboTimezone->setCurrentIndex(35);  // GMT+05:30
    w.optSH->setChecked(true);
    const auto before = Geometries();
    PressCtrlW();
    ASSERT_NE(Wheel(), nullptr);
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(Wheel()->isVisible());
    EXPECT_EQ(Wheel()->windowTitle(), "The wheel of the year 2025 JC");
    EXPECT_EQ(Shown().subtitle, "Julian calendar, GMT+05:30, Southern Hemisphere");
    EXPECT_EQ(Shown().quarters[0].name, "Autumn equinox");
    EXPECT_EQ(Shown().quarters[0].time_text, "2025-03-07 JC 14:31 GMT+05:30");
    EXPECT_GE(Shown().moons.size(), 24u);  // the moon ring is on at first
    EXPECT_TRUE(Shown().terms.empty());
    EXPECT_EQ(Geometries(), before);
    EXPECT_TRUE(w.Output.Empty());

    // The rings follow their boxes.
    Wheel()->chkTermRing->click();
    EXPECT_EQ(Shown().terms.size(), 24u);
    Wheel()->chkMoonRing->click();
    EXPECT_TRUE(Shown().moons.empty());
    EXPECT_EQ(Shown().title, "The wheel of the year 2025 JC");

    // Closed and opened for another year: the same window, the new wheel.
    frmWheel* const first = Wheel();
    Wheel()->cmdClose->click();
    EXPECT_FALSE(Wheel()->isVisible());
    w.txbYear->setText("1999");
    w.cboCalendar->setCurrentIndex(0);
    w.optNH->setChecked(true);
    PressCtrlW();
    EXPECT_EQ(Wheel(), first);
    EXPECT_TRUE(Wheel()->isVisible());
    EXPECT_EQ(Shown().title, "The wheel of the year 1999 CE");
    EXPECT_EQ(Shown().quarters[0].name, "Spring equinox");
}

TEST_F(WheelWindowTest, BadYearGetsTheYearMessageAndOpensNothing) {
    window->txbYear->setText("12a");
    PressCtrlW();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Invalid input for year.");
    EXPECT_EQ(Wheel(), nullptr);
}

TEST_F(WheelWindowTest, SaveAsWritesThePictureAndKeepsTheFolder) {
    window->txbYear->setText("2025");
    PressCtrlW();
    ASSERT_NE(Wheel(), nullptr);
    QTemporaryDir folder;
    QStringList suggested;
    QString answer = folder.filePath("wheel");  // no extension: a PNG
    Wheel()->AskSaveFileName = [&](const QString& suggestion) {
        suggested << suggestion;
        return answer;
    };
    Wheel()->cmdSaveAs->click();
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(QImage(folder.filePath("wheel.png")).width(), kWheelDefaultPngWidth);
    EXPECT_EQ(QFileInfo(Wheel()->LastFolder).canonicalFilePath(),
              QFileInfo(folder.path()).canonicalFilePath());

    answer = folder.filePath("wheel.svg");
    Wheel()->cmdSaveAs->click();
    ASSERT_EQ(suggested.size(), 2);
    EXPECT_EQ(QFileInfo(suggested[1]).dir().canonicalPath(),
              QFileInfo(folder.path()).canonicalFilePath());
    EXPECT_EQ(QFileInfo(suggested[1]).fileName(), "wheel-of-the-year-2025.png");
    EXPECT_GT(QFileInfo(folder.filePath("wheel.svg")).size(), 1000);

    // A folder that does not exist: the file error's message, no file, and
    // the last folder stays.
    answer = folder.filePath("missing/wheel.pdf");
    Wheel()->cmdSaveAs->click();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].icon, MessageIcon::kExclamation);
    EXPECT_EQ(boxes[0].text.rfind("The wheel could not be saved to " + answer.toStdString(), 0), 0u);
    EXPECT_FALSE(QFileInfo::exists(answer));
    EXPECT_EQ(QFileInfo(Wheel()->LastFolder).canonicalFilePath(),
              QFileInfo(folder.path()).canonicalFilePath());

    // Cancelled: nothing happens.
    answer.clear();
    Wheel()->cmdSaveAs->click();
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(WheelWindowTest, CopyPutsThePictureOnTheClipboard) {
    window->txbYear->setText("2025");
    PressCtrlW();
    ASSERT_NE(Wheel(), nullptr);
    QGuiApplication::clipboard()->setText("left over");
    Wheel()->cmdCopyToClipboard->click();
    const QImage image = QGuiApplication::clipboard()->image();
    EXPECT_EQ(image.width(), kWheelDefaultPngWidth);
    EXPECT_EQ(image.pixel(0, 0), WheelBackground().rgb());
}

// The screenshot of the wheel of 2025 in Irish time, summer time included
// (kalvest --wheel --tz Europe/Dublin), scaled to a window of its own size.
TEST_F(WheelWindowTest, ScreenshotOf2025InIrishTime) {
    frmMain& w = *window;
    ASSERT_TRUE(w.SelectNamedZone("Europe/Dublin"));
    w.txbYear->setText("2025");
    PressCtrlW();
    ASSERT_NE(Wheel(), nullptr);
    EXPECT_EQ(Shown().subtitle, "Gregorian calendar, Europe/Dublin, Northern Hemisphere");
    EXPECT_EQ(Shown().quarters[1].time_text.substr(20), "IST");
    // The picture grows and shrinks with the window, its shape kept: the
    // hub's white, under the year, is where the fitted canvas puts it.
    for (const QSize size : {QSize(500, 480), QSize(1000, 960)}) {
        Wheel()->resize(size);
        QApplication::processEvents();
        const QImage view = Wheel()->picWheel->grab().toImage();
        EXPECT_GT(view.width(), size.width() * 9 / 10);
        const double scale = std::min(view.width() / kWheelCanvas.width(),
                                      view.height() / kWheelCanvas.height());
        const QPointF origin((view.width() - kWheelCanvas.width() * scale) / 2,
                             (view.height() - kWheelCanvas.height() * scale) / 2);
        const QPointF hub = origin + QPointF(600, 530 + 36) * scale;
        EXPECT_EQ(view.pixel(hub.toPoint()), WheelBackground().rgb()) << size.width();
        // Just outside the hub: autumn's tint, not white.
        const QPointF tint = origin + QPointF(600 - 70, 530 - 40) * scale;
        EXPECT_NE(view.pixel(tint.toPoint()), WheelBackground().rgb()) << size.width();
    }
    const QString folder = QString(KALVEST_OUTPUT_DIR) + "/../test-output";
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(Wheel()->grab().save(folder + "/wheel-window-2025.png"));
}

}  // namespace
}  // namespace kalvest
