// The views of the typed year that frmMain opens beyond its own controls,
// each in a window of its own so that no control of the main window moves:
// the moon list and the wheel of the year. Each view is an entry of mnuYearViews, reached by its
// keyboard shortcut anywhere in the window and from the output box's
// context menu; a new view adds its entry in CreateYearViews.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "common/message_box.h"
#include "datetime/date_time_text.h"
#include "export/moon_listing.h"
#include "export/text_writer.h"
#include "main_window/calendar_list.h"
#include "main_window/frm_main.h"
#include "outside/library_error.h"
#include "run/run_messages.h"
#include "run/zone_list.h"
#include "wheel/wheel_layout.h"
#include "windows/frm_moon.h"
#include "windows/frm_wheel.h"

namespace kalvest {
namespace {

// The listing's lines without the line feed after the last.
std::string ShownLines(const EventList& list) {
    std::string text = TextLines(list, "");
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

}  // namespace

void frmMain::CreateYearViews() {
    mnuYearViews = new QMenu(QStringLiteral("Views of the year"), this);
    mnuYearViews->setObjectName(QStringLiteral("mnuYearViews"));
    mnuMoonList = mnuYearViews->addAction(QStringLiteral("Moon list of the year"));
    mnuMoonList->setObjectName(QStringLiteral("mnuMoonList"));
    mnuMoonList->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(mnuMoonList, &QAction::triggered, this, [this] { mnuMoonList_Click(); });
    mnuWheel = mnuYearViews->addAction(QStringLiteral("Wheel of the year"));
    mnuWheel->setObjectName(QStringLiteral("mnuWheel"));
    mnuWheel->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    connect(mnuWheel, &QAction::triggered, this, [this] { mnuWheel_Click(); });
    // The window holds the entries too, so that their shortcuts work
    // wherever the focus is in it.
    addActions(mnuYearViews->actions());

    txbOutput->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(txbOutput, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        // A text box reports the place in its viewport.
        OutputContextMenu()->exec(txbOutput->viewport()->mapToGlobal(at));
    });
}

std::unique_ptr<QMenu> frmMain::OutputContextMenu() {
    std::unique_ptr<QMenu> menu(txbOutput->createStandardContextMenu());
    menu->addSeparator();
    menu->addActions(mnuYearViews->actions());
    return menu;
}

WindowLook frmMain::YearViewLook() const {
    return {palette().color(QPalette::Window),
            lblYear->palette().color(QPalette::Active, QPalette::WindowText), lblYear->font(),
            cmdCopyToClipboard->font(), txbOutput->font()};
}

frmMoon& frmMain::MoonWindow() {
    if (!frmMoonForm) {
        frmMoonForm = std::make_unique<frmMoon>(YearViewLook());
        frmMoonForm->setWindowIcon(windowIcon());
    }
    return *frmMoonForm;
}

void frmMain::mnuMoonList_Click() {
    if (YearInputInvalid()) return;
    CalendarCode = CalendarCodeOfListIndex(cboCalendar->currentIndex());
    ZoneMinutes = static_cast<std::int16_t>(cboTimezone->currentData().toInt());
    const FixedOffsetZone window_zone = FixedWindowZone(ZoneMinutes);
    const TimeZone& zone =
        MoonListZone ? *MoonListZone : static_cast<const TimeZone&>(window_zone);
    const std::string zone_name =
        MoonListZone ? MoonListZoneName : cboTimezone->currentText().toStdString();
    const MoonListingRequest request{Year, Year, CalendarCode, false,
                                     IsChecked(chkIncludeWeekday)};

    // Computed before the window changes: a missing library leaves the
    // last list as it was.
    std::string text;
    try {
        text = ShownLines(MoonEventListing(request, zone));
    } catch (const LibraryError& error) {
        ShowMessageBox({LibraryFailureMessage(error), mnuMoonList->text().toStdString(),
                        MessageIcon::kExclamation, MessageButtons::kOk});
        return;
    }
    const std::string title =
        MoonListingTitle(txbYear->text().toStdString(), CalendarCode, zone_name, false);
    MoonWindow().ShowList(this, QString::fromStdString(title), text);
}

frmWheel& frmMain::WheelWindow() {
    if (!frmWheelForm) {
        frmWheelForm = std::make_unique<frmWheel>(YearViewLook());
        frmWheelForm->setWindowIcon(windowIcon());
    }
    return *frmWheelForm;
}

void frmMain::mnuWheel_Click() {
    if (YearInputInvalid()) return;
    CalendarCode = cboCalendar->currentIndex() == kJulianCalendarIndex ? kCalendarJulian
                                                                       : kCalendarGregorian;
    ZoneMinutes = static_cast<std::int16_t>(cboTimezone->currentData().toInt());
    const WheelRequest base{
        .year = Year,
        .calendar_code = CalendarCode,
        .southern = optSH->isChecked(),
        .zone_name = MoonListZone ? MoonListZoneName : cboTimezone->currentText().toStdString()};
    // The wheel calls the maker again when a ring is switched on or off.
    WheelWindow().ShowWheel(this, [this, base, minutes = ZoneMinutes](bool moon, bool terms) {
        WheelRequest request = base;
        request.moon = moon;
        request.terms = terms;
        const FixedOffsetZone window_zone = FixedWindowZone(minutes);
        return MakeWheelLayout(request, MoonListZone ? *MoonListZone
                                                     : static_cast<const TimeZone&>(window_zone));
    });
}

}  // namespace kalvest
