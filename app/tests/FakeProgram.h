// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's five windows on the recording fake face, for the tests of their decisions.

#include "FakeFace.h"
#include "ProgramWindows.h"

#include <gtest/gtest.h>

class FakeProgram : public ::testing::Test {
protected:
    ~FakeProgram() override { EXPECT_TRUE(face.unknownControls.empty()); }

    ShellTesting::FakeFace face{ProgramTitle};
    ProgramWindows windows{face};
    ShellTesting::FakeView& form1 = ShellTesting::FakeFace::ViewOf(*Form1);
    ShellTesting::FakeView& form2 = ShellTesting::FakeFace::ViewOf(*Form2);
    ShellTesting::FakeView& form3 = ShellTesting::FakeFace::ViewOf(*Form3);
    ShellTesting::FakeView& form4 = ShellTesting::FakeFace::ViewOf(*Form4);
    ShellTesting::FakeView& form5 = ShellTesting::FakeFace::ViewOf(*Form5);
};

/// The names of the controls that take the focus, in a window's tab order.
inline std::vector<std::string> TabOrder(const Shell::Form& form)
{
    std::vector<std::string> order;
    for (const Shell::Control& control : form.Description().controls)
        if (Shell::TakesFocus(control.kind)) order.emplace_back(control.name);
    return order;
}
