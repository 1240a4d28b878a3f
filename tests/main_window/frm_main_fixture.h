// A started frmMain for the window tests, with every message box recorded
// instead of shown and the end of the program recorded instead of done.
#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "common/message_box.h"
#include "main_window/frm_main.h"
#include "main_window/window_preferences.h"

namespace kalvest {

class FrmMainTest : public testing::Test {
protected:
    void SetUp() override {
        previous_handler_ = SetMessageBoxHandler(
            [this](const MessageBoxRequest& request) { boxes.push_back(request); });
        // Each case starts without the options and zone a case before
        // it chose.
        ClearPreferences();
        window = std::make_unique<frmMain>();
        window->EndProgram = [this] { ++program_ends; };
        window->Form_Load();
    }

    void TearDown() override {
        window.reset();
        SetMessageBoxHandler(previous_handler_);
    }

    // Ticks exactly the given boxes among the eleven check boxes.
    void Tick(std::initializer_list<QCheckBox*> ticked) {
        frmMain& w = *window;
        for (QCheckBox* box : {w.chkVE, w.chkSS, w.chkAE, w.chkWS, w.chkImbolc, w.chkBeltane,
                               w.chkLughnassad, w.chkSamhain, w.chkMeanSun, w.chkTrueSun,
                               w.chkIncludeWeekday}) {
            box->setCheckState(Qt::Unchecked);
        }
        for (QCheckBox* box : ticked) box->setCheckState(Qt::Checked);
    }

    void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    std::string Output() const { return window->Output.Text(); }
    std::string Shown() const { return window->txbOutput->toPlainText().toStdString(); }

    std::unique_ptr<frmMain> window;
    std::vector<MessageBoxRequest> boxes;
    int program_ends = 0;

private:
    MessageBoxHandler previous_handler_;
};

}  // namespace kalvest
