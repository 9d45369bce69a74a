// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start dialog: the program's main window, where the user picks one of the two calculators.

#include "Shell.h"

class QLabel;
class QPushButton;
class QRadioButton;

class TForm1 : public Shell::MainDialog {
public:
    explicit TForm1(QWidget* parent = nullptr);

    QRadioButton* RadioButton1 = nullptr;  // ice-bank calculator
    QRadioButton* RadioButton2 = nullptr;  // cold-store calculator, selected at first
    QPushButton* BitBtn1 = nullptr;        // Continue, the default button
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;

    /// Continue: hides the dialog and hands over to the chosen calculator for good.
    void BitBtn1Click();

private:
    void CreateControls();
    void ConnectEvents();
};

extern TForm1* Form1;
