// The input controls of frmMain and the small commands that compute
// nothing: All/None, the method controls, the focus rules, Enter in the
// year box and on a button, Clear, Copy to clipboard, Quit, closing, and
// the year check.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "common/language.h"
#include "common/message_box.h"
#include "main_window/frm_main.h"
#include "run/year_input.h"

namespace kalvest {
namespace {

constexpr int kEnterKeyCode = 13;

// A check box's change of state: Qt 6.7 added checkStateChanged, with the
// state as Qt::CheckState, and deprecated stateChanged, with an int.
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
constexpr auto kCheckStateChanged = &QCheckBox::checkStateChanged;
#else
constexpr auto kCheckStateChanged = &QCheckBox::stateChanged;
#endif

// The key code a key event stands for, as the handlers know them: Enter
// (either key) is 13, other keys their toolkit code.
int KeyCodeOf(const QKeyEvent* key) {
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) return kEnterKeyCode;
    return key->key();
}

}  // namespace

void frmMain::ConnectHandlers() {
    for (int index = 0; index < 4; ++index) {
        connect(cmdAllOrNoneKalvest[index], &QPushButton::clicked, this,
                [this, index] { cmdAllOrNoneKalvest_Click(index); });
    }
    connect(chkImbolc, kCheckStateChanged, this, [this] { chkImbolc_Click(); });
    connect(chkBeltane, kCheckStateChanged, this, [this] { chkBeltane_Click(); });
    connect(chkLughnassad, kCheckStateChanged, this, [this] { chkLughnassad_Click(); });
    connect(chkSamhain, kCheckStateChanged, this, [this] { chkSamhain_Click(); });
    // Only a settings file can make a box grey (it then becomes a
    // three-state box); the user's clicks only ever check and uncheck.
    for (QCheckBox* box : {chkVE, chkSS, chkAE, chkWS, chkImbolc, chkBeltane, chkLughnassad,
                           chkSamhain, chkMeanSun, chkTrueSun, chkIncludeWeekday}) {
        connect(box, &QCheckBox::clicked, box, [box] { box->setTristate(false); });
    }
    // A choice from a list counts whether or not it changes the entry.
    connect(cboCalendar, &QComboBox::activated, this, [this] { cboCalendar_Click(); });
    connect(cboCalendar, &QComboBox::currentIndexChanged, this, [this] { cboCalendar_Click(); });
    connect(cboTimezone, &QComboBox::activated, this, [this] { cboTimezone_Click(); });
    connect(cboTimezone, &QComboBox::currentIndexChanged, this, [this] { cboTimezone_Click(); });
    connect(optNH, &QRadioButton::toggled, this, [this](bool on) { if (on) optNH_Click(); });
    connect(optSH, &QRadioButton::toggled, this, [this](bool on) { if (on) optSH_Click(); });
    connect(cmdCalculate, &QPushButton::clicked, this, [this] { cmdCalculate_Click(); });
    connect(cmdClear, &QPushButton::clicked, this, [this] { cmdClear_Click(); });
    connect(cmdCopyToClipboard, &QPushButton::clicked, this,
            [this] { cmdCopyToClipboard_Click(); });
    connect(cmdQuit, &QPushButton::clicked, this, [this] { cmdQuit_Click(); });
    txbYear->installEventFilter(this);
    // The focus rules send the focus to a command button so that Enter
    // presses it; a push button outside a dialog ignores Enter by itself.
    for (QWidget* control : controls_) {
        if (qobject_cast<QPushButton*>(control) != nullptr) control->installEventFilter(this);
    }
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (auto* button = qobject_cast<QPushButton*>(watched);
        button != nullptr && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (KeyCodeOf(key) == kEnterKeyCode) {
            // Held down, Enter presses the button once; a second run needs
            // a second press.
            if (!key->isAutoRepeat()) button->click();
            return true;
        }
    }
    if (watched == txbYear &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int code = KeyCodeOf(key);
        if (event->type() == QEvent::KeyPress) {
            if (code == kEnterKeyCode && !key->isAutoRepeat()) enter_pressed_in_year_ = true;
        } else if (!key->isAutoRepeat()) {
            // An Enter that dismissed a message box is released here once
            // the box has gone; it was not pressed here and must not start
            // another run (which would show the box again, for ever).
            const bool pressed_here = code != kEnterKeyCode || enter_pressed_in_year_;
            if (code == kEnterKeyCode) enter_pressed_in_year_ = false;
            if (pressed_here) txbYear_KeyUp(code, static_cast<int>(key->modifiers()));
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmMain::cmdAllOrNoneKalvest_Click(int Index) {
    const Qt::CheckState value = (Index == 0 || Index == 2) ? Qt::Checked : Qt::Unchecked;
    if (Index > 1) {
        for (QCheckBox* box : {chkImbolc, chkBeltane, chkLughnassad, chkSamhain}) {
            box->setCheckState(value);
        }
    } else {
        for (QCheckBox* box : {chkVE, chkSS, chkAE, chkWS}) box->setCheckState(value);
    }
    cmdCalculate->setFocus();
}

bool frmMain::IsChecked(const QCheckBox* box) { return box->checkState() == Qt::Checked; }
bool frmMain::IsUnchecked(const QCheckBox* box) { return box->checkState() == Qt::Unchecked; }

void frmMain::chkImbolc_Click() { UpdateMethodControls(); }
void frmMain::chkBeltane_Click() { UpdateMethodControls(); }
void frmMain::chkLughnassad_Click() { UpdateMethodControls(); }
void frmMain::chkSamhain_Click() { UpdateMethodControls(); }

void frmMain::UpdateMethodControls() {
    // A grey (indeterminate) box does not count as selected.
    const bool any = IsChecked(chkImbolc) || IsChecked(chkBeltane) ||
                     IsChecked(chkLughnassad) || IsChecked(chkSamhain);
    Label2->setEnabled(any);
    chkMeanSun->setEnabled(any);
    chkTrueSun->setEnabled(any);
}

void frmMain::txbYear_KeyUp(int KeyCode, int /*Shift*/) {
    if (KeyCode == kEnterKeyCode && cmdCalculate->isEnabled()) cmdCalculate_Click();
}

void frmMain::cboCalendar_Click() {
    if (blnStartupCompleted) cmdCalculate->setFocus();
}

void frmMain::cboTimezone_Click() {
    if (blnStartupCompleted) cmdCalculate->setFocus();
}

void frmMain::optNH_Click() {
    if (blnStartupCompleted && cmdDisplayAll->isEnabled()) cmdDisplayAll->setFocus();
}

void frmMain::optSH_Click() {
    if (blnStartupCompleted && cmdDisplayAll->isEnabled()) cmdDisplayAll->setFocus();
}

void frmMain::cmdClear_Click() {
    SetOutputText({});
    cmdClear->setEnabled(false);
}

void frmMain::cmdCopyToClipboard_Click() { CopyOutputToClipboard(); }

void frmMain::CopyOutputToClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    // An empty output leaves the clipboard without text. A line feed
    // becomes the platform's own line end on the clipboard.
    if (!Output.Empty()) clipboard->setText(QString::fromStdString(Output.WithLineFeeds()));
}

void frmMain::cmdQuit_Click() { EndProgram(); }

void frmMain::closeEvent(QCloseEvent* event) {
    // Closing the window through its title bar ends the whole program,
    // hidden secondary windows or not.
    QWidget::closeEvent(event);
    if (event->isAccepted()) EndProgram();
}

bool frmMain::YearInputInvalid() {
    const YearCheck check = CheckYearText(txbYear->text().toStdString());
    txbYear->setText(QString::fromStdString(check.trimmed));
    MessageBoxRequest rejection;
    rejection.icon = MessageIcon::kInformation;
    rejection.buttons = MessageButtons::kOk;
    switch (check.verdict) {
        case YearVerdict::kAccepted:
            Year = *check.value;
            return false;
        case YearVerdict::kMissing:
            rejection.text = kYearMissingMessage;
            rejection.title = kInvalidInputTitle;
            break;
        case YearVerdict::kNotWhole:
            rejection.text = kYearNotWholeMessage;
            rejection.title = kInvalidInputTitle;
            break;
        case YearVerdict::kOutOfRange:
            // A number too large for Year leaves Year as it was.
            if (check.value) Year = *check.value;
            rejection.text = GetProgramText(kYearOutOfRangeTextNumber);
            rejection.title = GetProgramText(kYearOutOfRangeTitleNumber);
            break;
    }
    ShowMessageBox(rejection);
    txbYear->setText(QString::number(CurrentYear()));
    return true;
}

}  // namespace kalvest
