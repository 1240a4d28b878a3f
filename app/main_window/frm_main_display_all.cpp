// The display-all command of frmMain: all eight events of the typed year,
// by both methods, in the grid of frmAll.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "common/message_box.h"
#include "datetime/date_time_text.h"
#include "main_window/calendar_list.h"
#include "main_window/frm_main.h"
#include "outside/library_error.h"
#include "run/display_all_texts.h"
#include "run/run_messages.h"
#include "windows/frm_all.h"

namespace kalvest {

frmAll& frmMain::AllWindow() {
    if (!frmAllForm) frmAllForm = std::make_unique<frmAll>();
    return *frmAllForm;
}

void frmMain::cmdDisplayAll_Click() {
    if (YearInputInvalid()) return;
    CalendarCode = CalendarCodeOfListIndex(cboCalendar->currentIndex());
    ZoneMinutes = static_cast<std::int16_t>(cboTimezone->currentData().toInt());
    const bool southern = optSH->isChecked();

    // Every text is computed before the window changes, so that a missing
    // library leaves the grid of the last run as it was.
    std::array<std::string, kDisplayAllCellCount> texts;
    try {
        texts = FillAllCellTexts(EventNames, {Year, CalendarCode, ZoneMinutes, southern},
                                 *ViewZone(), EuroDateRecord, PreciseInstants(),
                                 ViewPrecision());
    } catch (const LibraryError& error) {
        ShowMessageBox({LibraryFailureMessage(error), cmdDisplayAll->text().toStdString(),
                        MessageIcon::kExclamation, MessageButtons::kOk});
        return;
    }
    const std::string caption = DisplayAllCaption(txbYear->text().toStdString(), southern);
    AllWindow().ShowRun(this, QString::fromStdString(caption), texts);
}

}  // namespace kalvest
