// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cold-room result sheet: one line per load, the total and the compressors that carry it.

#include "ColdRoomCalc.h"
#include "Shell.h"

class TForm3 : public Shell::ResultSheet {
public:
    explicit TForm3(Shell::Face& face);

    /// The window's description, before any window is built.
    static const Shell::WindowDescription& Described();

    /// Writes every line of a run; without a compressor table the compressor rows and the
    /// notes keep the texts of the previous run.
    void ShowResults(const ColdRoom::ColdRoomResult& result);

protected:
    /// The six loads and the safety factor of the last run, in watts, by their captions.
    std::vector<Shell::ChartBar> Chart() const override;

private:
    ColdRoom::ColdRoomResult shown_;  // the run the labels show
};

extern TForm3* Form3;
