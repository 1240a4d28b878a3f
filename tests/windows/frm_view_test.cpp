// The text viewer: reading at activation and only once while loaded, the
// cut with its notes, the failure messages, the minimum size and layout,
// Close hiding and the close box unloading.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "common/message_box.h"
#include "test_pictures.h"
#include "windows/frm_view.h"

namespace kalvest {
namespace {

namespace fs = std::filesystem;

const QString kHead =
    "NOTE: This file is too large to display entirely in this textbox.\r\n"
    "To view the entire contents of the file load it into NotePad,\r\n"
    "WordPad or some other text editor.\r\n\r\n";
const QString kTail = "NOTE: Entire contents of file have not been displayed.\r\n";

class ViewerTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "kalvest-viewer-XXXXXX").string();
        folder_ = mkdtemp(pattern.data());
        previous_ = SetMessageBoxHandler(
            [this](const MessageBoxRequest& request) { messages_.push_back(request); });
        view_ = new frmView;
    }
    void TearDown() override {
        delete view_.data();
        SetMessageBoxHandler(previous_);
        fs::remove_all(folder_);
    }

    QString Write(const std::string& name, const std::string& text) {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << text;
        return QString::fromStdString(path.string());
    }

    // Shows the viewer for `file` as the help command does and lets the
    // activation run.
    void ShowFile(const QString& file) {
        view_->strFilename = file;
        view_->setWindowTitle("Help");
        view_->show();
        QApplication::processEvents();
    }

    QString Shown() const { return view_->txbText1->toPlainText(); }

    fs::path folder_;
    MessageBoxHandler previous_;
    std::vector<MessageBoxRequest> messages_;
    QPointer<frmView> view_;
};

TEST(ViewerText, CutAt65530CharactersBetweenTheNotes) {
    EXPECT_EQ(kHead.size(), 168);
    EXPECT_EQ(kTail.size(), 56);
    const QString whole(65529, 'a');
    EXPECT_EQ(frmView::ViewerText(whole), whole);

    QString long_text(65306, 'b');
    long_text += QString(1000, 'c');
    for (const QString& text : {QString(65530, 'b'), long_text}) {
        const QString cut = frmView::ViewerText(text);
        EXPECT_EQ(cut.size(), 65534);
        EXPECT_TRUE(cut.startsWith(kHead + "bbb"));
        EXPECT_TRUE(cut.endsWith("b\r\n\r\n" + kTail));
        EXPECT_EQ(cut.mid(168, 65306), text.left(65306));
    }
}

TEST_F(ViewerTest, ShowsAFileOf65529CharactersWhole) {
    ShowFile(Write("help.txt", std::string(65529, 'x')));
    EXPECT_TRUE(messages_.empty());
    EXPECT_TRUE(view_->isVisible());
    EXPECT_TRUE(view_->blnFileDisplayed);
    EXPECT_EQ(Shown(), QString(65529, 'x'));
    EXPECT_TRUE(view_->txbText1->isReadOnly());
    EXPECT_EQ(view_->txbText1->textCursor().position(), 0);
    EXPECT_EQ(view_->cmdClose->text(), "Close");
}

TEST_F(ViewerTest, ShowsAFileOf65530CharactersCut) {
    ShowFile(Write("help.txt", std::string(65530, 'x')));
    QString expected = frmView::ViewerText(QString(65530, 'x'));
    expected.replace("\r\n", "\n");
    EXPECT_EQ(Shown(), expected);
    EXPECT_TRUE(Shown().startsWith("NOTE: This file is too large"));
    EXPECT_TRUE(Shown().endsWith("NOTE: Entire contents of file have not been displayed.\n"));
}

TEST_F(ViewerTest, EmptyFile) {
    ShowFile(Write("help.txt", ""));
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "File is empty!");
    EXPECT_EQ(messages_[0].title, "Error");
    EXPECT_EQ(messages_[0].icon, MessageIcon::kExclamation);
    EXPECT_FALSE(view_->isVisible());
    EXPECT_TRUE(view_->blnFileDisplayed);
    // Shown again while loaded: no new message, the box stays empty.
    Write("help.txt", "now there is text");
    ShowFile(view_->strFilename);
    EXPECT_EQ(messages_.size(), 1u);
    EXPECT_EQ(Shown(), "");
}

TEST_F(ViewerTest, MissingFile) {
    ShowFile(QString::fromStdString((folder_ / "kalvest-help.txt").string()));
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "Error 53.  File not found");
    EXPECT_EQ(messages_[0].title, "Error reading file");
    EXPECT_EQ(messages_[0].icon, MessageIcon::kExclamation);
    EXPECT_FALSE(view_->isVisible());
    EXPECT_TRUE(view_->blnFileDisplayed);
}

TEST_F(ViewerTest, OneMessageWhileTheMessageBoxRunsItsOwnLoop) {
    // A real message box runs an event loop, in which the window is
    // activated again; the failure is still reported once.
    SetMessageBoxHandler([this](const MessageBoxRequest& request) {
        messages_.push_back(request);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(view_, &activate);
        QApplication::processEvents();
    });
    ShowFile(QString::fromStdString((folder_ / "missing.txt").string()));
    EXPECT_EQ(messages_.size(), 1u);
}

TEST_F(ViewerTest, ReadOnceWhileLoadedAgainAfterTheCloseBox) {
    const QString file = Write("help.txt", "first text\r\nsecond line\r\n");
    ShowFile(file);
    EXPECT_EQ(Shown(), "first text\nsecond line\n");
    Write("help.txt", "changed on disk");

    view_->cmdClose->click();
    EXPECT_FALSE(view_->isVisible());
    ShowFile(file);
    view_->activateWindow();
    QApplication::processEvents();
    view_->Form_Activate();
    EXPECT_EQ(Shown(), "first text\nsecond line\n");

    // The close box unloads the window; a new one reads the file again.
    view_->close();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(view_.isNull());
    view_ = new frmView;
    ShowFile(file);
    EXPECT_EQ(Shown(), "changed on disk");
}

TEST_F(ViewerTest, MinimumSizeAndLayout) {
    ShowFile(Write("help.txt", "text"));
    view_->resize(100, 50);
    QApplication::processEvents();
    // 8000 by 2000 twips.
    EXPECT_EQ(view_->size(), QSize(533, 133));

    view_->resize(700, 500);
    QApplication::processEvents();
    const QRect text = view_->txbText1->geometry();
    const QRect button = view_->cmdClose->geometry();
    EXPECT_EQ(text.topLeft(), QPoint(7, 7));
    EXPECT_EQ(text.size(), QSize(700 - 30, 500 - 80));
    EXPECT_EQ(button.size(), QSize(116, 22));
    EXPECT_EQ(button.right(), text.right());
    EXPECT_EQ(button.top(), text.bottom() + 1 + 7);

    // Minimizing leaves the layout alone.
    view_->setWindowState(Qt::WindowMinimized);
    view_->Form_Resize();
    EXPECT_EQ(view_->txbText1->geometry(), text);
    view_->setWindowState(Qt::WindowNoState);
    QApplication::processEvents();
    EXPECT_EQ(view_->txbText1->geometry(), text);
}

TEST_F(ViewerTest, Screenshot) {
    std::string help =
        "Kalvest\r\n=======\r\n\r\nKalvest computes the dates and times of the equinoxes,\r\n"
        "the solstices and the cross-quarter days of a year.\r\n";
    for (int i = 1; i <= 40; ++i) help += "Line " + std::to_string(i) + " of the help text.\r\n";
    view_->resize(560, 420);
    ShowFile(Write("help.txt", help));
    const QImage image = view_->grab().toImage();
    EXPECT_TRUE(image.save(testing::TestPicturePath("frm_view.png")));
}

}  // namespace
}  // namespace kalvest
