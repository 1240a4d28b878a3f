// Help and links of frmMain: the viewer with the help file of the data
// folder, its place over the main window, its states, reading once, the
// failure messages, and the link labels. What a test writes lies in a
// folder of its own; the help files there are named by complete paths.
#include <QApplication>
#include <QPointer>
#include <QScrollBar>

#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>

#include "common/document_address.h"
#include "common/install_layout.h"
#include "common/language.h"
#include "common/program_folder.h"
#include "common/weblink.h"
#include "frm_main_fixture.h"
#include "main_window/web_page_launcher.h"
#include "portable_test_support.h"
#include "test_pictures.h"
#include "windows/frm_view.h"

namespace kalvest {
namespace {

namespace fs = std::filesystem;

const fs::path kProgramFolder = KALVEST_OUTPUT_DIR;

class HelpTest : public FrmMainTest {
protected:
    void SetUp() override {
        folder_ = testing::MakeTemporaryFolder("kalvest-help");
        ASSERT_FALSE(folder_.empty());
        FrmMainTest::SetUp();
    }

    void TearDown() override {
        // Back to the program's own texts for the next test.
        LoadProgramTextFile((kProgramFolder / "kalvest.dat").string());
        FrmMainTest::TearDown();
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    frmView* View() { return window->frmViewForm; }

    void HelpClick() {
        Click(window->cmdHelp);
        QApplication::processEvents();
    }

    // A program-text table whose help file is `name`.
    void UseHelpFile(const std::string& name) {
        const fs::path table = folder_ / "kalvest-help-test.dat";
        std::ofstream(table) << "16 = " << name << "\n36 = Test Help\n";
        ASSERT_GT(LoadProgramTextFile(table.string()), 0);
    }

    fs::path folder_;
};

TEST_F(HelpTest, ShowsTheHelpFileOverTheMainWindow) {
    HelpClick();
    frmView* view = View();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(view->windowTitle(), "Kalvest Help");
    EXPECT_EQ(view->strFilename.toStdString(),
              DataFolder() + "/" + GetProgramText(16));
    std::ifstream file(kProgramFolder / "kalvest-help.txt", std::ios::binary);
    const std::string help{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    ASSERT_FALSE(help.empty());
    EXPECT_EQ(view->txbText1->toPlainText(),
              QString::fromUtf8(help.data(), static_cast<qsizetype>(help.size()))
                  .replace("\r\n", "\n"));
    // 100 twips right of and 380 below the main window's corner; 200
    // narrower and 480 lower.
    const QPoint corner = window->frameGeometry().topLeft();
    EXPECT_EQ(view->frameGeometry().topLeft(), corner + QPoint(7, 25));
    EXPECT_EQ(view->size(), window->size() - QSize(13, 32));

    view->resize(800, 600);
    const QImage image = view->grab().toImage();
    EXPECT_TRUE(image.save(testing::TestPicturePath("frm_view_help.png")));
}

TEST_F(HelpTest, TwoClicksReadTheFileOnce) {
    HelpClick();
    frmView* view = View();
    // What the viewer holds now stays: a second Help reads nothing.
    view->txbText1->setPlainText("held text");
    view->cmdClose->click();
    EXPECT_FALSE(view->isVisible());
    HelpClick();
    EXPECT_EQ(View(), view);
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(view->txbText1->toPlainText(), "held text");

    // After the close box the next Help makes a new viewer that reads again.
    QPointer<frmView> old = view;
    view->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(old.isNull());
    HelpClick();
    ASSERT_NE(View(), nullptr);
    EXPECT_NE(View()->txbText1->toPlainText(), "held text");
    EXPECT_FALSE(View()->txbText1->toPlainText().isEmpty());
}

TEST_F(HelpTest, MaximizedStaysMinimizedIsRestoredAndPlaced) {
    HelpClick();
    frmView* view = View();
    view->setWindowState(Qt::WindowMaximized);
    QApplication::processEvents();
    const QRect maximized = view->geometry();
    UseHelpFile("kalvest-help.txt");
    HelpClick();
    EXPECT_TRUE(view->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(view->geometry(), maximized);
    EXPECT_EQ(view->windowTitle(), "Test Help");

    view->setWindowState(Qt::WindowMinimized);
    window->move(60, 40);
    HelpClick();
    EXPECT_FALSE(view->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized));
    EXPECT_EQ(view->frameGeometry().topLeft(),
              window->frameGeometry().topLeft() + QPoint(7, 25));

    // Minimized from maximized: restored to normal all the same, and placed.
    view->setWindowState(Qt::WindowMaximized);
    view->showMinimized();
    window->move(80, 50);
    HelpClick();
    EXPECT_FALSE(view->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized));
    EXPECT_EQ(view->frameGeometry().topLeft(),
              window->frameGeometry().topLeft() + QPoint(7, 25));
}

TEST_F(HelpTest, MissingAndEmptyHelpFiles) {
    UseHelpFile("no-such-help.txt");
    HelpClick();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Error 53.  File not found");
    EXPECT_EQ(boxes[0].title, "Error reading file");
    EXPECT_FALSE(View()->isVisible());

    View()->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const fs::path empty = folder_ / "empty-help.txt";
    std::ofstream(empty).close();
    UseHelpFile(empty.string());
    HelpClick();
    // A complete path stands alone.
    EXPECT_EQ(View()->strFilename.toStdString(), empty.string());
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, "File is empty!");
    EXPECT_EQ(boxes[1].title, "Error");
    EXPECT_FALSE(View()->isVisible());
}

TEST_F(HelpTest, LinkLabels) {
    std::mutex mutex;
    std::vector<std::string> opened;
    const WebPageOpener previous = SetWebPageOpener([&](const std::string& address) {
        const std::lock_guard lock(mutex);
        opened.push_back(address);
        return kOpenerSuccess;
    });
    QTest::mouseClick(window->lblOrvanthSystems, Qt::LeftButton);
    QTest::mouseClick(window->lblOnlineUserManual, Qt::LeftButton);
    // A press dragged off the label opens nothing.
    QTest::mousePress(window->lblOnlineUserManual, Qt::LeftButton);
    QTest::mouseRelease(window->lblOnlineUserManual, Qt::LeftButton, {}, QPoint(-20, -20));
    SetWebPageOpener(previous);
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->LinkPages->Pending() == 0; }));
    const std::lock_guard lock(mutex);
    ASSERT_EQ(opened.size(), 2u);
    // The two pages may open in either order.
    std::sort(opened.begin(), opened.end());
    std::vector<std::string> expected = {ProgramDocumentAddress(GetProgramText(14)),
                                         ProgramDocumentAddress(GetProgramText(15))};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(opened, expected);
    EXPECT_TRUE(boxes.empty());
    // The shipped texts name documents installed with the program.
    EXPECT_EQ(window->lblOrvanthSystems->toolTip(),
              "Click here to open the installed page about Kalvest and Orvanth Systems in "
              "your web browser.");
    EXPECT_EQ(window->lblOnlineUserManual->toolTip(),
              "Click here to open the installed Kalvest user manual in your web browser.");
}

// An opener that takes its time (a browser starting) does not hold the
// window up: the click returns at once, the window's own timer goes on
// firing while the opener works, and its failure arrives afterwards with
// the message and code OpenWebPage gives.
TEST_F(HelpTest, SlowOpenerDoesNotBlockTheWindow) {
    std::atomic<bool> release = false;
    std::atomic<bool> finished = false;
    const WebPageOpener previous = SetWebPageOpener([&](const std::string&) {
        // Until released, or, should the test fail first, a while.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!release && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        finished = true;
        return 31;
    });
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        // The window's thread is free: let the opener end after a while.
        if (++ticks == 20) release = true;
    });
    timer.start(5);
    QTest::mouseClick(window->lblOnlineUserManual, Qt::LeftButton);
    SetWebPageOpener(previous);
    EXPECT_FALSE(finished) << "the click waited for the opener";
    EXPECT_TRUE(boxes.empty());

    ASSERT_TRUE(QTest::qWaitFor([this] { return !boxes.empty(); }, 20000));
    EXPECT_TRUE(finished);
    EXPECT_GE(ticks, 20);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, WebPageFailureMessage(31, "html"));
    EXPECT_EQ(boxes[0].title, "Cannot launch web browser");
    EXPECT_EQ(boxes[0].icon, MessageIcon::kExclamation);
    EXPECT_EQ(window->LinkPages->Pending(), 0u);
}

// A window closed while a page is still opening waits no longer than the
// opener it has; the opener's late verdict is not reported.
TEST_F(HelpTest, ClosingWhileAPageOpens) {
    std::atomic<bool> started = false;
    std::atomic<bool> closing = false;
    const WebPageOpener previous = SetWebPageOpener([&](const std::string&) {
        started = true;
        // Still opening when the window begins to close.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!closing && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return 2;
    });
    QTest::mouseClick(window->lblOrvanthSystems, Qt::LeftButton);
    SetWebPageOpener(previous);
    ASSERT_TRUE(QTest::qWaitFor([&] { return started.load(); }));
    closing = true;
    window.reset();
    QApplication::processEvents();
    EXPECT_TRUE(boxes.empty());
    // The fixture's tear-down needs a window.
    window = std::make_unique<frmMain>();
}

}  // namespace
}  // namespace kalvest
