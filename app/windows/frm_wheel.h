// frmWheel: the wheel of the year of the main window's year, calendar and
// zone, drawn by the same painter as kalvest-cli's pictures and scaled to
// the window. Two boxes add the ring of moons and the ring of solar terms;
// Save as writes SVG, PNG or PDF, Copy to clipboard puts the picture on
// the clipboard, Close hides the window.
#pragma once

#include <QString>
#include <QWidget>

#include <functional>

#include "wheel/wheel_layout.h"
#include "windows/frm_moon.h"

class QCheckBox;
class QPushButton;

namespace kalvest {

// Shows one layout, as large as the widget allows.
class WheelView : public QWidget {
public:
    explicit WheelView(QWidget* parent = nullptr);
    void SetLayout(WheelLayout layout);
    const WheelLayout& Layout() const { return layout_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    WheelLayout layout_;
};

class frmWheel : public QWidget {
    Q_OBJECT

public:
    explicit frmWheel(const WindowLook& look, QWidget* parent = nullptr);

    // Makes the layout with or without the rings; the main window passes
    // its year, calendar and zone in it. May throw LibraryError.
    using LayoutMaker = std::function<WheelLayout(bool moon, bool terms)>;

    WheelView* picWheel = nullptr;
    QCheckBox* chkMoonRing = nullptr;
    QCheckBox* chkTermRing = nullptr;
    QPushButton* cmdSaveAs = nullptr;
    QPushButton* cmdCopyToClipboard = nullptr;
    QPushButton* cmdClose = nullptr;

    // The folder the save dialog opens in: the last one a picture was
    // saved to, at first the user's pictures folder.
    QString LastFolder;
    // Asks for the file to save to, starting from `suggested` (a full
    // path); the empty string when the user cancels. A file dialog unless
    // a test replaces it.
    std::function<QString(const QString& suggested)> AskSaveFileName;

    // The wheel of `make`, with the rings the boxes ask for; the first
    // sizes the window and places it beside `main_window`. Shows and
    // raises the window. A LibraryError leaves the window as it was.
    void ShowWheel(QWidget* main_window, LayoutMaker make);

    void cmdSaveAs_Click();
    void cmdCopyToClipboard_Click();
    void cmdClose_Click() { hide(); }
    // A ring box changed: the wheel is made again.
    void chkRing_Click();

private:
    void Redraw();
    LayoutMaker make_;
    bool placed_ = false;
};

}  // namespace kalvest
