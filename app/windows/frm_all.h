// frmAll: the display-all window. Nine cells in three rows of three show
// the year's eight events clockwise from the top left; the centre cell
// says so and holds the Close button. The main window's display-all
// command fills the cells, sizes and places the window, and shows it.
#pragma once

#include <QWidget>

#include <array>
#include <string>

class QLabel;
class QPushButton;

namespace kalvest {

class frmAll : public QWidget {
    Q_OBJECT

public:
    explicit frmAll(QWidget* parent = nullptr);

    // Index = 3 x row + column.
    std::array<QLabel*, 9> lblEvent{};
    QPushButton* cmdClose = nullptr;

    // One run: background, caption, size and place (top 850 twips below
    // the main window's top, 12180 by 3000 twips, centred across the
    // screen), show, then the eight event texts (CR LF between lines; the
    // centre cell's entry is not used).
    void ShowRun(QWidget* main_window, const QString& caption,
                 const std::array<std::string, 9>& cell_texts);

    // Lays the cells and the button out from the window's size. The first
    // activation after a run also makes the window 150 twips taller, as the
    // layout wants; later activations leave the size as it is.
    void Form_Activate();
    // Hides the window; the cells keep their texts.
    void cmdClose_Click();

    // The window's size in twips.
    int WidthTwips() const;
    int HeightTwips() const;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Sets the size, keeping the user from changing it (fixed border).
    void SetSizeTwips(double width, double height);

    bool grown_this_run_ = false;
};

}  // namespace kalvest
