#include "windows/frm_terms.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "common/display_width.h"
#include "common/message_box.h"
#include "outside/library_error.h"
#include "run/run_messages.h"
#include "windows/window_twips.h"

namespace kalvest {
namespace {

// Twips, as the main window's controls.
constexpr int kMargin = 120;
constexpr int kGap = 120;
constexpr int kButtonHeight = 360;
constexpr int kListHeightLines = 50;  // both methods: 48 lines

const char* const kTitle = "Solar terms";

// A fixed-pitch font draws a Chinese character narrower than the two
// letters it takes in a terminal (the characters come from another font,
// most as wide as 1.7 letters), and a letter it lacks (some of the
// pinyin's tone marks) as wide as the font that has it. Each such
// character gets the letter spacing that makes up the difference, so that
// the columns line up as the listing padded them; the text stays the
// listing's, for Copy.
void AlignToColumns(QPlainTextEdit* box) {
    const QFontMetricsF metrics(box->font());
    const double column = metrics.horizontalAdvance(QLatin1Char('0'));
    const QString text = box->toPlainText();
    QTextCursor cursor(box->document());
    for (qsizetype i = 0; i < text.size();) {
        const char32_t code = text.at(i).isHighSurrogate() && i + 1 < text.size()
                                  ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1))
                                  : text.at(i).unicode();
        const qsizetype length = code > 0xFFFF ? 2 : 1;
        const double wanted = (IsWideCharacter(code) ? 2 : 1) * column;
        const double off = wanted - metrics.horizontalAdvance(text.mid(i, length));
        if (code != '\n' && std::fabs(off) > 0.01) {
            QTextCharFormat format;
            format.setFontLetterSpacingType(QFont::AbsoluteSpacing);
            format.setFontLetterSpacing(off);
            cursor.setPosition(static_cast<int>(i));
            cursor.setPosition(static_cast<int>(i + length), QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(format);
        }
        i += length;
    }
}

void SetColours(QWidget* widget, const QColor& background, const QColor& text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    // Option buttons fill their background from the button role.
    palette.setColor(widget->backgroundRole(), background);
    for (QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::WindowText, text);
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QPushButton* Button(const QString& caption, const char* name, const QString& accessible,
                    const QFont& font, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(accessible);
    button->setFont(font);
    button->setPalette(QGuiApplication::palette());
    button->setFixedHeight(PixelsFromTwips(kButtonHeight));
    return button;
}

QRadioButton* Option(const QString& caption, const char* name, const QString& accessible,
                     const WindowLook& look, QWidget* parent) {
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(QString::fromLatin1(name));
    option->setAccessibleName(accessible);
    option->setFont(look.caption);
    SetColours(option, look.background, look.text);
    return option;
}

}  // namespace

frmTerms::frmTerms(const WindowLook& look, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmTerms");
    setAccessibleName(QString::fromLatin1(kTitle));
    SetColours(this, look.background, look.text);

    lblTitle = new QLabel(this);
    lblTitle->setObjectName("lblTitle");
    lblTitle->setFont(look.caption);
    SetColours(lblTitle, look.background, look.text);

    auto* lblMethod = new QLabel(QStringLiteral("Method:"), this);
    lblMethod->setObjectName("lblMethod");
    lblMethod->setFont(look.caption);
    SetColours(lblMethod, look.background, look.text);
    optTrueSun = Option(QStringLiteral("&True sun"), "optTrueSun",
                        QStringLiteral("By the true sun"), look, this);
    optMeanSun = Option(QStringLiteral("&Mean sun"), "optMeanSun",
                        QStringLiteral("By the mean sun"), look, this);
    optBoth = Option(QStringLiteral("&Both"), "optBoth", QStringLiteral("By both suns"), look, this);
    auto* methods = new QButtonGroup(this);
    for (QRadioButton* option : {optTrueSun, optMeanSun, optBoth}) {
        methods->addButton(option);
        connect(option, &QRadioButton::clicked, this, &frmTerms::optMethod_Click);
    }
    optBoth->setChecked(true);

    txbTerms = new QPlainTextEdit(this);
    txbTerms->setObjectName("txbTerms");
    txbTerms->setAccessibleName(QStringLiteral("The solar terms of the year"));
    // The output box's font, and for the characters one font of them all,
    // so that every line is as high as the next.
    // (The family the output box's font resolves to, as a list of families
    // takes no substitutes: Courier New may be Liberation Mono.)
    QFont list = look.list;
    list.setFamilies({QFontInfo(look.list).family(), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("AR PL UMing CN")});
    txbTerms->setFont(list);
    txbTerms->setReadOnly(true);
    txbTerms->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txbTerms->setTabChangesFocus(true);
    txbTerms->setLineWrapMode(QPlainTextEdit::NoWrap);
    txbTerms->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txbTerms->setPalette(QGuiApplication::palette());

    cmdCopyToClipboard = Button(QStringLiteral("&Copy to clipboard"), "cmdCopyToClipboard",
                                QStringLiteral("Copy the terms to the clipboard"), look.button,
                                this);
    cmdExport = Button(QStringLiteral("&Export..."), "cmdExport",
                       QStringLiteral("Export the solar terms to a file"), look.button, this);
    cmdClose = Button(QStringLiteral("Close"), "cmdClose", QStringLiteral("Close"), look.button,
                      this);
    connect(cmdCopyToClipboard, &QPushButton::clicked, this, &frmTerms::cmdCopyToClipboard_Click);
    connect(cmdExport, &QPushButton::clicked, this, &frmTerms::cmdExport_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmTerms::cmdClose_Click);

    auto* method_row = new QHBoxLayout;
    method_row->addWidget(lblMethod);
    method_row->addWidget(optTrueSun);
    method_row->addWidget(optMeanSun);
    method_row->addWidget(optBoth);
    method_row->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdCopyToClipboard);
    buttons->addWidget(cmdExport);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    const int margin = PixelsFromTwips(kMargin);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(PixelsFromTwips(kGap));
    layout->addWidget(lblTitle);
    layout->addLayout(method_row);
    layout->addWidget(txbTerms, 1);
    layout->addLayout(buttons);

    setTabOrder(optTrueSun, optMeanSun);
    setTabOrder(optMeanSun, optBoth);
    setTabOrder(optBoth, txbTerms);
    setTabOrder(txbTerms, cmdCopyToClipboard);
    setTabOrder(cmdCopyToClipboard, cmdExport);
    setTabOrder(cmdExport, cmdClose);
}

TermsMethod frmTerms::Method() const {
    if (optTrueSun->isChecked()) return TermsMethod::kTrueSun;
    if (optMeanSun->isChecked()) return TermsMethod::kMeanSun;
    return TermsMethod::kBoth;
}

void frmTerms::SetMethod(TermsMethod method) {
    switch (method) {
        case TermsMethod::kTrueSun: optTrueSun->setChecked(true); break;
        case TermsMethod::kMeanSun: optMeanSun->setChecked(true); break;
        case TermsMethod::kBoth: optBoth->setChecked(true); break;
    }
}

bool frmTerms::ShowLines() {
    std::string text;
    try {
        text = make_(Method());
    } catch (const LibraryError& error) {
        ShowMessageBox({LibraryFailureMessage(error), kTitle, MessageIcon::kExclamation,
                        MessageButtons::kOk});
        return false;
    }
    txbTerms->setPlainText(QString::fromStdString(text));
    AlignToColumns(txbTerms);
    txbTerms->moveCursor(QTextCursor::Start);
    return true;
}

void frmTerms::ShowTerms(QWidget* main_window, const QString& title, LinesMaker make) {
    LinesMaker previous = std::move(make_);
    make_ = std::move(make);
    if (!ShowLines()) {
        make_ = std::move(previous);
        return;
    }
    setWindowTitle(title);
    lblTitle->setText(title);
    if (!placed_) {
        placed_ = true;
        // Every column a letter wide, as AlignToColumns lays them.
        const QFontMetrics metrics(txbTerms->font());
        std::size_t columns = 0;
        for (const QString& line : txbTerms->toPlainText().split('\n')) {
            columns = std::max(columns, DisplayWidth(line.toStdString()));
        }
        const int longest = static_cast<int>(
            std::ceil(static_cast<double>(columns) * QFontMetricsF(txbTerms->font())
                                                         .horizontalAdvance(QLatin1Char('0'))));
        const int width = longest + 2 * PixelsFromTwips(kMargin) + 2 * txbTerms->frameWidth() +
                          static_cast<int>(2 * txbTerms->document()->documentMargin()) +
                          style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, txbTerms) +
                          2 * metrics.averageCharWidth();
        int height = metrics.lineSpacing() * kListHeightLines / 2 +
                     PixelsFromTwips(3 * kButtonHeight + 5 * kGap);
        const QWidget* main = main_window ? main_window->window() : nullptr;
        if (main) height = std::max(height, main->height());
        if (const QScreen* screen = main ? main->screen() : this->screen()) {
            height = std::min(height, screen->availableGeometry().height() * 9 / 10);
        }
        resize(std::max(width, minimumSizeHint().width()), height);
        if (main) {
            const QRect beside = main->frameGeometry();
            move(beside.left() + PixelsFromTwips(kGap * 3), beside.top() + PixelsFromTwips(kGap * 3));
        }
    }
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
    txbTerms->setFocus();
}

void frmTerms::optMethod_Click() {
    if (make_) ShowLines();
    if (MethodChosen) MethodChosen(Method());
}

void frmTerms::cmdCopyToClipboard_Click() {
    QGuiApplication::clipboard()->setText(txbTerms->toPlainText());
}

void frmTerms::cmdExport_Click() {
    if (ExportTerms) ExportTerms();
}

void frmTerms::keyPressEvent(QKeyEvent* event) {
    // Escape closes the window, as it would a dialog.
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace kalvest
