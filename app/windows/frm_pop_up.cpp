#include "windows/frm_pop_up.h"

#include <QEvent>
#include <QLabel>
#include <QTimer>

#include <algorithm>

#include "windows/program_icon.h"
#include "windows/window_twips.h"

namespace kalvest {
namespace {

// Design sizes, twips.
constexpr int kDesignWidth = 3495;
constexpr int kDesignHeight = 1995;
constexpr int kLabelDesignWidth = 3360;
constexpr int kLabelDesignHeight = 1740;

}  // namespace

frmPopUp::frmPopUp(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName("frmPopUp");
    setWindowIcon(ProgramIcon());
    setModal(true);
    setAutoFillBackground(true);
    QPalette window_palette = palette();
    window_palette.setColor(QPalette::Window, Qt::white);
    setPalette(window_palette);
    resize(PixelsFromTwips(kDesignWidth), PixelsFromTwips(kDesignHeight));

    lblMessage = new QLabel(this);
    lblMessage->setObjectName("lblMessage");
    lblMessage->setGeometry(0, 0, PixelsFromTwips(kLabelDesignWidth),
                            PixelsFromTwips(kLabelDesignHeight));
    // Centred on each line, from the top: the window is often lower than
    // the label, and the first lines must be the ones that show.
    lblMessage->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblMessage->setWordWrap(true);
    QFont font("Tahoma");
    font.setPointSizeF(9.75);
    font.setBold(true);
    lblMessage->setFont(font);
    lblMessage->setAutoFillBackground(true);
    QPalette label_palette = lblMessage->palette();
    label_palette.setColor(QPalette::Window, Qt::white);
    label_palette.setColor(QPalette::WindowText, QColor(0, 0, 192));
    lblMessage->setPalette(label_palette);
    lblMessage->installEventFilter(this);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    // A coarse timer may fire up to 5 % early; the message must stay for
    // its whole interval.
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &frmPopUp::Timer1_Timer);
}

void frmPopUp::PopUpInForm(QWidget* frmMe, const QString& strMessage,
                           std::int16_t intWidth, std::int16_t intHeight,
                           std::int16_t intInterval, std::int16_t intTop,
                           std::int16_t intLeft) {
    const QPoint origin = frmMe != nullptr ? frmMe->window()->pos() : QPoint(0, 0);
    move(origin.x() + PixelsFromTwips(intLeft), origin.y() + PixelsFromTwips(intTop));
    lblMessage->setText(strMessage);
    const int width = std::max(1, PixelsFromTwips(intWidth));
    resize(width, std::max(1, PixelsFromTwips(intHeight)));
    lblMessage->resize(width, lblMessage->height());
    Timer1->setInterval(intInterval);
    if (intInterval > 0) Timer1->start();
    raise();
    exec();
}

void frmPopUp::Timer1_Timer() {
    Timer1->stop();
    hide();
}

void frmPopUp::lblMessage_MouseUp() {
    Timer1->stop();
    hide();
}

bool frmPopUp::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblMessage && event->type() == QEvent::MouseButtonRelease) {
        lblMessage_MouseUp();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmPopUp::hideEvent(QHideEvent* event) {
    Timer1->stop();
    QDialog::hideEvent(event);
}

}  // namespace kalvest
