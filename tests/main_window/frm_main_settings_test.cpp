// Saving and restoring the settings through frmMain: the pop-up over the
// save button, the file, a restart that brings every control back, the
// restore rules for odd and damaged files, and a save that fails.
#include <QApplication>
#include <QMenuBar>
#include <QTimer>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "frm_main_fixture.h"
#include "hostile_files.h"
#include "main_window/settings_file.h"
#include "run/year_input.h"
#include "windows/frm_pop_up.h"

namespace kalvest {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// frmMain started with its data home in a fresh folder of its own.
class SettingsTest : public FrmMainTest {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "kalvest-home-XXXXXX").string();
        home_ = mkdtemp(pattern.data());
        const char* old = std::getenv("XDG_DATA_HOME");
        if (old != nullptr) old_data_home_ = old;
        setenv("XDG_DATA_HOME", home_.c_str(), 1);
        FrmMainTest::SetUp();
    }
    void TearDown() override {
        FrmMainTest::TearDown();
        if (old_data_home_) {
            setenv("XDG_DATA_HOME", old_data_home_->c_str(), 1);
        } else {
            unsetenv("XDG_DATA_HOME");
        }
        fs::remove_all(home_);
    }

    fs::path SettingsFile() const { return home_ / "Orvanth Systems" / "kalvest.usr"; }

    void WriteSettings(const std::string& text) {
        std::ofstream(SettingsFile(), std::ios::binary) << text;
    }

    // Quits and starts the program again.
    void Restart() {
        window.reset();
        window = std::make_unique<frmMain>();
        window->EndProgram = [this] { ++program_ends; };
        window->Form_Load();
    }

    // Saves, clicking the pop-up away as soon as it shows; returns what was
    // seen of it (an empty rectangle when none showed).
    QRect SaveAndDismiss(QString* message = nullptr) {
        QRect seen;
        QTimer::singleShot(0, [this, &seen, message] {
            auto* popup = qobject_cast<frmPopUp*>(QApplication::activeModalWidget());
            if (popup == nullptr) return;
            seen = popup->geometry();
            if (message != nullptr) *message = popup->lblMessage->text();
            hidden_during_popup_ = !window->cmdSaveSettings->isVisible();
            popup->lblMessage_MouseUp();
        });
        Click(window->cmdSaveSettings);
        return seen;
    }

    // A complete file in the saved layout.
    static std::string Records(const std::string& year, const std::string& output) {
        return "\"" + year + "\"\r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n"
               " 1 \r\n 0 \r\n 1 \r\n 30 \r\n#FALSE#\r\n\"" + output + "\"\r\n";
    }

    void ExpectRecordsRestored() {
        frmMain& w = *window;
        const Qt::CheckState expected[11] = {Qt::Checked, Qt::Unchecked, Qt::Checked,
                                             Qt::Unchecked, Qt::Checked, Qt::Unchecked,
                                             Qt::Checked, Qt::Unchecked, Qt::Checked,
                                             Qt::Unchecked, Qt::Checked};
        const QCheckBox* boxes[11] = {w.chkVE,      w.chkSS,         w.chkAE,
                                      w.chkWS,      w.chkImbolc,     w.chkBeltane,
                                      w.chkLughnassad, w.chkSamhain, w.chkTrueSun,
                                      w.chkMeanSun, w.chkIncludeWeekday};
        for (int i = 0; i < 11; ++i) EXPECT_EQ(boxes[i]->checkState(), expected[i]) << i;
        EXPECT_EQ(w.cboTimezone->currentIndex(), 30);
        EXPECT_TRUE(w.optNH->isChecked());
    }

    fs::path home_;
    std::optional<std::string> old_data_home_;
    bool hidden_during_popup_ = false;
};

TEST_F(SettingsTest, PathUnderTheDataHome) {
    EXPECT_EQ(window->SettingsPath, SettingsFile().string());
    EXPECT_TRUE(fs::is_directory(home_ / "Orvanth Systems"));
    EXPECT_FALSE(fs::exists(SettingsFile()));
}

TEST_F(SettingsTest, SaveShowsThePopUpOverTheButtonAndWritesTheFile) {
    frmMain& w = *window;
    w.txbYear->setText("2024");
    Tick({w.chkVE, w.chkImbolc, w.chkTrueSun, w.chkIncludeWeekday});
    w.cboTimezone->setCurrentIndex(26);
    QString message;
    const QRect popup = SaveAndDismiss(&message);

    // 2880 + 220 and 3480 + 310 twips from the window's corner, under the
    // menu bar as the button is.
    const QPoint corner = w.frameGeometry().topLeft() + QPoint(0, w.mnuBar->height());
    EXPECT_EQ(popup, QRect(corner + QPoint(207, 253), QSize(133, 25)));
    EXPECT_EQ(message, "Settings saved.");
    EXPECT_TRUE(hidden_during_popup_);
    EXPECT_TRUE(w.cmdSaveSettings->isVisible());
    EXPECT_EQ(w.focusWidget(), w.cmdCalculate);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(ReadFile(SettingsFile()),
              "\"2024\"\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n"
              " 1 \r\n 0 \r\n 1 \r\n 26 \r\n#FALSE#\r\n\"\"\r\n");
}

TEST_F(SettingsTest, RestartBringsEverySettingBack) {
    frmMain& w = *window;
    w.txbYear->setText("2021");
    Tick({w.chkSS, w.chkWS, w.chkBeltane, w.chkSamhain, w.chkMeanSun});
    w.cboCalendar->setCurrentIndex(1);
    w.cboTimezone->setCurrentIndex(35);
    Click(w.cmdCalculate);
    Click(w.cmdCalculate);  // two runs: several lines and a separator
    w.chkIncludeWeekday->setCheckState(Qt::Checked);
    w.optSH->setChecked(true);
    const std::string output = Output();
    ASSERT_NE(output.find("--------------------\r\n"), std::string::npos);
    SaveAndDismiss();

    Restart();
    frmMain& r = *window;
    EXPECT_EQ(r.txbYear->text(), "2021");
    EXPECT_EQ(r.chkVE->checkState(), Qt::Unchecked);
    EXPECT_EQ(r.chkSS->checkState(), Qt::Checked);
    EXPECT_EQ(r.chkAE->checkState(), Qt::Unchecked);
    EXPECT_EQ(r.chkWS->checkState(), Qt::Checked);
    EXPECT_EQ(r.chkImbolc->checkState(), Qt::Unchecked);
    EXPECT_EQ(r.chkBeltane->checkState(), Qt::Checked);
    EXPECT_EQ(r.chkLughnassad->checkState(), Qt::Unchecked);
    EXPECT_EQ(r.chkSamhain->checkState(), Qt::Checked);
    EXPECT_EQ(r.chkTrueSun->checkState(), Qt::Unchecked);
    EXPECT_EQ(r.chkMeanSun->checkState(), Qt::Checked);
    EXPECT_EQ(r.chkIncludeWeekday->checkState(), Qt::Checked);
    EXPECT_EQ(r.cboTimezone->currentIndex(), 35);
    EXPECT_TRUE(r.optSH->isChecked());
    // The calendar is not stored: every start is Gregorian.
    EXPECT_EQ(r.cboCalendar->currentIndex(), 0);
    EXPECT_EQ(Output(), output);
    EXPECT_EQ(QString::fromStdString(Shown()),
              QString::fromStdString(output).replace("\r\n", "\n"));
    EXPECT_TRUE(r.cmdClear->isVisible());
    EXPECT_TRUE(r.Label2->isEnabled());
    EXPECT_EQ(r.focusWidget(), r.cmdHelp);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(SettingsTest, SavedYears) {
    const std::string current = std::to_string(CurrentYear());
    struct Case {
        std::string year;
        bool restored;
    };
    for (const Case& c : {Case{"3000", true}, Case{"+5", true}, Case{"3001", false},
                          Case{"0", false}, Case{"-45", false}}) {
        SCOPED_TRACE(c.year);
        WriteSettings(Records(c.year, "line 1\r\nline 2\r\n"));
        Restart();
        ExpectRecordsRestored();
        EXPECT_EQ(window->txbYear->text().toStdString(), c.restored ? c.year : current);
        EXPECT_EQ(Output(), c.restored ? "line 1\r\nline 2\r\n" : "");
        EXPECT_EQ(window->cmdClear->isVisible(), c.restored);
    }
}

TEST_F(SettingsTest, FileCutAfterRecordSeven) {
    std::string text = Records("1999", "out");
    std::size_t cut = 0;
    for (int record = 0; record < 7; ++record) cut = text.find("\r\n", cut) + 2;
    WriteSettings(text.substr(0, cut));
    Restart();
    frmMain& w = *window;
    EXPECT_EQ(w.txbYear->text(), "1999");
    EXPECT_EQ(w.chkVE->checkState(), Qt::Checked);
    EXPECT_EQ(w.chkSS->checkState(), Qt::Unchecked);
    EXPECT_EQ(w.chkAE->checkState(), Qt::Checked);
    EXPECT_EQ(w.chkWS->checkState(), Qt::Unchecked);
    EXPECT_EQ(w.chkImbolc->checkState(), Qt::Checked);
    EXPECT_EQ(w.chkBeltane->checkState(), Qt::Unchecked);
    // The rest keeps the start-up values.
    EXPECT_EQ(w.chkLughnassad->checkState(), Qt::Unchecked);
    EXPECT_EQ(w.chkTrueSun->checkState(), Qt::Unchecked);
    EXPECT_EQ(w.chkIncludeWeekday->checkState(), Qt::Unchecked);
    EXPECT_EQ(w.cboTimezone->currentIndex(), 24);
    EXPECT_TRUE(w.optNH->isChecked());
    EXPECT_TRUE(w.Output.Empty());
    EXPECT_FALSE(w.cmdClear->isVisible());
    EXPECT_TRUE(boxes.empty());
}

// Grey (2) is a value only a settings file gives a box. It comes back grey,
// is saved again as 2, and a run counts a grey box as neither ticked nor
// clear: no message about it and no line for it.
TEST_F(SettingsTest, GreyBoxesFromTheFile) {
    std::string grey = "\"2021\"\r\n";
    for (int box = 0; box < 11; ++box) grey += " 2 \r\n";
    grey += " 24 \r\n#FALSE#\r\n\"\"\r\n";
    WriteSettings(grey);
    Restart();
    frmMain& w = *window;
    for (const QCheckBox* box : {w.chkVE, w.chkSS, w.chkAE, w.chkWS, w.chkImbolc, w.chkBeltane,
                                 w.chkLughnassad, w.chkSamhain, w.chkTrueSun, w.chkMeanSun,
                                 w.chkIncludeWeekday}) {
        EXPECT_EQ(box->checkState(), Qt::PartiallyChecked) << box->objectName().toStdString();
    }
    EXPECT_FALSE(w.chkMeanSun->isEnabled());  // no cross-quarter day is ticked
    SaveAndDismiss();
    EXPECT_EQ(ReadFile(SettingsFile()), grey);

    Click(w.cmdCalculate);
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(w.Output.Empty());
    // Ticked among grey boxes: the March equinox gets its line; Imbolc,
    // with both methods grey, gets none and no message; the grey weekday
    // box adds no weekday.
    w.chkVE->setCheckState(Qt::Checked);
    w.chkImbolc->setCheckState(Qt::Checked);
    Click(w.cmdCalculate);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(Output(), "Spring (March) equinox ........ 2021-03-20 CE 09:37 GMT\r\n");
}

TEST_F(SettingsTest, LongOutputComesBackCut) {
    std::string output;
    while (output.size() < 12000) output += "Imbolc (true sun) ............. 2021-02-03 CE 12:00 GMT\r\n";
    WriteSettings(Records("2021", output));
    Restart();
    EXPECT_EQ(Output(), output.substr(0, 10240));
}

TEST_F(SettingsTest, InvalidYearTextIsSavedAndStopsTheRestore) {
    frmMain& w = *window;
    Tick({w.chkVE, w.chkMeanSun});
    w.optSH->setChecked(true);
    w.txbYear->setText("abc");
    SaveAndDismiss();
    EXPECT_EQ(ReadFile(SettingsFile()).substr(0, 7), "\"abc\"\r\n");
    Restart();
    EXPECT_EQ(window->txbYear->text(), QString::number(CurrentYear()));
    EXPECT_EQ(window->chkVE->checkState(), Qt::Unchecked);
    EXPECT_TRUE(window->optNH->isChecked());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(SettingsTest, SaveIntoAPlaceThatCannotBeWritten) {
    // The settings path is a folder: the rename over it fails.
    fs::create_directory(SettingsFile());
    std::ofstream(SettingsFile() / "kept") << "kept";
    const QRect popup = SaveAndDismiss();
    EXPECT_TRUE(popup.isEmpty());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "The settings could not be saved: Is a directory");
    EXPECT_EQ(boxes[0].title, "Save settings");
    EXPECT_EQ(boxes[0].icon, MessageIcon::kExclamation);
    EXPECT_EQ(ReadFile(SettingsFile() / "kept"), "kept");
    EXPECT_TRUE(window->cmdSaveSettings->isVisible());
    EXPECT_EQ(window->focusWidget(), window->cmdCalculate);
}

// Whatever stands in the settings file's place, the window comes up at
// once, without a message, with the defaults; a file of 100 MB whose first
// bytes are a saved file comes up with those settings.
TEST_F(SettingsTest, StartsWhateverStandsInTheSettingsFilesPlace) {
    for (const hostile::Kind kind : hostile::AllKinds()) {
        SCOPED_TRACE(hostile::Name(kind));
        const fs::path pipe = hostile::Make(kind, SettingsFile(), Records("1999", "out"));
        hostile::PipeGuard guard({pipe});
        Restart();
        EXPECT_FALSE(guard.Done()) << "the start waited for a writer";
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(boxes.empty());
        if (kind == hostile::Kind::kHundredMegabytes) {
            ExpectRecordsRestored();
            EXPECT_EQ(Output(), "out");
        } else {
            EXPECT_EQ(window->chkVE->checkState(), Qt::Unchecked);
            EXPECT_EQ(window->cboTimezone->currentIndex(), 24);
            EXPECT_EQ(Output(), "");
        }
        fs::remove_all(SettingsFile());
        fs::remove_all(SettingsFile().string() + ".target");
    }
}

// A file where the settings folder belongs: the window starts with the
// defaults, and a save says why it failed and leaves the file alone.
TEST_F(SettingsTest, SettingsFolderThatIsAFile) {
    const fs::path folder = home_ / "Orvanth Systems";
    fs::remove_all(folder);
    std::ofstream(folder) << "not a folder";
    Restart();
    EXPECT_TRUE(boxes.empty());
    SaveAndDismiss();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "The settings could not be saved: Not a directory");
    EXPECT_EQ(ReadFile(folder), "not a folder");
}

}  // namespace
}  // namespace kalvest
