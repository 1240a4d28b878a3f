// What the window remembers beyond its settings file, in the user's own
// configuration through QSettings ("Orvanth Systems/Kalvest": on Linux the
// file $XDG_CONFIG_HOME/Orvanth Systems/Kalvest.conf, on Windows the
// registry): the zone chosen from the time zone database, the options of
// the Options menu, and the export dialog's last choices. The settings
// file "kalvest.usr" keeps exactly the records it always had, so that
// older releases read it as they did.
//
// The zone and the options are kept as soon as they are chosen; the
// settings file only on "Save settings".
#pragma once

#include <QString>
#include <QVariant>

#include <optional>
#include <string>

namespace kalvest {

namespace preference {
inline constexpr const char* kZoneName = "zone/name";  // "Europe/Dublin", "local"
inline constexpr const char* kSeconds = "options/seconds";
inline constexpr const char* kPrecise = "options/precise";
inline constexpr const char* kTermsMethod = "terms/method";  // "true", "mean", "both"
inline constexpr const char* kExportFolder = "export/folder";
inline constexpr const char* kExportFormat = "export/format";  // "ics", "csv", "json"
inline constexpr const char* kExportReminder = "export/reminder";  // on or off
inline constexpr const char* kExportReminderCount = "export/reminder_count";
inline constexpr const char* kExportReminderUnit = "export/reminder_unit";  // "days", "hours"
}  // namespace preference

// The value under `key`, or `fallback` where there is none.
QVariant Preference(const char* key, const QVariant& fallback = {});
void SetPreference(const char* key, const QVariant& value);
void RemovePreference(const char* key);

// Forgets every preference (a fresh start; the tests begin each case so).
void ClearPreferences();

// The saved zone name, if one is kept.
std::optional<std::string> SavedZoneName();

}  // namespace kalvest
