// frmExport: File > Export. The years from and to, what to export (the
// turning points as the main window ticks them, the solar terms, the
// Moon's phases, its eclipses), the format (iCalendar, CSV, JSON) and for
// iCalendar a reminder some days or hours before each event. Export...
// asks for the file, has the main window compute it (the core's export
// plan, as kalvest-cli writes it) and writes it through QSaveFile: the
// file appears whole or not at all, and a place that cannot be written
// gets a message while the dialog stays open. Escape or Cancel closes it.
#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>
#include <string>

#include "export/export_plan.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace kalvest {

class frmExport : public QDialog {
    Q_OBJECT

public:
    explicit frmExport(QWidget* parent = nullptr);

    QLabel* lblFrom = nullptr;
    QSpinBox* spnFrom = nullptr;
    QLabel* lblTo = nullptr;
    QSpinBox* spnTo = nullptr;
    QGroupBox* fraWhat = nullptr;
    QCheckBox* chkTurningPoints = nullptr;
    QCheckBox* chkSolarTerms = nullptr;
    QCheckBox* chkMoonPhases = nullptr;
    QCheckBox* chkEclipses = nullptr;
    QGroupBox* fraFormat = nullptr;
    QRadioButton* optICalendar = nullptr;
    QRadioButton* optCsv = nullptr;
    QRadioButton* optJson = nullptr;
    QCheckBox* chkReminder = nullptr;
    QSpinBox* spnReminder = nullptr;
    QComboBox* cboReminderUnit = nullptr;  // 0 days, 1 hours
    QLabel* lblReminderBefore = nullptr;
    QPushButton* cmdExport = nullptr;
    QPushButton* cmdCancel = nullptr;

    // Computes the file of a plan (WriteExport in the main window's zone).
    // May throw LibraryError.
    std::function<ExportFile(const ExportPlan& plan)> Compute;
    // Asks for the file to write, starting from `suggested` (a full
    // path); the empty string when the user cancels. A file dialog unless
    // a test replaces it.
    std::function<QString(const QString& suggested, const QString& filter)> AskSaveFileName;
    // The folder the file dialog starts in; the last one written to.
    QString LastFolder;

    // Starts from the main window's choices: `base` gives the events,
    // methods, calendar and options; the years are `year` to `year`.
    void Prepare(const ExportPlan& base, int year, bool terms_only);

    // The plan the controls say, on `base`.
    ExportPlan PlanOfControls() const;

    // Checks the choices, asks for the file, computes and writes it; the
    // dialog closes when the file is written.
    void cmdExport_Click();
    // The reminder goes only with iCalendar.
    void UpdateReminderControls();

    // The path of the last file written.
    QString WrittenPath;

private:
    ExportPlan base_;
};

// Writes `text` to `path` through QSaveFile; the empty string on success,
// else why not (the file then stays as it was, or absent).
std::string SaveWholeFile(const QString& path, const std::string& text);

}  // namespace kalvest
