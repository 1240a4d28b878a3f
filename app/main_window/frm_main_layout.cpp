// The controls of frmMain as designed: object names, captions, places and
// sizes (twips, converted to pixels), design fonts and the tab order. The
// font family and the colours are set later, by start-up.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

#include "main_window/frm_main.h"
#include "windows/program_icon.h"
#include "windows/window_twips.h"

namespace kalvest {
namespace {

constexpr int kClientWidthTwips = 8595;
constexpr int kClientHeightTwips = 8370;
constexpr double kCaptionPoints = 9.75;
constexpr double kSmallPoints = 8.25;
constexpr int kYearMaxLength = 5;
constexpr int kNoTabStop = -1;

// A design font: the size and style the control is drawn with; the family
// stays the toolkit's until start-up names one.
QFont DesignFont(double points, bool bold = false, bool underline = false) {
    QFont font;
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

// Keeps the system's colours on a control whatever its container is given
// later: roles set on a control itself are not inherited from the parent.
void KeepSystemColours(QWidget* control) {
    QPalette palette = control->palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText}) {
        for (QPalette::ColorGroup group :
             {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            palette.setColor(group, role, palette.color(group, role));
        }
    }
    control->setPalette(palette);
}

// The year box takes at most five typed characters. A longer text set by
// the program stays whole (a length limit on the widget would cut it), and
// typing may still shorten it but never lengthen it.
class YearLengthValidator : public QValidator {
public:
    explicit YearLengthValidator(QLineEdit* box) : QValidator(box) {
        // Runs after every change, typed or set, once it has been accepted.
        connect(box, &QLineEdit::textChanged, this, [this](const QString& text) {
            allowed_length_ = std::max<qsizetype>(kYearMaxLength, text.size());
        });
    }
    State validate(QString& input, int&) const override {
        return input.size() <= allowed_length_ ? Acceptable : Invalid;
    }

private:
    qsizetype allowed_length_ = kYearMaxLength;
};

// The toolkit's list boxes leave wide margins round the entry text; the
// longest calendar entry would lose its last character at the designed
// width. This style gives the text the margins back.
class ListBoxStyle : public QProxyStyle {
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl part, const QWidget* widget) const override {
        QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
        if (control == CC_ComboBox && part == SC_ComboBoxEditField) {
            rect.adjust(-kMarginGiven, 0, kMarginGiven, 0);
        }
        return rect;
    }

private:
    static constexpr int kMarginGiven = 3;
};

}  // namespace

template <typename Control>
Control* frmMain::Add(Control* control, const char* name, int left, int top,
                      int width, int height, int tab_index) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(PixelsFromTwips(left), PixelsFromTwips(top),
                         PixelsFromTwips(width), PixelsFromTwips(height));
    controls_.push_back(control);
    if (tab_index >= 0) tab_indexes_.emplace_back(tab_index, control);
    return control;
}

void frmMain::CreateControls() {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Kalvest"));
    setWindowIcon(ProgramIcon());
    // The designed client area; the menu bar comes above it (PlaceClientArea).
    ClientArea = new QWidget(this);
    ClientArea->setObjectName(QStringLiteral("ClientArea"));
    ClientArea->setGeometry(0, 0, PixelsFromTwips(kClientWidthTwips),
                            PixelsFromTwips(kClientHeightTwips));
    setFixedSize(ClientArea->size());
    CreateTopRow();
    CreateEquinoxFrame();
    CreateCrossQuarterFrame();
    CreateMiddleRow();
    CreateBottomRow();
    for (QWidget* control : controls_) {
        if (qobject_cast<QPushButton*>(control) || qobject_cast<QComboBox*>(control) ||
            qobject_cast<QLineEdit*>(control) || qobject_cast<QPlainTextEdit*>(control)) {
            KeepSystemColours(control);
        }
    }
    SetTabOrder();
}

void frmMain::CreateTopRow() {
    lblYear = Add(new QLabel(QStringLiteral("Year:"), ClientArea), "lblYear", 120, 135, 735, 300, 0);
    lblYear->setFont(DesignFont(kCaptionPoints));

    txbYear = Add(new QLineEdit(ClientArea), "txbYear", 720, 120, 780, 360, 1);
    QFont year_font = DesignFont(kCaptionPoints);
    year_font.setFamily(QStringLiteral("Arial"));
    txbYear->setFont(year_font);
    txbYear->setValidator(new YearLengthValidator(txbYear));

    lblCalendar = Add(new QLabel(QStringLiteral("Calendar:"), ClientArea), "lblCalendar",
                      1560, 135, 975, 300, 23);
    lblCalendar->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblCalendar->setFont(DesignFont(kCaptionPoints));

    cboCalendar = Add(new QComboBox(ClientArea), "cboCalendar", 2640, 120, 3375, 360, 34);
    cboCalendar->setFont(DesignFont(kCaptionPoints));

    lblTimezone = Add(new QLabel(QStringLiteral("TZ:"), ClientArea), "lblTimezone",
                      6000, 135, 495, 300, 25);
    lblTimezone->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblTimezone->setFont(DesignFont(kCaptionPoints));

    cboTimezone = Add(new QComboBox(ClientArea), "cboTimezone", 6600, 120, 1455, 360, 33);
    cboTimezone->setFont(DesignFont(kCaptionPoints));

    auto* list_style = new ListBoxStyle;
    list_style->setParent(this);
    cboCalendar->setStyle(list_style);
    cboTimezone->setStyle(list_style);
}

void frmMain::CreateEquinoxFrame() {
    Frame1 = Add(new QGroupBox(QStringLiteral("Select equinoxes and solstices: "), ClientArea),
                 "Frame1", 120, 600, 3615, 2225, 2);
    Frame1->setFont(DesignFont(kCaptionPoints));
    Frame1->setFocusPolicy(Qt::NoFocus);
    auto box = [this](const char* caption, const char* name, int top, int tab) {
        QCheckBox* check = Add(new QCheckBox(QString::fromUtf8(caption), Frame1), name,
                               120, top, 3300, 255, tab);
        check->setFont(DesignFont(kCaptionPoints));
        return check;
    };
    chkVE = box("Spring (March) equinox", "chkVE", 360, 4);
    chkSS = box("Summer (June) solstice", "chkSS", 720, 3);
    chkAE = box("Autumn (September) equinox", "chkAE", 1080, 5);
    chkWS = box("Winter (December) solstice", "chkWS", 1440, 6);
    cmdAllOrNoneKalvest[0] = Add(new QPushButton(QStringLiteral("All"), Frame1),
                                 "cmdAllOrNoneKalvest", 120, 1800, 735, 270, 35);
    cmdAllOrNoneKalvest[1] = Add(new QPushButton(QStringLiteral("None"), Frame1),
                                 "cmdAllOrNoneKalvest", 1080, 1800, 735, 270, 36);
    cmdAllOrNoneKalvest[0]->setProperty("Index", 0);
    cmdAllOrNoneKalvest[1]->setProperty("Index", 1);
}

void frmMain::CreateCrossQuarterFrame() {
    Frame2 = Add(new QGroupBox(QStringLiteral("Select cross-quarter days: "), ClientArea),
                 "Frame2", 3960, 600, 4095, 2225, 12);
    Frame2->setFont(DesignFont(kCaptionPoints));
    Frame2->setFocusPolicy(Qt::NoFocus);
    auto box = [this](const char* caption, const char* name, int left, int top,
                      int width, int tab) {
        QCheckBox* check = Add(new QCheckBox(QString::fromUtf8(caption), Frame2), name,
                               left, top, width, 255, tab);
        check->setFont(DesignFont(kCaptionPoints));
        return check;
    };
    chkImbolc = box("Imbolc", "chkImbolc", 120, 360, 1815, 13);
    chkBeltane = box("Beltane", "chkBeltane", 120, 720, 1815, 14);
    chkLughnassad = box("Lughnassad", "chkLughnassad", 120, 1080, 1815, 15);
    chkSamhain = box("Samhain", "chkSamhain", 120, 1440, 1815, 16);
    Label2 = Add(new QLabel(QStringLiteral("Calculation method:"), Frame2), "Label2",
                 2040, 360, 1935, 255, 17);
    Label2->setFont(DesignFont(kCaptionPoints));
    chkMeanSun = box("Mean sun", "chkMeanSun", 2040, 720, 1455, 19);
    chkTrueSun = box("True sun", "chkTrueSun", 2040, 1080, 1455, 18);
    cmdAllOrNoneKalvest[2] = Add(new QPushButton(QStringLiteral("All"), Frame2),
                                 "cmdAllOrNoneKalvest", 120, 1800, 735, 270, 37);
    cmdAllOrNoneKalvest[3] = Add(new QPushButton(QStringLiteral("None"), Frame2),
                                 "cmdAllOrNoneKalvest", 1080, 1800, 735, 270, 38);
    cmdAllOrNoneKalvest[2]->setProperty("Index", 2);
    cmdAllOrNoneKalvest[3]->setProperty("Index", 3);
}

void frmMain::CreateMiddleRow() {
    cmdCalculate = Add(
        new QPushButton(QStringLiteral("Calculate dates and times of selected events"), ClientArea),
        "cmdCalculate", 120, 3000, 4935, 360, 7);
    cmdCalculate->setFont(DesignFont(kCaptionPoints, true));
    cmdDisplayAll = Add(new QPushButton(QStringLiteral("Display all for:"), ClientArea),
                        "cmdDisplayAll", 5400, 3000, 2655, 360, 24);
    optNH = Add(new QRadioButton(QStringLiteral("Northern hemisphere"), ClientArea), "optNH",
                5400, 3360, 2655, 255, 26);
    optSH = Add(new QRadioButton(QStringLiteral("Southern hemisphere"), ClientArea), "optSH",
                5400, 3600, 2655, 255, 27);
    chkIncludeWeekday = Add(new QCheckBox(QStringLiteral("Include weekday"), ClientArea),
                            "chkIncludeWeekday", 120, 3480, 2055, 255, 21);
    cmdSaveSettings = Add(new QPushButton(QStringLiteral("Save settings"), ClientArea),
                          "cmdSaveSettings", 2880, 3480, 2175, 360, 20);
    for (QWidget* control : {static_cast<QWidget*>(cmdDisplayAll),
                             static_cast<QWidget*>(optNH), static_cast<QWidget*>(optSH),
                             static_cast<QWidget*>(chkIncludeWeekday),
                             static_cast<QWidget*>(cmdSaveSettings)}) {
        control->setFont(DesignFont(kCaptionPoints));
    }

    txbOutput = Add(new QPlainTextEdit(ClientArea), "txbOutput", 120, 4005, 8295, 3330, 11);
    QFont fixed = DesignFont(kSmallPoints);
    fixed.setFamily(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setFixedPitch(true);
    txbOutput->setFont(fixed);
    txbOutput->setReadOnly(true);
    txbOutput->setTabChangesFocus(true);
    txbOutput->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txbOutput->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Read-only text can still be selected and copied, and takes the focus.
    txbOutput->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                       Qt::TextSelectableByKeyboard);
}

void frmMain::CreateBottomRow() {
    cmdClear = Add(new QPushButton(QStringLiteral("Clear"), ClientArea), "cmdClear",
                   120, 7485, 855, 360, 22);
    cmdCopyToClipboard = Add(new QPushButton(QStringLiteral("Copy to clipboard"), ClientArea),
                             "cmdCopyToClipboard", 1100, 7485, 2200, 360, 10);
    cmdOrvanthSoftware = Add(new QPushButton(QStringLiteral("Orvanth Systems Software"), ClientArea),
                             "cmdOrvanthSoftware", 3550, 7485, 2800, 360, 32);
    cmdHelp = Add(new QPushButton(QStringLiteral("Help"), ClientArea), "cmdHelp",
                  6600, 7485, 855, 360, 8);
    cmdQuit = Add(new QPushButton(QStringLiteral("Quit"), ClientArea), "cmdQuit",
                  7560, 7485, 855, 360, 9);
    for (QPushButton* button :
         {cmdClear, cmdCopyToClipboard, cmdOrvanthSoftware, cmdHelp, cmdQuit}) {
        button->setFont(DesignFont(kCaptionPoints));
    }

    lblNotice = Add(new QLabel(QStringLiteral("Copyright \u00A9"), ClientArea), "lblNotice",
                    120, 7935, 1605, 240, kNoTabStop);
    lblNotice->setFont(DesignFont(kSmallPoints));
    lblOrvanthSystems = Add(new QLabel(QStringLiteral("Orvanth Systems"), ClientArea),
                            "lblOrvanthSystems", 1365, 7935, 2115, 240, kNoTabStop);
    lblOrvanthSystems->setFont(DesignFont(kSmallPoints, false, true));
    lblURL = Add(new QLabel(QStringLiteral("www.orvanth.example"), ClientArea), "lblURL",
                 2805, 7935, 1845, 240, kNoTabStop);
    lblURL->setFont(DesignFont(kSmallPoints));
    lblOnlineUserManual = Add(new QLabel(QStringLiteral("Online user manual"), ClientArea),
                              "lblOnlineUserManual", 5700, 7935, 2535, 240, kNoTabStop);
    lblOnlineUserManual->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblOnlineUserManual->setFont(DesignFont(kSmallPoints, false, true));
}

void frmMain::SetTabOrder() {
    std::vector<std::pair<int, QWidget*>> order = tab_indexes_;
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QWidget* previous = nullptr;
    for (const auto& [index, control] : order) {
        if (control->focusPolicy() == Qt::NoFocus) continue;  // labels and frames
        if (previous) setTabOrder(previous, control);
        previous = control;
    }
}

}  // namespace kalvest
