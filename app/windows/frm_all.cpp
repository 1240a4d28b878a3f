#include "windows/frm_all.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "run/display_all_texts.h"
#include "windows/program_icon.h"
#include "windows/window_twips.h"

namespace kalvest {
namespace {

// Twips.
constexpr int kRunTopOffset = 850;
constexpr int kRunWidth = 12180;
constexpr int kRunHeight = 3000;
constexpr int kGrowth = 150;
constexpr int kSideMargins = 100 + 100;
constexpr int kTopAndBottomMargins = 375 + 100;
constexpr int kGap = 25;
constexpr int kCellDrop = 50;
constexpr int kButtonWidth = 900;
constexpr int kButtonHeight = 330;

const QColor kBackground(128, 128, 255);  // &H00FF8080

// Rounded to a 16-bit whole number, halves to even.
std::int16_t Whole16(double value) {
    const double rounded = std::nearbyint(value);
    return static_cast<std::int16_t>(std::clamp(
        rounded, static_cast<double>(std::numeric_limits<std::int16_t>::min()),
        static_cast<double>(std::numeric_limits<std::int16_t>::max())));
}

void SetBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QString ShownText(const std::string& text) {
    return QString::fromStdString(text).replace("\r\n", "\n");
}

}  // namespace

frmAll::frmAll(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName("frmAll");
    setWindowIcon(ProgramIcon());
    SetBackground(this, kBackground);

    QFont cell_font("Courier New");
    cell_font.setPointSizeF(8.25);
    for (int i = 0; i < 9; ++i) {
        QLabel* cell = new QLabel(this);
        cell->setObjectName("lblEvent");
        cell->setProperty("Index", i);
        cell->setFont(cell_font);
        cell->setFrameStyle(QFrame::Box | QFrame::Plain);
        cell->setLineWidth(1);
        cell->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        cell->setWordWrap(true);
        QPalette palette = cell->palette();
        palette.setColor(QPalette::Window, palette.color(QPalette::Base));
        palette.setColor(QPalette::WindowText, palette.color(QPalette::Text));
        cell->setPalette(palette);
        cell->setAutoFillBackground(true);
        lblEvent[i] = cell;
    }

    cmdClose = new QPushButton("Close", this);
    cmdClose->setObjectName("cmdClose");
    cmdClose->resize(PixelsFromTwips(kButtonWidth), PixelsFromTwips(kButtonHeight));
    connect(cmdClose, &QPushButton::clicked, this, &frmAll::cmdClose_Click);

    SetSizeTwips(kRunWidth, kRunHeight);
}

int frmAll::WidthTwips() const { return static_cast<int>(TwipsFromPixels(width())); }

int frmAll::HeightTwips() const { return static_cast<int>(TwipsFromPixels(height())); }

void frmAll::SetSizeTwips(double width, double height) {
    setFixedSize(PixelsFromTwips(width), PixelsFromTwips(height));
}

void frmAll::ShowRun(QWidget* main_window, const QString& caption,
                     const std::array<std::string, 9>& cell_texts) {
    SetBackground(this, kBackground);
    setWindowTitle(caption);

    const QWidget* main = main_window != nullptr ? main_window->window() : nullptr;
    const QScreen* screen = main != nullptr && main->screen() != nullptr
                                ? main->screen()
                                : QGuiApplication::primaryScreen();
    const QRect area = screen != nullptr ? screen->geometry() : QRect(0, 0, 0, 0);
    const int top = (main != nullptr ? main->y() : area.y()) + PixelsFromTwips(kRunTopOffset);
    const int width = PixelsFromTwips(kRunWidth);
    SetSizeTwips(kRunWidth, kRunHeight);
    move(area.x() + (area.width() - width) / 2, top);
    grown_this_run_ = false;

    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
    Form_Activate();

    for (int i = 0; i < 9; ++i) {
        if (i != 4) lblEvent[i]->setText(ShownText(cell_texts[i]));
    }
}

void frmAll::Form_Activate() {
    if (isMinimized()) showNormal();
    // The layout's room below the grid is given once per run, so that
    // coming back to the window makes neither it nor its cells taller; later
    // activations lay out from the height the run set.
    const int run_height = grown_this_run_ ? HeightTwips() - kGrowth : HeightTwips();
    const std::int16_t w = Whole16((WidthTwips() - kSideMargins) / 3.0);
    const std::int16_t h = Whole16((run_height - kTopAndBottomMargins) / 3.0);
    if (!grown_this_run_) {
        SetSizeTwips(WidthTwips(), run_height + kGrowth);
        grown_this_run_ = true;
    }
    const int tops[3] = {kGap, kGap + h + kGap, kGap + h + kGap + h + kGap};
    const int lefts[3] = {kGap, kGap + w + kGap, kGap + w + kGap + w + kGap};
    for (int i = 0; i < 9; ++i) {
        lblEvent[i]->setGeometry(PixelsFromTwips(lefts[i % 3]),
                                 PixelsFromTwips(tops[i / 3] + kCellDrop),
                                 PixelsFromTwips(w), PixelsFromTwips(h));
    }

    QLabel* centre = lblEvent[4];
    SetBackground(centre, palette().color(QPalette::Window));
    centre->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    centre->setText(kDisplayAllCentreText);
    QFont centre_font("Arial");
    centre_font.setPointSizeF(lblEvent[3]->font().pointSizeF() + 2);
    centre->setFont(centre_font);
    centre->setFrameStyle(QFrame::NoFrame);

    const double centre_left = lefts[1];
    const double centre_top = tops[1] + kCellDrop;
    cmdClose->move(PixelsFromTwips(centre_left + (w - kButtonWidth) / 2.0),
                   PixelsFromTwips(centre_top + 2.0 * (h - kButtonHeight) / 3.0));
    cmdClose->raise();
}

void frmAll::cmdClose_Click() { hide(); }

bool frmAll::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) Form_Activate();
    return QWidget::event(event);
}

void frmAll::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Form_Activate();
}

}  // namespace kalvest
