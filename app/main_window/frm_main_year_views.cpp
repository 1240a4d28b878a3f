// The views of the typed year that frmMain opens beyond its own controls,
// each in a window of its own so that no control of the main window moves:
// the moon list, the wheel of the year and the solar terms. The moon list
// and the wheel are entries of mnuYearViews, which the output box's context
// menu lists; every view is an entry of the View menu, reached by its
// keyboard shortcut anywhere in the window. Each view uses the window's
// calendar, its zone (ViewZone) and its options.
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
#include "export/solar_term_listing.h"
#include "export/text_writer.h"
#include "main_window/calendar_list.h"
#include "main_window/frm_main.h"
#include "main_window/window_preferences.h"
#include "outside/library_error.h"
#include "run/run_messages.h"
#include "run/zone_list.h"
#include "wheel/wheel_layout.h"
#include "windows/frm_moon.h"
#include "windows/frm_terms.h"
#include "windows/frm_wheel.h"

namespace kalvest {
namespace {

const char* TextOfTermsMethod(TermsMethod method) {
    switch (method) {
        case TermsMethod::kTrueSun: return "true";
        case TermsMethod::kMeanSun: return "mean";
        case TermsMethod::kBoth: break;
    }
    return "both";
}

TermsMethod TermsMethodOfText(const std::string& text) {
    if (text == "true") return TermsMethod::kTrueSun;
    if (text == "mean") return TermsMethod::kMeanSun;
    return TermsMethod::kBoth;
}

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
    mnuTerms = new QAction(QStringLiteral("&Solar terms of the year"), this);
    mnuTerms->setObjectName(QStringLiteral("mnuTerms"));
    mnuTerms->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(mnuTerms, &QAction::triggered, this, [this] { mnuTerms_Click(); });
    addAction(mnuTerms);

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
    MoonListingRequest request{Year, Year, CalendarCode, false, IsChecked(chkIncludeWeekday),
                               ViewPrecision()};
    request.precise = PreciseInstants();

    // Computed before the window changes: a missing library leaves the
    // last list as it was.
    std::string text;
    try {
        text = ShownLines(MoonEventListing(request, *ViewZone()));
    } catch (const LibraryError& error) {
        ShowMessageBox({LibraryFailureMessage(error), mnuMoonList->text().toStdString(),
                        MessageIcon::kExclamation, MessageButtons::kOk});
        return;
    }
    const std::string title =
        MoonListingTitle(txbYear->text().toStdString(), CalendarCode, ViewZoneName(), false);
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
    CalendarCode = CalendarCodeOfListIndex(cboCalendar->currentIndex());
    ZoneMinutes = static_cast<std::int16_t>(cboTimezone->currentData().toInt());
    const WheelRequest base{.year = Year,
                            .calendar_code = CalendarCode,
                            .southern = optSH->isChecked(),
                            .zone_name = ViewZoneName(),
                            .precise = PreciseInstants(),
                            .precision = ViewPrecision()};
    // The wheel calls the maker again when a ring is switched on or off,
    // in the zone of this very request.
    std::shared_ptr<const TimeZone> zone = ViewZone();
    WheelWindow().ShowWheel(this, [base, zone](bool moon, bool terms) {
        WheelRequest request = base;
        request.moon = moon;
        request.terms = terms;
        return MakeWheelLayout(request, *zone);
    });
}

frmTerms& frmMain::TermsWindow() {
    if (!frmTermsForm) {
        frmTermsForm = std::make_unique<frmTerms>(YearViewLook());
        frmTermsForm->setWindowIcon(windowIcon());
        frmTermsForm->ExportTerms = [this] { mnuExport_Click(true); };
        frmTermsForm->SetMethod(TermsMethodOfText(
            Preference(preference::kTermsMethod).toString().toStdString()));
        frmTermsForm->MethodChosen = [](TermsMethod method) {
            SetPreference(preference::kTermsMethod, QString::fromLatin1(TextOfTermsMethod(method)));
        };
    }
    return *frmTermsForm;
}

void frmMain::mnuTerms_Click() {
    if (YearInputInvalid()) return;
    CalendarCode = CalendarCodeOfListIndex(cboCalendar->currentIndex());
    ZoneMinutes = static_cast<std::int16_t>(cboTimezone->currentData().toInt());
    SolarTermListingRequest base;
    base.first_year = Year;
    base.last_year = Year;
    base.precise = PreciseInstants();
    base.calendar_code = CalendarCode;
    base.include_weekday = IsChecked(chkIncludeWeekday);
    base.precision = ViewPrecision();
    std::shared_ptr<const TimeZone> zone = ViewZone();
    const EventNameTable names = EventNames;
    const std::string title =
        SolarTermListingTitle(txbYear->text().toStdString(), CalendarCode, ViewZoneName());
    TermsWindow().ShowTerms(this, QString::fromStdString(title),
                            [base, zone, names](TermsMethod method) {
                                SolarTermListingRequest request = base;
                                request.true_sun = method != TermsMethod::kMeanSun;
                                request.mean_sun = method != TermsMethod::kTrueSun;
                                return ShownLines(SolarTermListing(request, *zone, names));
                            });
}

}  // namespace kalvest
