// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's five windows, created once through one face in their fixed order and
// reachable through their global references Form1 ... Form5 for as long as this set lives.

#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"

#include <optional>

class ProgramWindows {
public:
    enum class Building {
        AllAtOnce,
        // The start dialog first; the four windows it hides once it has drawn itself, in their
        // order, before any handler runs: the program's first window appears sooner.
        RestAfterFirstPaint,
    };

    explicit ProgramWindows(Shell::Face& face, Building building = Building::AllAtOnce);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

private:
    void BuildTheRest();

    Shell::Face& face_;
    // Built first, so that it is the main window.
    TForm1 form1_;
    std::optional<TForm2> form2_;
    std::optional<TForm3> form3_;
    std::optional<TForm4> form4_;
    std::optional<TForm5> form5_;
};
