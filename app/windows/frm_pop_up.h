// frmPopUp: a small window without a title bar that shows one short
// message next to another window, for a set time or until the message is
// clicked. While it shows it is modal: PopUpInForm returns only after it
// has gone. It is hidden, not destroyed, so every call reuses it.
#pragma once

#include <QDialog>

#include <cstdint>

class QLabel;
class QTimer;

namespace kalvest {

class frmPopUp : public QDialog {
    Q_OBJECT

public:
    explicit frmPopUp(QWidget* parent = nullptr);

    // Shows `strMessage` in a window `intWidth` by `intHeight` twips whose
    // top-left corner lies `intLeft` twips right of and `intTop` twips
    // below the top-left corner of `frmMe` at the time of the call, for
    // `intInterval` milliseconds; an interval of 0 (or less) starts no
    // timer, so only a click closes it. Returns after the window has been
    // hidden.
    void PopUpInForm(QWidget* frmMe, const QString& strMessage, std::int16_t intWidth,
                     std::int16_t intHeight, std::int16_t intInterval,
                     std::int16_t intTop, std::int16_t intLeft);

    QLabel* lblMessage = nullptr;
    QTimer* Timer1 = nullptr;

    // Both stop the timer and hide the window.
    void Timer1_Timer();
    void lblMessage_MouseUp();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // However the window goes (also by Escape), its timer stops with it.
    void hideEvent(QHideEvent* event) override;
};

}  // namespace kalvest
