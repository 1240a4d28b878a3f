// The settings file and frmMain: its path at start-up, the restore of the
// saved controls and output, and the save command with its confirmation.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

#include "common/language.h"
#include "common/message_box.h"
#include "common/utf_text.h"
#include "main_window/frm_main.h"
#include "main_window/settings_file.h"
#include "main_window/settings_location.h"
#include "main_window/window_preferences.h"
#include "run/zone_list.h"
#include "run/year_input.h"
#include "windows/frm_pop_up.h"
#include "windows/window_twips.h"

namespace kalvest {
namespace {

// Texts of the program-text table.
constexpr std::int16_t kSavedText = 50;
constexpr std::int16_t kSaveFailedText = 51;

// The confirmation: 2000 by 380 twips for two seconds, over the hidden
// save button.
constexpr std::int16_t kPopUpWidth = 2000;
constexpr std::int16_t kPopUpHeight = 380;
constexpr std::int16_t kPopUpInterval = 2000;
constexpr int kPopUpBelowButtonTop = 310;
constexpr int kPopUpRightOfButtonLeft = 220;

int CheckValue(const QCheckBox* box) {
    switch (box->checkState()) {
        case Qt::Checked: return 1;
        case Qt::PartiallyChecked: return 2;
        default: return 0;
    }
}

Qt::CheckState CheckState(int value) {
    return value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
}

// The file holds UTF-8, as every text inside the program does, on every
// system (Windows's 8-bit code page need not hold the text).
std::string Utf8Text(const QString& text) { return text.toStdString(); }

// A file saved by an earlier release on Windows holds the 8-bit code page
// instead; text that is not UTF-8 is read that way, so that its accented
// letters come back rather than replacement characters.
QString FromUtf8Text(const std::string& text) {
    const auto size = static_cast<qsizetype>(text.size());
    if (IsValidUtf8(text)) return QString::fromUtf8(text.data(), size);
    return QString::fromLocal8Bit(text.data(), size);
}

}  // namespace

std::array<QCheckBox*, kSettingsCheckBoxCount> frmMain::SavedCheckBoxes() const {
    // The order of the file's records 2 to 12: true sun before mean sun.
    return {chkVE,     chkSS,         chkAE,      chkWS,      chkImbolc,
            chkBeltane, chkLughnassad, chkSamhain, chkTrueSun, chkMeanSun,
            chkIncludeWeekday};
}

void frmMain::InitSettingsPath() {
    SettingsPath = SettingsFilePath(kSettingsFileName, kMakerFolderName);
}

void frmMain::RestoreSavedSettings() {
    if (FileExists(SettingsPath)) LoadSettings();
}

std::string frmMain::SaveSettings() {
    SettingsRecord record;
    record.year_text = Utf8Text(txbYear->text());
    const auto boxes = SavedCheckBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) record.checks[i] = CheckValue(boxes[i]);
    // An older release reads only the fixed offsets: while a zone of the
    // database is chosen, the one nearest to its standard time.
    const int index = cboTimezone->currentIndex();
    record.zone_index = NamedZone ? NearestZoneIndex(StandardOffsetSeconds(*NamedZone, CurrentYear()))
                        : index >= 0 && index < kZoneCount ? index
                                                           : kDefaultZoneIndex;
    record.southern = optSH->isChecked();
    record.output = Utf8Text(QString::fromStdString(Output.Text()));
    const std::string result = SaveSettingsFile(SettingsPath, record);
    // The zone's name goes with the saved settings.
    if (result.empty() && NamedZone) {
        SetPreference(preference::kZoneName, QString::fromStdString(NamedZoneName));
    } else if (result.empty()) {
        RemovePreference(preference::kZoneName);
    }
    return result;
}

void frmMain::LoadSettings() {
    const LoadedSettings loaded =
        LoadSettingsFile(SettingsPath, std::to_string(CurrentYear()));
    // Applied in the file's order: a damaged file leaves the controls after
    // its first bad record at their start-up values.
    if (loaded.year_text) txbYear->setText(FromUtf8Text(*loaded.year_text));
    if (loaded.clear_output) SetOutputText({});
    const auto boxes = SavedCheckBoxes();
    for (int i = 0; i < loaded.check_count; ++i) {
        // A cross-quarter box raises its click, so the method controls follow.
        boxes[i]->setCheckState(CheckState(loaded.checks[i]));
    }
    if (loaded.zone_index) cboTimezone->setCurrentIndex(*loaded.zone_index);
    if (loaded.southern) (*loaded.southern ? optSH : optNH)->setChecked(true);
    if (loaded.output) SetOutputText(FromUtf8Text(*loaded.output).toStdString());
}

frmPopUp& frmMain::PopUpWindow() {
    if (frmPopUpForm == nullptr) frmPopUpForm = new frmPopUp(this);
    return *frmPopUpForm;
}

void frmMain::cmdSaveSettings_Click() {
    cmdSaveSettings->hide();
    const std::string result = SaveSettings();
    if (result.empty()) {
        // Over the button wherever the client area begins (under the menu
        // bar).
        const QPoint button = cmdSaveSettings->mapTo(this, QPoint(0, 0));
        const double top = TwipsFromPixels(button.y()) + kPopUpBelowButtonTop;
        const double left = TwipsFromPixels(button.x()) + kPopUpRightOfButtonLeft;
        PopUpWindow().PopUpInForm(this, QString::fromStdString(GetProgramText(kSavedText)),
                                  kPopUpWidth, kPopUpHeight, kPopUpInterval,
                                  static_cast<std::int16_t>(std::lround(top)),
                                  static_cast<std::int16_t>(std::lround(left)));
    } else {
        ShowMessageBox({GetProgramText(kSaveFailedText) + " " + result,
                        cmdSaveSettings->text().toStdString(), MessageIcon::kExclamation,
                        MessageButtons::kOk});
    }
    cmdSaveSettings->show();
    cmdCalculate->setFocus();
}

}  // namespace kalvest
