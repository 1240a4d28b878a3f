// The zones of the time zone database in frmMain. The TZ box keeps its 49
// fixed offsets; after them stand the chosen zone's name (while a zone of
// the database is chosen) and "Other zone...", which opens the chooser, as
// Options > Time zone... does. Every view then uses the chosen zone, with
// its daylight saving time and abbreviations, as kalvest-cli --tz does.
//
// The chosen zone and the two options of the Options menu are kept in the
// user's configuration as soon as they are chosen (window_preferences.h)
// and come back at the next start, after the settings file; a zone the
// database no longer knows falls back to the settings file's fixed zone,
// with a message.
#include <QAction>
#include <QAbstractItemView>
#include <QComboBox>
#include <QPushButton>

#include "common/message_box.h"
#include "datetime/zone_database.h"
#include "main_window/frm_main.h"
#include "main_window/window_preferences.h"
#include "run/year_input.h"
#include "run/zone_list.h"
#include "run/zone_search.h"
#include "windows/frm_zone_chooser.h"
#include "windows/window_twips.h"

namespace kalvest {
namespace {

const char* const kZoneTitle = "Time zone";
const char* const kOtherZoneText = "Other zone...";

void TellZoneProblem(const std::string& text) {
    ShowMessageBox({text, kZoneTitle, MessageIcon::kExclamation, MessageButtons::kOk});
}

}  // namespace

int frmMain::OtherZoneIndex() const { return cboTimezone->count() - 1; }

void frmMain::AddOtherZoneEntry() {
    cboTimezone->addItem(QString::fromLatin1(kOtherZoneText));
    cboTimezone->setItemData(OtherZoneIndex(),
                             QStringLiteral("Choose a zone of the time zone database"),
                             Qt::ToolTipRole);
}

void frmMain::ConnectZoneChoice() {
    cboTimezone->setAccessibleName(QStringLiteral("Time zone"));
    // The box keeps its designed width; its list is wide enough for the
    // longest names of the database (America/Argentina/ComodRivadavia).
    cboTimezone->view()->setMinimumWidth(
        cboTimezone->fontMetrics().horizontalAdvance(QStringLiteral("America/Argentina/ComodRivadavia")) +
        PixelsFromTwips(600));
    connect(cboTimezone, &QComboBox::activated, this,
            [this](int index) { cboTimezone_Activated(index); });
    // Any fixed offset the box comes to, chosen or set, replaces the named
    // zone, so that the box always shows the zone in use.
    connect(cboTimezone, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (NamedZone && index >= 0 && index < kZoneCount) DropNamedZone();
    });
    ChooseZone = [this](const ZoneCatalogue& catalogue) {
        frmZoneChooser chooser(catalogue, NamedZoneName, this);
        return chooser.exec() == QDialog::Accepted ? chooser.ChosenZone() : std::string();
    };
    for (QAction* option : {mnuSeconds, mnuPrecise}) {
        const char* key = option == mnuSeconds ? preference::kSeconds : preference::kPrecise;
        connect(option, &QAction::toggled, this, [key](bool on) { SetPreference(key, on); });
    }
}

void frmMain::cboTimezone_Activated(int index) {
    if (index == OtherZoneIndex()) {
        mnuOtherZone_Click();
        return;
    }
    if (index >= 0 && index < kZoneCount) {
        // One of the fixed offsets, chosen: no named zone comes back at
        // the next start.
        RemovePreference(preference::kZoneName);
        last_zone_index_ = index;
    }
}

const ZoneCatalogue* frmMain::Zones() {
    if (!zones_) {
        try {
            zones_ = std::make_unique<ZoneCatalogue>(LoadZoneCatalogue(CurrentYear()));
        } catch (const ZoneDatabaseError& error) {
            TellZoneProblem(error.what());
            return nullptr;
        }
    }
    return zones_.get();
}

void frmMain::mnuOtherZone_Click() {
    const ZoneCatalogue* catalogue = Zones();
    std::string name = catalogue ? ChooseZone(*catalogue) : std::string();
    bool chosen = false;
    if (!name.empty()) {
        try {
            chosen = SelectNamedZone(name);
        } catch (const ZoneDatabaseError& error) {
            TellZoneProblem(error.what());
        }
    }
    if (chosen) {
        SetPreference(preference::kZoneName, QString::fromStdString(name));
    } else {
        // Cancelled: the box shows the zone it showed before.
        cboTimezone->setCurrentIndex(NamedZone ? kNamedZoneIndex : last_zone_index_);
    }
    if (blnStartupCompleted) cmdCalculate->setFocus();
}

bool frmMain::SelectNamedZone(const std::string& name) {
    std::unique_ptr<TimeZone> zone = UserNamedTimeZone(name);
    if (!zone) return false;
    UseNamedZone(std::move(zone), name);
    return true;
}

void frmMain::UseNamedZone(std::unique_ptr<TimeZone> zone, const std::string& name) {
    // The nearest fixed offset stands in the entry's data, for whatever
    // reads the box's offset.
    const int nearest = NearestZoneIndex(StandardOffsetSeconds(*zone, CurrentYear()));
    NamedZone = std::move(zone);
    NamedZoneName = name;
    const QString shown = QString::fromStdString(name == "local" ? "Local time" : name);
    if (cboTimezone->count() == kZoneCount + 1) {
        cboTimezone->insertItem(kNamedZoneIndex, shown);
    } else {
        cboTimezone->setItemText(kNamedZoneIndex, shown);
    }
    cboTimezone->setItemData(kNamedZoneIndex, ZoneList()[nearest].minutes);
    cboTimezone->setItemData(kNamedZoneIndex, shown, Qt::ToolTipRole);
    cboTimezone->setCurrentIndex(kNamedZoneIndex);
    cboTimezone->setToolTip(shown);
}

void frmMain::SelectFixedZone(int index) {
    cboTimezone->setCurrentIndex(index);
    DropNamedZone();
    last_zone_index_ = index;
}

void frmMain::DropNamedZone() {
    NamedZone.reset();
    NamedZoneName.clear();
    cboTimezone->setToolTip({});
    if (cboTimezone->count() > kZoneCount + 1 && cboTimezone->currentIndex() != kNamedZoneIndex) {
        cboTimezone->removeItem(kNamedZoneIndex);
    }
}

std::shared_ptr<const TimeZone> frmMain::ViewZone() const {
    if (NamedZone) return NamedZone;
    return std::make_shared<FixedOffsetZone>(
        FixedWindowZone(static_cast<std::int16_t>(cboTimezone->currentData().toInt())));
}

std::string frmMain::ViewZoneName() const {
    if (NamedZone) return ZoneTitleName(NamedZoneName);
    return cboTimezone->currentText().toStdString();
}

bool frmMain::TimesToTheSecond() const { return mnuSeconds->isChecked(); }
bool frmMain::PreciseInstants() const { return mnuPrecise->isChecked(); }
TimePrecision frmMain::ViewPrecision() const {
    return TimesToTheSecond() ? TimePrecision::kSeconds : TimePrecision::kMinutes;
}

void frmMain::RestorePreferences() {
    // The options first: they change no control of the window.
    mnuSeconds->setChecked(Preference(preference::kSeconds, false).toBool());
    mnuPrecise->setChecked(Preference(preference::kPrecise, false).toBool());
    last_zone_index_ = cboTimezone->currentIndex();
    const std::optional<std::string> name = SavedZoneName();
    if (!name) return;
    std::string problem;
    try {
        if (SelectNamedZone(*name)) return;
        problem = "The time zone database no longer knows the time zone " + *name + ".";
        // Said once: the next start begins with the fixed zone.
        RemovePreference(preference::kZoneName);
    } catch (const ZoneDatabaseError& error) {
        // The database may be back at the next start; the name stays.
        problem = error.what();
    }
    ShowMessageBox({problem + " Kalvest uses the saved zone " +
                        cboTimezone->currentText().toStdString() + " instead.",
                    kZoneTitle, MessageIcon::kInformation, MessageButtons::kOk});
}

}  // namespace kalvest
