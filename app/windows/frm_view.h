// frmView: shows one plain-text file, read-only, with a Close button under
// it. The caller sets strFilename and the caption, then shows the window;
// the window reads the file when it is activated and keeps the text while
// it stays loaded. Close hides it; the title-bar close box unloads it
// (the window deletes itself), so the next use reads the file again.
#pragma once

#include <QString>
#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace kalvest {

class frmView : public QWidget {
    Q_OBJECT

public:
    explicit frmView(QWidget* parent = nullptr);

    // Full path of the file to show.
    QString strFilename;
    // True once the current file has been put into the text box, or has
    // failed to load; while true, activating the window reads nothing.
    bool blnFileDisplayed = false;

    QPlainTextEdit* txbText1 = nullptr;
    QPushButton* cmdClose = nullptr;

    // Loads the file into the text box unless blnFileDisplayed is true.
    // Failures are reported in a message box, then the window hides.
    void Form_Activate();
    // Keeps the minimum size and lays the text box and button out.
    void Form_Resize();
    void cmdClose_Click();

    // The text the box shows for a file's text: the text itself when it
    // has fewer than 65530 characters, otherwise the head note, its first
    // 65306 characters, two line breaks and the tail note (65534 in all).
    // Lines end in CR LF.
    static QString ViewerText(const QString& file_text);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // True while Form_Activate runs: a failure message runs an event loop
    // of its own, in which the window may be activated again.
    bool activating_ = false;
};

}  // namespace kalvest
