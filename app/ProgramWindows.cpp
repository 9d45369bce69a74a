// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramWindows.h"

ProgramWindows::ProgramWindows(Shell::Face& face)
    : form1_(face), form2_(face), form3_(face), form4_(face), form5_(face)
{
    Form1 = &form1_;
    Form2 = &form2_;
    Form3 = &form3_;
    Form4 = &form4_;
    Form5 = &form5_;
}

ProgramWindows::~ProgramWindows()
{
    Form1 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
    Form4 = nullptr;
    Form5 = nullptr;
}
