#include "windows/frm_export.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "common/message_box.h"
#include "outside/library_error.h"
#include "run/run_messages.h"
#include "run/year_input.h"

namespace kalvest {
namespace {

const char* const kTitle = "Export";

struct FormatFile {
    const char* extension;
    const char* filter;
};

FormatFile FileOf(ExportFormat format) {
    switch (format) {
        case ExportFormat::kCsv: return {".csv", "CSV table (*.csv)"};
        case ExportFormat::kJson: return {".json", "JSON (*.json)"};
        case ExportFormat::kText: return {".txt", "Text (*.txt)"};
        case ExportFormat::kICalendar: break;
    }
    return {".ics", "iCalendar (*.ics)"};
}

void Tell(const std::string& text) {
    ShowMessageBox({text, kTitle, MessageIcon::kExclamation, MessageButtons::kOk});
}

template <typename Control>
Control* Named(Control* control, const char* name, const char* accessible) {
    control->setObjectName(QString::fromLatin1(name));
    control->setAccessibleName(QString::fromUtf8(accessible));
    return control;
}

}  // namespace

std::string SaveWholeFile(const QString& path, const std::string& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString().toStdString();
    if (file.write(text.data(), static_cast<qint64>(text.size())) !=
        static_cast<qint64>(text.size())) {
        const std::string error = file.errorString().toStdString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit()) return file.errorString().toStdString();
    return {};
}

frmExport::frmExport(QWidget* parent) : QDialog(parent) {
    setObjectName("frmExport");
    setWindowTitle(QString::fromLatin1(kTitle));
    setAccessibleName(QStringLiteral("Export to a file"));

    lblFrom = Named(new QLabel(QStringLiteral("Years &from:"), this), "lblFrom", "Years from");
    spnFrom = Named(new QSpinBox(this), "spnFrom", "First year");
    lblTo = Named(new QLabel(QStringLiteral("&to:"), this), "lblTo", "to");
    spnTo = Named(new QSpinBox(this), "spnTo", "Last year");
    for (QSpinBox* box : {spnFrom, spnTo}) box->setRange(kWindowYears.first, kWindowYears.last);
    lblFrom->setBuddy(spnFrom);
    lblTo->setBuddy(spnTo);

    fraWhat = Named(new QGroupBox(QStringLiteral("Events"), this), "fraWhat", "Events");
    chkTurningPoints = Named(
        new QCheckBox(QStringLiteral("T&urning points as ticked in the main window"), fraWhat),
        "chkTurningPoints", "Turning points as ticked in the main window");
    chkSolarTerms = Named(new QCheckBox(QStringLiteral("The 24 &solar terms"), fraWhat),
                          "chkSolarTerms", "The 24 solar terms");
    chkMoonPhases = Named(new QCheckBox(QStringLiteral("&Phases of the Moon"), fraWhat),
                          "chkMoonPhases", "Phases of the Moon");
    chkEclipses = Named(new QCheckBox(QStringLiteral("&Eclipses"), fraWhat), "chkEclipses",
                        "Eclipses");
    auto* what = new QVBoxLayout(fraWhat);
    for (QCheckBox* box : {chkTurningPoints, chkSolarTerms, chkMoonPhases, chkEclipses}) {
        what->addWidget(box);
    }

    fraFormat = Named(new QGroupBox(QStringLiteral("Format"), this), "fraFormat", "Format");
    optICalendar = Named(new QRadioButton(QStringLiteral("&iCalendar, for calendar programs (.ics)"),
                                          fraFormat),
                         "optICalendar", "iCalendar");
    optCsv = Named(new QRadioButton(QStringLiteral("&CSV, for spreadsheets (.csv)"), fraFormat),
                   "optCsv", "CSV");
    optJson = Named(new QRadioButton(QStringLiteral("&JSON (.json)"), fraFormat), "optJson", "JSON");
    optICalendar->setChecked(true);
    auto* format = new QVBoxLayout(fraFormat);
    for (QRadioButton* option : {optICalendar, optCsv, optJson}) {
        format->addWidget(option);
        connect(option, &QRadioButton::toggled, this, &frmExport::UpdateReminderControls);
    }
    chkReminder = Named(new QCheckBox(QStringLiteral("&Reminder"), fraFormat), "chkReminder",
                        "Reminder before each event");
    spnReminder = Named(new QSpinBox(fraFormat), "spnReminder", "Reminder: how many");
    spnReminder->setRange(1, 99);
    spnReminder->setValue(1);
    cboReminderUnit = Named(new QComboBox(fraFormat), "cboReminderUnit", "Reminder: days or hours");
    cboReminderUnit->addItems({QStringLiteral("days"), QStringLiteral("hours")});
    lblReminderBefore = Named(new QLabel(QStringLiteral("before each event"), fraFormat),
                              "lblReminderBefore", "before each event");
    connect(chkReminder, &QCheckBox::toggled, this, &frmExport::UpdateReminderControls);
    auto* reminder = new QHBoxLayout;
    reminder->addWidget(chkReminder);
    reminder->addWidget(spnReminder);
    reminder->addWidget(cboReminderUnit);
    reminder->addWidget(lblReminderBefore);
    reminder->addStretch();
    format->addLayout(reminder);

    cmdExport = Named(new QPushButton(QStringLiteral("E&xport..."), this), "cmdExport",
                      "Export to a file");
    cmdCancel = Named(new QPushButton(QStringLiteral("Cancel"), this), "cmdCancel", "Cancel");
    cmdExport->setDefault(true);
    connect(cmdExport, &QPushButton::clicked, this, &frmExport::cmdExport_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* years = new QHBoxLayout;
    years->addWidget(lblFrom);
    years->addWidget(spnFrom);
    years->addWidget(lblTo);
    years->addWidget(spnTo);
    years->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdExport);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(years);
    layout->addWidget(fraWhat);
    layout->addWidget(fraFormat);
    layout->addLayout(buttons);

    QWidget* order[] = {spnFrom,      spnTo,       chkTurningPoints, chkSolarTerms,
                        chkMoonPhases, chkEclipses, optICalendar,     optCsv,
                        optJson,      chkReminder, spnReminder,      cboReminderUnit,
                        cmdExport,    cmdCancel};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);

    LastFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (LastFolder.isEmpty()) LastFolder = QDir::homePath();
    AskSaveFileName = [this](const QString& suggested, const QString& filter) {
        return QFileDialog::getSaveFileName(this, QStringLiteral("Export to"), suggested, filter);
    };
    UpdateReminderControls();
}

void frmExport::Prepare(const ExportPlan& base, int year, bool terms_only) {
    base_ = base;
    spnFrom->setValue(year);
    spnTo->setValue(year);
    const std::vector<PlannedLine> lines = PlanRun(base.selection);
    chkTurningPoints->setChecked(!terms_only && !lines.empty());
    chkSolarTerms->setChecked(terms_only);
    if (terms_only) {
        chkMoonPhases->setChecked(false);
        chkEclipses->setChecked(false);
    }
    UpdateReminderControls();
    spnFrom->setFocus();
    spnFrom->selectAll();
}

void frmExport::UpdateReminderControls() {
    const bool calendar = optICalendar->isChecked();
    chkReminder->setEnabled(calendar);
    const bool reminder = calendar && chkReminder->isChecked();
    spnReminder->setEnabled(reminder);
    cboReminderUnit->setEnabled(reminder);
    lblReminderBefore->setEnabled(reminder);
}

ExportPlan frmExport::PlanOfControls() const {
    ExportPlan plan = base_;
    plan.first_year = spnFrom->value();
    plan.last_year = spnTo->value();
    plan.turning_points = chkTurningPoints->isChecked();
    plan.solar_terms = chkSolarTerms->isChecked();
    plan.moon_phases = chkMoonPhases->isChecked();
    plan.eclipses = chkEclipses->isChecked();
    plan.format = optCsv->isChecked()    ? ExportFormat::kCsv
                  : optJson->isChecked() ? ExportFormat::kJson
                                         : ExportFormat::kICalendar;
    plan.reminder.reset();
    if (plan.format == ExportFormat::kICalendar && chkReminder->isChecked()) {
        const std::int64_t unit = cboReminderUnit->currentIndex() == 1 ? 60 : 24 * 60;
        plan.reminder = Reminder{std::min<std::int64_t>(spnReminder->value() * unit,
                                                        kLongestReminderMinutes)};
    }
    return plan;
}

void frmExport::cmdExport_Click() {
    const ExportPlan plan = PlanOfControls();
    if (const std::string problem = ExportPlanProblem(plan); !problem.empty()) {
        Tell(problem);
        return;
    }

    const FormatFile kind = FileOf(plan.format);
    const QString years = plan.first_year == plan.last_year
                              ? QString::number(plan.first_year)
                              : QStringLiteral("%1-%2").arg(plan.first_year).arg(plan.last_year);
    QString path = AskSaveFileName(
        QDir(LastFolder).filePath(QStringLiteral("kalvest-") + years + kind.extension),
        QString::fromLatin1(kind.filter));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QString::fromLatin1(kind.extension);

    ExportFile file;
    try {
        file = Compute(plan);
    } catch (const LibraryError& error) {
        Tell(LibraryFailureMessage(error));
        return;
    }
    const std::string failure = SaveWholeFile(path, file.text);
    if (!failure.empty()) {
        Tell("The file could not be written to " + path.toStdString() + ": " + failure);
        return;
    }
    LastFolder = QFileInfo(path).absolutePath();
    WrittenPath = path;
    accept();
}

}  // namespace kalvest
