// frmMoon: the moon list of one year, read-only, with its title above it
// and Copy to clipboard and Close under it. The main window computes the
// list and hands over the title and the text, and the look of its own
// controls, so that the list reads like the main window's output. Close
// hides the window; the next list replaces the text.
#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>

#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kalvest {

// The fonts and colours the window takes from the main window.
struct WindowLook {
    QColor background;  // of the window and its labels
    QColor text;        // of the labels
    QFont caption;      // labels
    QFont button;       // buttons
    QFont list;         // the list (the output box's fixed-pitch font)
};

class frmMoon : public QWidget {
    Q_OBJECT

public:
    explicit frmMoon(const WindowLook& look, QWidget* parent = nullptr);

    QLabel* lblTitle = nullptr;
    QPlainTextEdit* txbMoon = nullptr;
    QPushButton* cmdCopyToClipboard = nullptr;
    QPushButton* cmdClose = nullptr;

    // One list: the title as caption and above the list, the text (lines
    // separated by line feeds) from its top. The first list sizes the
    // window to its lines and places it beside `main_window` (at the
    // screen's right edge where there is no room); later lists keep the size and place the user gave it
    // but for a longer line. Shows and raises the window.
    void ShowList(QWidget* main_window, const QString& title, const std::string& text);

    // The whole list, as shown, on the clipboard as plain text.
    void cmdCopyToClipboard_Click();
    // Hides the window; the list stays until the next one.
    void cmdClose_Click();

private:
    // The width that shows the longest line of the list whole.
    int ListWidth() const;
    // That wide and as high as the main window, beside it.
    void PlaceBeside(QWidget* main_window);

    bool placed_ = false;
};

}  // namespace kalvest
