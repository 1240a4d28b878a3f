// File > Export of frmMain: the export dialog for the typed year, with the
// window's events, methods, calendar, zone and options; the file is the
// one kalvest-cli writes for the same choices (WriteExport).
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QSpinBox>

#include "datetime/utc_text.h"
#include "export/export_plan.h"
#include "main_window/frm_main.h"
#include "main_window/window_preferences.h"
#include "windows/frm_export.h"

namespace kalvest {
namespace {

QString FormatText(const frmExport& dialog) {
    if (dialog.optCsv->isChecked()) return QStringLiteral("csv");
    if (dialog.optJson->isChecked()) return QStringLiteral("json");
    return QStringLiteral("ics");
}

// The dialog's last format, reminder and folder, kept for the next export.
void KeepChoices(const frmExport& dialog) {
    SetPreference(preference::kExportFolder, dialog.LastFolder);
    SetPreference(preference::kExportFormat, FormatText(dialog));
    SetPreference(preference::kExportReminder, dialog.chkReminder->isChecked());
    SetPreference(preference::kExportReminderCount, dialog.spnReminder->value());
    SetPreference(preference::kExportReminderUnit,
                  dialog.cboReminderUnit->currentIndex() == 1 ? QStringLiteral("hours")
                                                              : QStringLiteral("days"));
}

void RestoreChoices(frmExport& dialog) {
    const QString folder = Preference(preference::kExportFolder).toString();
    if (!folder.isEmpty()) dialog.LastFolder = folder;
    const QString format = Preference(preference::kExportFormat, QStringLiteral("ics")).toString();
    (format == QStringLiteral("csv")    ? dialog.optCsv
     : format == QStringLiteral("json") ? dialog.optJson
                                        : dialog.optICalendar)
        ->setChecked(true);
    dialog.chkReminder->setChecked(Preference(preference::kExportReminder, false).toBool());
    dialog.spnReminder->setValue(Preference(preference::kExportReminderCount, 1).toInt());
    dialog.cboReminderUnit->setCurrentIndex(
        Preference(preference::kExportReminderUnit).toString() == QStringLiteral("hours") ? 1 : 0);
}

}  // namespace

frmExport& frmMain::ExportWindow() {
    if (!frmExportForm) {
        frmExportForm = std::make_unique<frmExport>(this);
        RestoreChoices(*frmExportForm);
    }
    return *frmExportForm;
}

ExportPlan frmMain::ExportBase() const {
    ExportPlan plan;
    plan.selection = SelectionOfControls();
    plan.precise = PreciseInstants();
    plan.precision = ViewPrecision();
    return plan;
}

void frmMain::mnuExport_Click(bool terms_only) {
    if (YearInputInvalid()) return;
    frmExport& dialog = ExportWindow();
    dialog.Prepare(ExportBase(), Year, terms_only);
    // The zone of this export, whatever the window chooses meanwhile.
    const std::shared_ptr<const TimeZone> zone = ViewZone();
    dialog.Compute = [zone, names = EventNames](const ExportPlan& plan) {
        return WriteExport(plan, *zone, names, CurrentJulianDay());
    };
    if (dialog.exec() == QDialog::Accepted) KeepChoices(dialog);
}

}  // namespace kalvest
