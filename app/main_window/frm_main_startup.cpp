// Start-up of frmMain: Form_Load, InitializeControls and the routines that
// give the controls their colours and font family.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "common/language.h"
#include "common/program_version.h"
#include "main_window/calendar_list.h"
#include "main_window/frm_main.h"
#include "run/year_input.h"
#include "run/zone_list.h"
#include "solar/solar_events.h"
#include "export/export_plan.h"
#include "run/zone_search.h"
#include "windows/frm_all.h"
#include "windows/frm_export.h"
#include "windows/frm_moon.h"
#include "windows/frm_terms.h"
#include "windows/frm_view.h"
#include "windows/frm_wheel.h"

namespace kalvest {
namespace {

const QColor kNavy(0, 0, 128);
const QColor kWhite(255, 255, 255);
const QColor kLightGrey(180, 180, 180);

// Kinds of control that take a text colour and a background colour.
bool IsColouredKind(QWidget* control) {
    return qobject_cast<QCheckBox*>(control) || qobject_cast<QLabel*>(control) ||
           qobject_cast<QGroupBox*>(control) || qobject_cast<QRadioButton*>(control);
}

bool IsButton(QWidget* control) { return qobject_cast<QPushButton*>(control); }

bool IsTextBox(QWidget* control) {
    return qobject_cast<QLineEdit*>(control) || qobject_cast<QPlainTextEdit*>(control);
}

void SetFontFamily(QWidget* control, const QString& family) {
    QFont font = control->font();
    font.setFamily(family);
    control->setFont(font);
}

// Text colour of a control, with a dimmer shade for the disabled state so
// that a disabled caption still reads as one on the dark background. A
// frame draws its caption in the text role, which its boxes would inherit
// for their check marks; they keep the system's colour there.
void SetForeColor(QWidget* control, const QColor& colour) {
    QPalette palette = control->palette();
    const bool frame = qobject_cast<QGroupBox*>(control) != nullptr;
    const QPalette system = QApplication::palette(control);
    for (QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor shade = group == QPalette::Disabled ? colour.darker(170) : colour;
        palette.setColor(group, QPalette::WindowText, shade);
        palette.setColor(group, QPalette::Text,
                         frame ? shade : system.color(group, QPalette::Text));
    }
    control->setPalette(palette);
}

void SetBackColor(QWidget* control, const QColor& colour) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, colour);
    // Check boxes and option buttons fill their background from the
    // button role.
    palette.setColor(control->backgroundRole(), colour);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

}  // namespace

frmMain::frmMain(QWidget* parent) : QWidget(parent) {
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    // Leaves the event loop at once; unlike quit(), exit() does not first
    // ask the other windows to close.
    EndProgram = [] { QCoreApplication::exit(0); };
    CreateControls();
    ConnectHandlers();
    ConnectSecondaryCommands();
    CreateYearViews();
    CreateMenuBar();
    ConnectZoneChoice();
}

frmMain::~frmMain() { delete frmViewForm.data(); }

void frmMain::Form_Load() {
    blnStartupCompleted = false;
    // The texts come first: later steps and every handler may need them.
    strProgramTextFile = kProgramTextFileName;
    LoadProgramText(strProgramTextFile);
    setWindowTitle(windowTitle() + QStringLiteral(" ") +
                   QString::fromLatin1(kProgramVersion));
    InitializeControls();
    SetControlsFontName(this, QStringLiteral("Arial"), false, true);
    // Shown before the saved settings are applied.
    CentreOnScreen();
    show();
    RestoreSavedSettings();
    RestorePreferences();
    cmdCopyToClipboard->setText(QStringLiteral("Copy to clipboard"));
    cmdClear->setVisible(!Output.Empty());
    cmdHelp->setFocus();
    blnStartupCompleted = true;
}

void frmMain::InitializeControls() {
    SetControlsForeColor(this, kWhite);
    SetControlsBackColor(this, kNavy);
    SetForeColor(lblNotice, kLightGrey);
    const QColor notice = lblNotice->palette().color(QPalette::Active, QPalette::WindowText);
    for (QLabel* label : {lblOrvanthSystems, lblURL, lblOnlineUserManual}) {
        SetForeColor(label, notice);
    }
    SetLinkToolTips();

    SetOutputText({});
    txbYear->setText(QString::number(CurrentYear()));
    InitSettingsPath();
    InitPeriodicTerms();
    EuroDateRecord.calendar = kCalendarGregorian;

    cboCalendar->clear();
    for (const char* entry : kCalendarEntries) cboCalendar->addItem(QString::fromUtf8(entry));
    cboCalendar->setCurrentIndex(0);

    cboTimezone->clear();
    for (const ZoneEntry& zone : ZoneList()) {
        cboTimezone->addItem(QString::fromStdString(zone.text));
        cboTimezone->setItemData(cboTimezone->count() - 1, static_cast<int>(zone.minutes));
    }
    cboTimezone->setCurrentIndex(kDefaultZoneIndex);
    AddOtherZoneEntry();

    // The names come from the captions as the window shows them.
    auto caption = [](QCheckBox* box) { return box->text().toStdString(); };
    EventNames = MakeEventNames(
        {caption(chkVE), caption(chkSS), caption(chkAE), caption(chkWS)},
        {caption(chkImbolc), caption(chkBeltane), caption(chkLughnassad),
         caption(chkSamhain)});

    chkIncludeWeekday->setCheckState(Qt::Unchecked);
    optNH->setChecked(true);
}

void frmMain::SetControlsForeColor(frmMain* window, const QColor& colour) {
    for (QWidget* control : window->Controls()) {
        if (IsColouredKind(control)) SetForeColor(control, colour);
    }
}

void frmMain::SetControlsBackColor(frmMain* window, const QColor& colour) {
    SetBackColor(window, colour);
    for (QWidget* control : window->Controls()) {
        if (IsColouredKind(control)) SetBackColor(control, colour);
    }
}

void frmMain::SetControlsFontName(frmMain* window, const QString& family,
                                  bool include_text_boxes, bool include_buttons) {
    for (QWidget* control : window->Controls()) {
        if (IsColouredKind(control) || IsButton(control) ||
            qobject_cast<QComboBox*>(control)) {
            SetFontFamily(control, family);
        }
    }
    if (include_text_boxes) {
        for (QWidget* control : window->Controls()) {
            if (IsTextBox(control)) SetFontFamily(control, family);
        }
    }
    if (include_buttons) {
        for (QWidget* control : window->Controls()) {
            if (IsButton(control)) SetFontFamily(control, family);
        }
    }
}

void frmMain::CentreOnScreen() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
}

}  // namespace kalvest
