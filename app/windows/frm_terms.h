// frmTerms: the 24 solar terms of one year, read-only, by the true sun,
// the mean sun or both, in time order: each line with the term's angle,
// its Chinese characters, pinyin and English names, the time and the
// turning point it is. Copy to clipboard, Export... (which the main window
// answers with its export dialog) and Close under it. The main window
// computes the lines through the core's solar-term listing; the window
// only shows them and asks again when the method changes.
#pragma once

#include <QWidget>

#include <functional>
#include <string>

#include "windows/frm_moon.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace kalvest {

enum class TermsMethod { kTrueSun, kMeanSun, kBoth };

class frmTerms : public QWidget {
    Q_OBJECT

public:
    explicit frmTerms(const WindowLook& look, QWidget* parent = nullptr);

    // The lines (separated by line feeds) for a method; may throw
    // LibraryError.
    using LinesMaker = std::function<std::string(TermsMethod method)>;

    QLabel* lblTitle = nullptr;
    QRadioButton* optTrueSun = nullptr;
    QRadioButton* optMeanSun = nullptr;
    QRadioButton* optBoth = nullptr;
    QPlainTextEdit* txbTerms = nullptr;
    QPushButton* cmdCopyToClipboard = nullptr;
    QPushButton* cmdExport = nullptr;
    QPushButton* cmdClose = nullptr;

    // Called by Export...; the main window opens its export dialog.
    std::function<void()> ExportTerms;
    // Called when the user picks another method, so that the main window
    // can keep it.
    std::function<void(TermsMethod method)> MethodChosen;

    TermsMethod Method() const;
    void SetMethod(TermsMethod method);

    // One year's terms: the title as caption and above the list, the lines
    // of `make` for the chosen method. The first sizes the window and
    // places it beside `main_window`. A LibraryError leaves the window as
    // it was, with a message. Shows and raises the window.
    void ShowTerms(QWidget* main_window, const QString& title, LinesMaker make);

    void cmdCopyToClipboard_Click();
    void cmdExport_Click();
    void cmdClose_Click() { hide(); }
    // Another method: the lines are made again.
    void optMethod_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool ShowLines();
    LinesMaker make_;
    bool placed_ = false;
};

}  // namespace kalvest
