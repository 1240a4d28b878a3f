#include "main_window/window_preferences.h"

#include <QSettings>

namespace kalvest {
namespace {

QSettings Store() { return QSettings(QStringLiteral("Orvanth Systems"), QStringLiteral("Kalvest")); }

}  // namespace

QVariant Preference(const char* key, const QVariant& fallback) {
    return Store().value(QString::fromLatin1(key), fallback);
}

void SetPreference(const char* key, const QVariant& value) {
    QSettings store = Store();
    store.setValue(QString::fromLatin1(key), value);
    store.sync();
}

void RemovePreference(const char* key) {
    QSettings store = Store();
    store.remove(QString::fromLatin1(key));
    store.sync();
}

void ClearPreferences() {
    QSettings store = Store();
    store.clear();
    store.sync();
}

std::optional<std::string> SavedZoneName() {
    const QString name = Preference(preference::kZoneName).toString();
    if (name.isEmpty()) return std::nullopt;
    return name.toStdString();
}

}  // namespace kalvest
