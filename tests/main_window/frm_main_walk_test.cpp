// One walk through the window as a keyboard user makes it: the menu bar
// and its shortcuts, a zone of the time zone database from the command
// line and from the chooser, the solar terms, the two options, the export
// with a reminder, About, and the settings over a restart. The core's own
// tests check what is computed; this walk checks that the window reaches
// it, and that what it shows is what kalvest-cli prints.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>

#include "cli/cli.h"
#include "datetime/zone_database.h"
#include "frm_main_fixture.h"
#include "main_window/settings_file.h"
#include "main_window/window_preferences.h"
#include "portable_test_support.h"
#include "run/zone_list.h"
#include "windows/frm_all.h"
#include "windows/frm_export.h"
#include "windows/frm_pop_up.h"
#include "windows/frm_terms.h"
#include "windows/frm_view.h"
#include "windows/frm_zone_chooser.h"

namespace kalvest {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// What kalvest-cli prints for these arguments.
std::string Cli(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCli(args, out, err), 0) << err.str();
    return out.str();
}

// The text with CR LF line ends, as the output box holds it.
std::string CrLf(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

std::string WithoutStamps(const std::string& calendar) {
    std::istringstream lines(calendar);
    std::string out;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("DTSTAMP:", 0) != 0) out += line + "\n";
    }
    return out;
}

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++count;
    }
    return count;
}

// Every control of a new window that takes the focus has a name for
// screen readers.
void ExpectAccessibleNames(QWidget* window) {
    for (QWidget* child : window->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(child) ||
                             qobject_cast<QAbstractSpinBox*>(child) ||
                             qobject_cast<QComboBox*>(child) ||
                             qobject_cast<QAbstractItemView*>(child) ||
                             qobject_cast<QPlainTextEdit*>(child) ||
                             (qobject_cast<QLineEdit*>(child) &&
                              !qobject_cast<QAbstractSpinBox*>(child->parentWidget()));
        if (control && child->focusPolicy() != Qt::NoFocus) {
            EXPECT_FALSE(child->accessibleName().isEmpty())
                << window->objectName().toStdString() << ": "
                << child->objectName().toStdString();
        }
    }
}

// The window started with a data home of its own, so that it can quit and
// start again with what it saved.
class WalkTest : public FrmMainTest {
protected:
    void SetUp() override {
        home_ = testing::MakeTemporaryFolder("kalvest-walk");
        if (const char* old = std::getenv("XDG_DATA_HOME")) old_data_home_ = old;
        testing::SetEnvironment("XDG_DATA_HOME", home_.string());
        FrmMainTest::SetUp();
    }
    void TearDown() override {
        FrmMainTest::TearDown();
        if (old_data_home_) {
            testing::SetEnvironment("XDG_DATA_HOME", *old_data_home_);
        } else {
            testing::UnsetEnvironment("XDG_DATA_HOME");
        }
        fs::remove_all(home_);
    }

    fs::path SettingsFile() const { return home_ / "Orvanth Systems" / "kalvest.usr"; }

    void Restart() {
        window.reset();
        window = std::make_unique<frmMain>();
        window->EndProgram = [this] { ++program_ends; };
        window->Form_Load();
    }

    // Keys as the user presses them, in the active main window.
    void Press(QWidget* at, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QApplication::setActiveWindow(at->window());
        QTest::keyClick(at, key, modifiers);
    }

    // Runs `act` on the modal dialog that `open` shows, once it shows; a
    // dialog that `act` leaves open is closed, so that the walk goes on.
    template <typename Dialog>
    void WithModal(const std::function<void()>& open, const std::function<void(Dialog&)>& act) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            seen = true;
            act(*dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        open();
        EXPECT_TRUE(seen) << Dialog::staticMetaObject.className();
    }

    // Saves, clicking the confirmation away as soon as it shows.
    void Save() {
        QTimer::singleShot(0, [] {
            if (auto* popup = qobject_cast<frmPopUp*>(QApplication::activeModalWidget())) {
                popup->lblMessage_MouseUp();
            }
        });
        Click(window->cmdSaveSettings);
    }

    std::vector<std::string> OutputLines() const {
        std::vector<std::string> lines;
        std::istringstream text(window->Output.Text());
        for (std::string line; std::getline(text, line);) lines.push_back(line);
        return lines;
    }

    fs::path home_;
    std::optional<std::string> old_data_home_;
};

TEST_F(WalkTest, MenuBarAboveTheControlsWithMnemonicsAndShortcuts) {
    frmMain& w = *window;
    const QList<QAction*> menus = w.mnuBar->actions();
    ASSERT_EQ(menus.size(), 4);
    const char* const titles[4] = {"&File", "&View", "&Options", "&Help"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(menus[i]->text(), titles[i]);
        for (QAction* action : menus[i]->menu()->actions()) {
            if (action->isSeparator()) continue;
            EXPECT_TRUE(action->text().contains('&')) << action->text().toStdString();
            // Every command works from the keyboard wherever the focus is.
            EXPECT_TRUE(w.actions().contains(action)) << action->text().toStdString();
        }
    }
    const std::pair<QAction*, QKeySequence> shortcuts[] = {
        {w.mnuExport, QKeySequence(Qt::CTRL | Qt::Key_E)},
        {w.mnuMoonList, QKeySequence(Qt::CTRL | Qt::Key_M)},
        {w.mnuWheel, QKeySequence(Qt::CTRL | Qt::Key_W)},
        {w.mnuTerms, QKeySequence(Qt::CTRL | Qt::Key_T)},
        {w.mnuHelpText, QKeySequence(Qt::Key_F1)},
        {w.mnuQuit, QKeySequence(Qt::CTRL | Qt::Key_Q)},
    };
    for (const auto& [action, keys] : shortcuts) EXPECT_EQ(action->shortcut(), keys);
    // The bar keeps the system's colours over the navy window.
    EXPECT_NE(w.mnuBar->palette().color(QPalette::Window), QColor(0, 0, 128));

    // Alt+F opens the File menu; F1 shows the help; Ctrl+Q ends the program.
    Press(w.txbYear, Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(w.mnuFile->isVisible());
    w.mnuFile->hide();
    Press(w.txbYear, Qt::Key_F1);
    ASSERT_NE(w.frmViewForm.data(), nullptr);
    EXPECT_TRUE(w.frmViewForm->isVisible());
    w.frmViewForm->hide();
    Press(w.txbYear, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(program_ends, 1);
    // The menu's commands are the controls' own: All equinoxes and
    // solstices, then the Calculate command.
    w.mnuAllOrNone[0]->trigger();
    EXPECT_TRUE(w.chkVE->isChecked() && w.chkWS->isChecked());
    w.txbYear->setText("2021");
    w.mnuCalculate->trigger();
    EXPECT_EQ(OutputLines().size(), 4u);

    w.mnuAbout->trigger();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "About Kalvest");
    EXPECT_NE(boxes[0].text.find("Time zone database: version " + ZoneDatabaseVersion()),
              std::string::npos);
    EXPECT_NE(boxes[0].text.find("varquel: libvarquel.so.1, loaded from "), std::string::npos)
        << boxes[0].text;
}

// kalvest --tz Europe/Dublin, 2024, every event, Calculate: Irish summer
// time where it holds, as kalvest-cli --tz prints it; display all too.
TEST_F(WalkTest, ANamedZoneFromTheCommandLineInEveryView) {
    frmMain& w = *window;
    w.UseNamedZone(UserNamedTimeZone("Europe/Dublin"), "Europe/Dublin");
    EXPECT_EQ(w.cboTimezone->currentText(), "Europe/Dublin");
    EXPECT_EQ(w.cboTimezone->count(), 51);  // the offsets, the name, Other zone...
    Click(w.cmdAllOrNoneKalvest[0]);
    Click(w.cmdAllOrNoneKalvest[2]);
    Tick({w.chkVE, w.chkSS, w.chkAE, w.chkWS, w.chkImbolc, w.chkBeltane, w.chkLughnassad,
          w.chkSamhain, w.chkTrueSun, w.chkMeanSun});
    w.txbYear->setText("2024");
    w.txbYear->setFocus();
    Press(w.txbYear, Qt::Key_Return);
    const std::vector<std::string> lines = OutputLines();
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[2], "Spring (March) equinox ........ 2024-03-20 CE 03:06 GMT\r");
    EXPECT_EQ(lines[5], "Summer (June) solstice ........ 2024-06-20 CE 21:50 IST\r");
    EXPECT_EQ(w.Output.Text(), CrLf(Cli({"2024", "--tz", "Europe/Dublin"})));

    Click(w.cmdDisplayAll);
    ASSERT_NE(w.frmAllForm, nullptr);
    EXPECT_NE(w.frmAllForm->findChildren<QLabel*>().size(), 0);
    bool irish_summer = false;
    for (QLabel* cell : w.frmAllForm->findChildren<QLabel*>()) {
        irish_summer = irish_summer || cell->text().contains("2024-06-20 CE 21:50 IST");
    }
    EXPECT_TRUE(irish_summer);
    w.frmAllForm->hide();

    // The two options: every view follows them, as --seconds --precise.
    w.mnuSeconds->trigger();
    w.mnuPrecise->trigger();
    Click(w.cmdClear);
    Click(w.cmdCalculate);
    EXPECT_EQ(w.Output.Text(), CrLf(Cli({"2024", "--tz", "Europe/Dublin", "--seconds", "--precise"})));
    Restart();
    EXPECT_TRUE(window->mnuSeconds->isChecked());
    EXPECT_TRUE(window->mnuPrecise->isChecked());
    // Not saved: the zone of --tz was for that run only.
    EXPECT_EQ(window->cboTimezone->currentText(), "GMT");

    // --tz local: the system's own zone, named as such.
    testing::SetEnvironment("TZ", "Asia/Kolkata");
    window->UseNamedZone(UserNamedTimeZone("local"), "local");
    testing::UnsetEnvironment("TZ");
    EXPECT_EQ(window->cboTimezone->currentText(), "Local time");
    EXPECT_EQ(window->ViewZoneName(), "local time");
    EXPECT_EQ(window->ViewZone()->At(2460000.5).abbreviation, "IST");
}

// The chooser from the TZ box's last entry, by the keyboard alone; the
// solar terms of 2025 in that zone; the export with a reminder; a save, and
// the zone back after a restart.
TEST_F(WalkTest, ChooserTermsExportAndTheZoneAfterARestart) {
    frmMain& w = *window;
    w.txbYear->setText("2025");
    w.cboTimezone->setCurrentIndex(48);
    w.cboTimezone->setFocus();
    WithModal<frmZoneChooser>([&] { Press(w.cboTimezone, Qt::Key_Down); },
                              [&](frmZoneChooser& chooser) {
        ExpectAccessibleNames(&chooser);
        EXPECT_EQ(chooser.focusWidget(), chooser.txbSearch);
        QTest::keyClicks(chooser.txbSearch, "IST");
        const std::string first = chooser.ChosenZone();
        QTest::keyClick(chooser.txbSearch, Qt::Key_Down);
        EXPECT_NE(chooser.ChosenZone(), first);
        chooser.txbSearch->clear();
        QTest::keyClicks(chooser.txbSearch, "shanghai");
        EXPECT_EQ(chooser.lstZones->count(), 1);
        EXPECT_EQ(chooser.ChosenZone(), "Asia/Shanghai");
        EXPECT_EQ(chooser.lblCount->text(), "1 zone");
        QTest::keyClick(chooser.txbSearch, Qt::Key_Return);
        EXPECT_FALSE(chooser.isVisible());
    });
    EXPECT_EQ(w.cboTimezone->currentText(), "Asia/Shanghai");
    EXPECT_EQ(w.cboTimezone->currentIndex(), frmMain::kNamedZoneIndex);
    EXPECT_EQ(w.cboTimezone->itemText(w.OtherZoneIndex()), "Other zone...");
    EXPECT_EQ(SavedZoneName(), "Asia/Shanghai");  // kept at once

    // Options > Time zone..., cancelled: nothing changes.
    WithModal<frmZoneChooser>([&] { w.mnuOtherZone->trigger(); },
                              [&](frmZoneChooser& chooser) {
        EXPECT_EQ(chooser.ChosenZone(), "Asia/Shanghai");  // the zone in use, selected
        QTest::keyClicks(chooser.txbSearch, "dublin");
        QTest::keyClick(chooser.txbSearch, Qt::Key_Escape);
    });
    EXPECT_EQ(w.cboTimezone->currentText(), "Asia/Shanghai");

    // Ctrl+T: the terms of 2025 in Beijing time, by both suns; then by the
    // true sun alone through its mnemonic.
    Press(w.txbYear, Qt::Key_T, Qt::ControlModifier);
    frmTerms* terms = w.frmTermsForm.get();
    ASSERT_NE(terms, nullptr);
    EXPECT_TRUE(terms->isVisible());
    ExpectAccessibleNames(terms);
    EXPECT_EQ(terms->windowTitle(), "Solar terms of 2025 CE, Asia/Shanghai");
    const QString lichun = QString::fromUtf8(
        "315° 立春         Lìchūn       Start of Spring       true sun  2025-02-03 CE 22:10 CST  "
        "Imbolc");
    EXPECT_TRUE(terms->txbTerms->toPlainText().split('\n').contains(lichun));
    EXPECT_EQ(terms->txbTerms->toPlainText().split('\n').size(), 48);
    Press(terms->txbTerms, Qt::Key_T, Qt::AltModifier);
    // A mnemonic clicks its button as a mouse would, a moment later.
    EXPECT_TRUE(QTest::qWaitFor([&] { return terms->optTrueSun->isChecked(); }, 5000));
    EXPECT_EQ(terms->txbTerms->toPlainText().toStdString() + "\n",
              Cli({"2025", "--terms", "--method", "true", "--tz", "Asia/Shanghai"}));
    EXPECT_EQ(Preference(preference::kTermsMethod).toString(), "true");
    Click(terms->cmdCopyToClipboard);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), terms->txbTerms->toPlainText());
    // Its Export opens the export dialog for the terms alone.
    WithModal<frmExport>([&] { Click(terms->cmdExport); }, [&](frmExport& dialog) {
        EXPECT_TRUE(dialog.chkSolarTerms->isChecked());
        EXPECT_FALSE(dialog.chkTurningPoints->isChecked());
        EXPECT_EQ(dialog.spnFrom->value(), 2025);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    Press(terms->txbTerms, Qt::Key_Escape);
    EXPECT_FALSE(terms->isVisible());

    // Ctrl+E: 2024..2026, every turning point, iCalendar with a reminder a
    // day before. A place that cannot be written gets a message and leaves
    // the dialog open; then the file appears, the one kalvest-cli writes.
    Click(w.cmdAllOrNoneKalvest[0]);
    Click(w.cmdAllOrNoneKalvest[2]);
    Tick({w.chkVE, w.chkSS, w.chkAE, w.chkWS, w.chkImbolc, w.chkBeltane, w.chkLughnassad,
          w.chkSamhain, w.chkTrueSun, w.chkMeanSun});
    const fs::path folder = testing::MakeTemporaryFolder("kalvest-export");
    std::vector<QString> asked;
    frmExport& dialog = w.ExportWindow();
    ExpectAccessibleNames(&dialog);
    dialog.AskSaveFileName = [&](const QString& suggested, const QString&) {
        asked.push_back(suggested);
        return asked.size() == 1
                   ? QString::fromStdString((folder / "no-such-folder" / "solar.ics").string())
                   : QString::fromStdString((folder / "solar").string());
    };
    WithModal<frmExport>([&] { Press(w.txbYear, Qt::Key_E, Qt::ControlModifier); },
                         [&](frmExport& d) {
        EXPECT_EQ(d.focusWidget(), d.spnFrom);
        QTest::keyClicks(d.spnFrom, "2024");
        QTest::keyClick(d.spnFrom, Qt::Key_Tab);
        d.spnTo->selectAll();
        QTest::keyClicks(d.spnTo, "2026");
        EXPECT_TRUE(d.chkTurningPoints->isChecked());
        EXPECT_TRUE(d.optICalendar->isChecked());
        EXPECT_FALSE(d.spnReminder->isEnabled());
        d.chkReminder->setFocus();
        QTest::keyClick(d.chkReminder, Qt::Key_Space);
        EXPECT_TRUE(d.spnReminder->isEnabled());
        EXPECT_EQ(d.spnReminder->value(), 1);
        EXPECT_EQ(d.cboReminderUnit->currentText(), "days");
        QTest::keyClick(d.chkReminder, Qt::Key_Return);  // the default button: Export...
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_NE(boxes[0].text.find("could not be written"), std::string::npos);
        EXPECT_TRUE(d.isVisible());
        QTest::keyClick(d.chkReminder, Qt::Key_Return);
        EXPECT_FALSE(d.isVisible());
    });
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_TRUE(asked[0].endsWith("kalvest-2024-2026.ics"));
    EXPECT_FALSE(fs::exists(folder / "no-such-folder"));
    const std::string file = ReadFile(folder / "solar.ics");
    EXPECT_EQ(WithoutStamps(file), WithoutStamps(Cli({"2024..2026", "--format", "ics", "--alarm",
                                                      "1d", "--tz", "Asia/Shanghai"})));
    EXPECT_EQ(Count(file, "BEGIN:VALARM"), 36u);

    // Everything at once, for the iCalendar checks of the test run (the
    // strict parse and khal: tests/cli/icalendar_check.py file).
    dialog.AskSaveFileName = [&](const QString&, const QString&) {
        return QString(KALVEST_OUTPUT_DIR) + "/../test-output/window-export-2024-2026.ics";
    };
    ASSERT_TRUE(QDir().mkpath(QString(KALVEST_OUTPUT_DIR) + "/../test-output"));
    WithModal<frmExport>([&] { w.mnuExport->trigger(); }, [&](frmExport& d) {
        EXPECT_EQ(d.spnFrom->value(), 2025);  // the window's year again
        d.spnFrom->setValue(2024);
        d.spnTo->setValue(2026);
        for (QCheckBox* box : {d.chkSolarTerms, d.chkMoonPhases, d.chkEclipses}) {
            box->setChecked(true);
        }
        EXPECT_TRUE(d.chkReminder->isChecked());  // kept from the export before
        Click(d.cmdExport);
    });
    const std::string all = ReadFile(fs::path(KALVEST_OUTPUT_DIR) / ".." / "test-output" /
                                     "window-export-2024-2026.ics");
    EXPECT_GT(Count(all, "BEGIN:VEVENT"), 36u + 144u + 147u);
    EXPECT_EQ(Count(all, "BEGIN:VALARM"), Count(all, "BEGIN:VEVENT"));
    fs::remove_all(folder);

    // Saved with the named zone: the file's zone record holds the offset
    // nearest Beijing's standard time, the name is kept beside it.
    Save();
    const std::string saved = ReadFile(SettingsFile());
    SettingsRecord record;
    record.year_text = "2025";
    record.checks = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0};
    record.zone_index = *ZoneIndexOfText("GMT+08:00");
    record.output = "";
    EXPECT_EQ(saved, SettingsFileText(record));
    Restart();
    EXPECT_EQ(window->cboTimezone->currentText(), "Asia/Shanghai");
    EXPECT_EQ(window->ViewZoneName(), "Asia/Shanghai");
    EXPECT_TRUE(boxes.size() == 1u);

    // Back to a fixed offset from the box: the name is forgotten, and the
    // saved file is the previous release's, byte for byte.
    window->cboTimezone->setFocus();
    Press(window->cboTimezone, Qt::Key_Up);  // from the name to GMT+12:00
    EXPECT_EQ(window->cboTimezone->currentText(), "GMT+12:00");
    EXPECT_EQ(window->NamedZone, nullptr);
    EXPECT_EQ(window->cboTimezone->count(), 50);
    EXPECT_EQ(SavedZoneName(), std::nullopt);
    Save();
    record.zone_index = 48;
    EXPECT_EQ(ReadFile(SettingsFile()), SettingsFileText(record));
}

// A saved zone name the database no longer knows: the saved fixed zone,
// with a message, once.
TEST_F(WalkTest, AnUnknownSavedZoneFallsBackToTheSavedFixedZone) {
    SettingsRecord record;
    record.year_text = "2024";
    record.zone_index = 26;  // GMT+01:00
    ASSERT_EQ(SaveSettingsFile(SettingsFile().string(), record), "");
    SetPreference(preference::kZoneName, QStringLiteral("Mars/Olympus_Mons"));
    boxes.clear();
    Restart();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text,
              "The time zone database no longer knows the time zone Mars/Olympus_Mons. Kalvest "
              "uses the saved zone GMT+01:00 instead.");
    EXPECT_EQ(window->cboTimezone->currentText(), "GMT+01:00");
    EXPECT_EQ(window->NamedZone, nullptr);
    EXPECT_EQ(SavedZoneName(), std::nullopt);
    Restart();
    EXPECT_EQ(boxes.size(), 1u);
}

}  // namespace
}  // namespace kalvest
