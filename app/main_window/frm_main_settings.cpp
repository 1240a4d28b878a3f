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
    record.zone_index = cboTimezone->currentIndex();
    record.southern = optSH->isChecked();
    record.output = Utf8Text(QString::fromStdString(Output.Text()));
    return SaveSettingsFile(SettingsPath, record);
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
        const double top = TwipsFromPixels(cmdSaveSettings->y()) + kPopUpBelowButtonTop;
        const double left = TwipsFromPixels(cmdSaveSettings->x()) + kPopUpRightOfButtonLeft;
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
