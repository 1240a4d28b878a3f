#include "windows/frm_moon.h"

#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>

#include "windows/window_twips.h"

namespace kalvest {
namespace {

// Twips, as the main window's controls.
constexpr int kMargin = 120;
constexpr int kGap = 120;
constexpr int kCopyButtonWidth = 2200;
constexpr int kCloseButtonWidth = 855;
constexpr int kButtonHeight = 360;
// Pixels, without a main window to match.
constexpr int kDefaultHeight = 560;

void SetColours(QWidget* widget, const QColor& background, const QColor& text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    for (QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::WindowText, text);
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QPushButton* Button(const QString& caption, const char* name, int width_twips,
                    const QFont& font, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(font);
    // The system's colours, as the main window's buttons keep them.
    button->setPalette(QGuiApplication::palette());
    button->setFixedSize(PixelsFromTwips(width_twips), PixelsFromTwips(kButtonHeight));
    return button;
}

}  // namespace

frmMoon::frmMoon(const WindowLook& look, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmMoon");
    SetColours(this, look.background, look.text);

    lblTitle = new QLabel(this);
    lblTitle->setObjectName("lblTitle");
    lblTitle->setFont(look.caption);
    SetColours(lblTitle, look.background, look.text);

    txbMoon = new QPlainTextEdit(this);
    txbMoon->setObjectName("txbMoon");
    txbMoon->setFont(look.list);
    txbMoon->setReadOnly(true);
    // Read-only text can still be selected and copied, and takes the focus.
    txbMoon->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txbMoon->setTabChangesFocus(true);
    txbMoon->setLineWrapMode(QPlainTextEdit::NoWrap);
    txbMoon->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The system's colours, as the main window's output box keeps them.
    txbMoon->setPalette(QGuiApplication::palette());

    cmdCopyToClipboard = Button("Copy to clipboard", "cmdCopyToClipboard", kCopyButtonWidth,
                                look.button, this);
    cmdClose = Button("Close", "cmdClose", kCloseButtonWidth, look.button, this);
    connect(cmdCopyToClipboard, &QPushButton::clicked, this, &frmMoon::cmdCopyToClipboard_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmMoon::cmdClose_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdCopyToClipboard);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    const int margin = PixelsFromTwips(kMargin);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(PixelsFromTwips(kGap));
    layout->addWidget(lblTitle);
    layout->addWidget(txbMoon, 1);
    layout->addLayout(buttons);
}

void frmMoon::ShowList(QWidget* main_window, const QString& title, const std::string& text) {
    setWindowTitle(title);
    lblTitle->setText(title);
    txbMoon->setPlainText(QString::fromStdString(text));
    txbMoon->moveCursor(QTextCursor::Start);
    txbMoon->verticalScrollBar()->setValue(0);
    if (!placed_) {
        PlaceBeside(main_window);
        placed_ = true;
    } else if (width() < ListWidth()) {
        resize(ListWidth(), height());  // a longer line than before
    }
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

int frmMoon::ListWidth() const {
    const QFontMetrics metrics(txbMoon->font());
    int longest = 0;
    for (const QString& line : txbMoon->toPlainText().split('\n')) {
        longest = std::max(longest, metrics.horizontalAdvance(line));
    }
    const int text_width = longest + 2 * static_cast<int>(txbMoon->document()->documentMargin()) +
                           2 * txbMoon->frameWidth() +
                           style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, txbMoon) +
                           metrics.averageCharWidth();  // room after the last character
    return std::max(text_width + 2 * PixelsFromTwips(kMargin), minimumSizeHint().width());
}

void frmMoon::PlaceBeside(QWidget* main_window) {
    const QWidget* main = main_window ? main_window->window() : nullptr;
    resize(ListWidth(), main ? main->height() : kDefaultHeight);
    if (!main) return;
    // Beside the main window, so that both stay in view; where the screen
    // has no room for that, at its right edge, over the main window's
    // right-hand part but clear of the year, calendar and zone.
    const QRect beside = main->frameGeometry();
    int left = beside.right() + 1 + PixelsFromTwips(kGap);
    if (const QScreen* screen = main->screen()) {
        const QRect area = screen->availableGeometry();
        left = std::max(area.left(), std::min(left, area.right() + 1 - frameGeometry().width()));
    }
    move(left, beside.top());
}

void frmMoon::cmdCopyToClipboard_Click() {
    QGuiApplication::clipboard()->setText(txbMoon->toPlainText());
}

void frmMoon::cmdClose_Click() { hide(); }

}  // namespace kalvest
