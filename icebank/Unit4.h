// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ice-bank input window: tank volume, tube size, running hours and inlet temperature;
// Calculate fills the ice-bank result sheet and shows it, Exit ends the program.

#include "IceBankCalc.h"
#include "Shell.h"

class TForm4 : public Shell::InputWindow {
public:
    explicit TForm4(Shell::Face& face);

    /// The window's description, before any window is built.
    static const Shell::WindowDescription& Described();

    /// The calculation: validates the volume, fills the result sheet and shows it.
    void Button1Click();
    /// Ends the program.
    void Button3Click();
    /// The digit filter of the volume box.
    void Edit1KeyPress(char32_t& Key);

protected:
    void Click(Shell::ControlId control) override;
    void KeyPress(Shell::ControlId control, char32_t& key) override;
};

/// The ice-bank input window, created at start and kept until the program ends.
extern TForm4* Form4;
