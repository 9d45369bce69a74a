// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ice-bank result sheet: coil surface and tube length, required capacity, the
// compressors chosen and the notes on their operating conditions.

#include "IceBankCalc.h"
#include "Shell.h"

class TForm5 : public Shell::ResultSheet {
public:
    explicit TForm5(Shell::Face& face);

    /// The window's description, before any window is built.
    static const Shell::WindowDescription& Described();

    /// Writes every value label from a calculation; the water-temperature line stays.
    void ShowResults(const IceBank::IceBankResult& result);
};

/// The ice-bank result sheet, created at start and kept until the program ends.
extern TForm5* Form5;
