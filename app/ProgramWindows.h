// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's five windows, created once through one face in their fixed order and
// reachable through their global references Form1 ... Form5 for as long as this set lives.

#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"

class ProgramWindows {
public:
    explicit ProgramWindows(Shell::Face& face);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

private:
    // Members are built in the order they are declared: the start dialog first, so that it
    // is the main window.
    TForm1 form1_;
    TForm2 form2_;
    TForm3 form3_;
    TForm4 form4_;
    TForm5 form5_;
};
