// The calculation run of frmMain and the output box. The lines themselves
// are planned, computed and composed by the window-free listing that
// kalvest-cli prints, so both always write the same lines.
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>

#include "common/message_box.h"
#include "datetime/date_time_text.h"
#include "main_window/calendar_list.h"
#include "main_window/frm_main.h"
#include "outside/library_error.h"
#include "export/solar_listing.h"
#include "run/calculation_run.h"
#include "run/run_messages.h"

namespace kalvest {

void frmMain::cmdCalculate_Click() {
    if (YearInputInvalid()) return;
    CalendarCode = CalendarCodeOfListIndex(cboCalendar->currentIndex());

    const std::array<QCheckBox*, 4> quarters = {chkVE, chkSS, chkAE, chkWS};
    const std::array<QCheckBox*, 4> cross_quarters = {chkImbolc, chkBeltane, chkLughnassad,
                                                      chkSamhain};
    bool none_selected = true;
    bool cross_quarter_selected = false;
    for (int code = 0; code < 4; ++code) {
        none_selected = none_selected && IsUnchecked(quarters[code]) &&
                        IsUnchecked(cross_quarters[code]);
        cross_quarter_selected = cross_quarter_selected || IsChecked(cross_quarters[code]);
    }
    const std::string title = cmdCalculate->text().toStdString();
    if (none_selected) {
        ShowMessageBox({kNoEventMessage, title, MessageIcon::kNone, MessageButtons::kOk});
        return;
    }
    if (cross_quarter_selected && IsUnchecked(chkTrueSun) && IsUnchecked(chkMeanSun)) {
        ShowMessageBox(
            {kNoMethodMessage, title, MessageIcon::kInformation, MessageButtons::kOk});
        return;
    }

    if (!Output.Empty()) Output.Append(kRunSeparatorLine);
    cmdClear->setEnabled(true);
    ZoneMinutes = static_cast<std::int16_t>(cboTimezone->currentData().toInt());

    RunSelection selection = SelectionOfControls();
    selection.year = Year;
    selection.calendar_code = CalendarCode;
    selection.zone_minutes = ZoneMinutes;

    // The lines of the listing every front end writes, in the chosen zone
    // and with the options; with a fixed offset and neither option they
    // are exactly those of the classical run.
    class OutputLines final : public ListingWriter {
    public:
        explicit OutputLines(OutputText& output) : output_(output) {}
        void Begin(const std::vector<std::string>&) override {}
        void Write(const ListedEvent& event) override { output_.Append(event.text_line + "\r\n"); }
        void End() override {}

    private:
        OutputText& output_;
    } lines(Output);
    const SolarListingRequest request{Year, Year, selection, PreciseInstants(),
                                      ViewPrecision()};
    try {
        ListSolarEvents(request, *ViewZone(), EventNames, lines);
    } catch (const LibraryError& error) {
        // The lines computed before the failure stay; the run ends here and
        // the program carries on.
        ShowOutput();
        ShowMessageBox({LibraryFailureMessage(error), title, MessageIcon::kExclamation,
                        MessageButtons::kOk});
    }

    ShowOutput();
    const bool has_output = !Output.Empty();
    cmdCopyToClipboard->setEnabled(true);
    cmdCopyToClipboard->setVisible(has_output);
    cmdClear->setVisible(has_output);
}

RunSelection frmMain::SelectionOfControls() const {
    RunSelection selection;
    const std::array<QCheckBox*, 4> quarters = {chkVE, chkSS, chkAE, chkWS};
    const std::array<QCheckBox*, 4> cross_quarters = {chkImbolc, chkBeltane, chkLughnassad,
                                                      chkSamhain};
    for (int code = 0; code < 4; ++code) {
        selection.quarters[code] = IsChecked(quarters[code]);
        selection.cross_quarters[code] = IsChecked(cross_quarters[code]);
    }
    selection.true_sun = IsChecked(chkTrueSun);
    selection.mean_sun = IsChecked(chkMeanSun);
    selection.include_weekday = IsChecked(chkIncludeWeekday);
    selection.calendar_code = CalendarCodeOfListIndex(cboCalendar->currentIndex());
    return selection;
}

void frmMain::SetOutputText(const std::string& text) {
    Output.Set(text);
    ShowOutput();
}

void frmMain::ShowOutput() {
    const QString shown = QString::fromStdString(Output.WithLineFeeds());
    if (txbOutput->toPlainText() != shown) txbOutput->setPlainText(shown);
    // The caret goes to the end, so that the last line is in view.
    txbOutput->moveCursor(QTextCursor::End);
    txbOutput->ensureCursorVisible();
}

}  // namespace kalvest
