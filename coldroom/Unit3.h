// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cold-room result sheet: one line per load, the total and the compressors that carry it.

#include "ColdRoomCalc.h"
#include "Shell.h"

class QFrame;
class QLabel;

class TForm3 : public Shell::ResultSheet {
public:
    explicit TForm3(QWidget* parent = nullptr);

    /// Writes every line of a run; without a compressor table the compressor rows and the
    /// notes keep the texts of the previous run.
    void ShowResults(const ColdRoom::ColdRoomResult& result);

    // Captions, right column.
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label19 = nullptr;
    QLabel* Label21 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label18 = nullptr;
    QLabel* Label23 = nullptr;
    QLabel* Label25 = nullptr;
    QLabel* Label26 = nullptr;
    QLabel* Label27 = nullptr;
    // Values, left column.
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label20 = nullptr;
    QLabel* Label22 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label34 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* Label15 = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* Label17 = nullptr;
    QLabel* Label33 = nullptr;
    QLabel* Label24 = nullptr;
    QLabel* Label28 = nullptr;
    QLabel* Label29 = nullptr;
    QLabel* Label30 = nullptr;
    QLabel* Label31 = nullptr;
    QLabel* Label32 = nullptr;
    QFrame* Bevel1 = nullptr;
    QFrame* Bevel2 = nullptr;

protected:
    /// The six loads and the safety factor of the last run, in watts, by their captions.
    QList<Shell::ChartBar> LoadChart() const override;

private:
    void CreateControls();

    ColdRoom::ColdRoomResult shown_;  // the run the labels show
};

extern TForm3* Form3;
