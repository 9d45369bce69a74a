// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ice-bank input window: tank volume, tube size, running hours and inlet temperature;
// Calculate fills the ice-bank result sheet and shows it, Exit ends the program.

#include "Shell.h"

class QComboBox;
class QKeyEvent;
class QLabel;
class QPushButton;

class TForm4 : public Shell::InputWindow {
public:
    explicit TForm4(QWidget* parent = nullptr);

    Shell::NumberEdit* Edit1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Image1 = nullptr;

    void Button1Click();
    void Button3Click();
    /// Whether the digit filter drops this key typed into Edit1.
    bool Edit1KeyPress(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void ConnectEvents();
};

/// The ice-bank input window, created at start and kept until the program ends.
extern TForm4* Form4;
