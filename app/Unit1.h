// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start dialog: the program's main window, where the user picks one of the two calculators.

#include "Shell.h"

#include <string_view>

/// The program's title with its version: the start dialog's caption, the caption of the
/// general error box, and the line under a printed report's title.
inline constexpr std::string_view ProgramTitle = "محاسبات بار برودتي نسخه 2.0";

/// The start dialog's two options, each naming its calculator; a printed report names its
/// calculator with them.
inline constexpr std::string_view IceBankCalculator = "محاسبات مربوط به آيس بانک";
inline constexpr std::string_view ColdRoomCalculator = "محاسبات مربوط به سردخانه";

class TForm1 : public Shell::Form {
public:
    explicit TForm1(Shell::Face& face);

    /// The window's description, before any window is built.
    static const Shell::WindowDescription& Described();

    /// Continue: hides the dialog and hands over to the chosen calculator for good.
    void BitBtn1Click();

protected:
    void Click(Shell::ControlId control) override;
};

extern TForm1* Form1;
