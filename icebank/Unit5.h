// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ice-bank result sheet: coil surface and tube length, required capacity, the
// compressors chosen and the notes on their operating conditions.

#include "IceBankCalc.h"
#include "Shell.h"

class QLabel;

class TForm5 : public Shell::ResultSheet {
public:
    explicit TForm5(QWidget* parent = nullptr);

    /// Writes every value label from a calculation; the water-temperature line stays.
    void ShowResults(const IceBank::IceBankResult& result);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label21 = nullptr;
    QLabel* Label22 = nullptr;
    QLabel* Label25 = nullptr;
    QLabel* Label26 = nullptr;
    QLabel* Label27 = nullptr;
    QLabel* Label28 = nullptr;
    QLabel* Label29 = nullptr;
    QLabel* Label30 = nullptr;
    QLabel* Label31 = nullptr;
    QLabel* Label32 = nullptr;

private:
    void CreateControls();
};

/// The ice-bank result sheet, created at start and kept until the program ends.
extern TForm5* Form5;
