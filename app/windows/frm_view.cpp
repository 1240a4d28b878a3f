#include "windows/frm_view.h"

#include <QCloseEvent>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTextCursor>
#include <QTimer>

#include <algorithm>

#include "common/message_box.h"
#include "windows/text_file_read.h"
#include "windows/program_icon.h"
#include "windows/window_twips.h"

namespace kalvest {
namespace {

// Twips.
constexpr int kMinimumWidth = 8000;
constexpr int kMinimumHeight = 2000;
constexpr int kTextLeft = 105;
constexpr int kTextTop = 105;
constexpr int kTextWidthMargin = 450;
constexpr int kTextHeightMargin = 1200;
constexpr int kButtonGap = 100;
constexpr int kButtonWidth = 1740;
constexpr int kButtonHeight = 330;

// A text of this many characters or more is shown cut.
constexpr int kDisplayLimit = 65530;

const QString kHeadNote =
    "NOTE: This file is too large to display entirely in this textbox.\r\n"
    "To view the entire contents of the file load it into NotePad,\r\n"
    "WordPad or some other text editor.\r\n\r\n";
const QString kTailNote = "NOTE: Entire contents of file have not been displayed.\r\n";

QFont Font(const char* family) {
    QFont font(family);
    font.setPointSizeF(9.75);
    return font;
}

}  // namespace

frmView::frmView(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmView");
    setWindowIcon(ProgramIcon());
    // The title-bar close box unloads the window.
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(Font("Arial"));
    setMinimumSize(PixelsFromTwips(kMinimumWidth), PixelsFromTwips(kMinimumHeight));

    txbText1 = new QPlainTextEdit(this);
    txbText1->setObjectName("txbText1");
    txbText1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txbText1->move(PixelsFromTwips(kTextLeft), PixelsFromTwips(kTextTop));

    cmdClose = new QPushButton("Close", this);
    cmdClose->setObjectName("cmdClose");
    cmdClose->setFont(Font("Tahoma"));
    cmdClose->resize(PixelsFromTwips(kButtonWidth), PixelsFromTwips(kButtonHeight));
    connect(cmdClose, &QPushButton::clicked, this, &frmView::cmdClose_Click);

    resize(PixelsFromTwips(kMinimumWidth), PixelsFromTwips(kMinimumHeight * 3));
}

QString frmView::ViewerText(const QString& file_text) {
    if (file_text.size() < kDisplayLimit) return file_text;
    qsizetype keep = kDisplayLimit - kHeadNote.size() - kTailNote.size();
    // Never part a surrogate pair: its first half alone is no character.
    if (file_text.at(keep - 1).isHighSurrogate()) --keep;
    return kHeadNote + file_text.left(keep) + "\r\n\r\n" + kTailNote;
}

void frmView::Form_Activate() {
    if (blnFileDisplayed || activating_) return;
    const QScopedValueRollback<bool> guard(activating_, true);
    cmdClose->setText("Close");
    blnFileDisplayed = false;
    txbText1->clear();
    txbText1->setReadOnly(true);
    Form_Resize();

#if defined(_WIN32)
    const QByteArray path = strFilename.toUtf8();
#else
    const QByteArray path = QFile::encodeName(strFilename);
#endif
    const TextFileRead read = ReadWholeTextFile(path.toStdString());
    if (read.error == 0) {
        QString shown = ViewerText(QString::fromLocal8Bit(read.text));
        // The text widget keeps its own line ends.
        shown.replace("\r\n", "\n");
        txbText1->setPlainText(shown);
        txbText1->moveCursor(QTextCursor::Start);
        txbText1->verticalScrollBar()->setValue(0);
        txbText1->repaint();
    } else if (read.error == kErrEndOfFile) {
        ShowMessageBox({"File is empty!", "Error", MessageIcon::kExclamation});
        hide();
    } else {
        ShowMessageBox({FileErrorMessage(read.error, read.description),
                        "Error reading file", MessageIcon::kExclamation});
        hide();
    }
    // Also after a failure: the box stays empty until the window is
    // unloaded, rather than repeating the message at every activation.
    blnFileDisplayed = true;
}

void frmView::Form_Resize() {
    if (isMinimized()) return;
    const double width = TwipsFromPixels(this->width());
    const double height = TwipsFromPixels(this->height());
    if (width < kMinimumWidth || height < kMinimumHeight) {
        // The new size lays the controls out again.
        resize(std::max(this->width(), PixelsFromTwips(kMinimumWidth)),
               std::max(this->height(), PixelsFromTwips(kMinimumHeight)));
        return;
    }
    const int text_width = PixelsFromTwips(width - kTextWidthMargin);
    const int text_height = PixelsFromTwips(height - kTextHeightMargin);
    txbText1->resize(text_width, text_height);
    cmdClose->move(txbText1->x() + txbText1->width() - cmdClose->width(),
                   txbText1->y() + txbText1->height() + PixelsFromTwips(kButtonGap));
}

void frmView::cmdClose_Click() { hide(); }

bool frmView::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) Form_Activate();
    return QWidget::event(event);
}

void frmView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Activation follows the show; the file is read once the window is on
    // the screen, also where the system activates no window.
    QTimer::singleShot(0, this, [this] {
        if (isVisible()) Form_Activate();
    });
}

void frmView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmView::closeEvent(QCloseEvent* event) {
    blnFileDisplayed = false;
    cmdClose_Click();
    event->accept();
}

}  // namespace kalvest
