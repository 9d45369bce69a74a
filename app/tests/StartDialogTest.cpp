// SPDX-License-Identifier: GPL-3.0-or-later
// The start dialog's decisions: Continue opens the chosen calculator for good, closing the
// dialog ends the program, and every window centres itself when shown.

#include "FakeProgram.h"

using StartDialog = FakeProgram;

TEST_F(StartDialog, ContinueOpensTheColdRoomWindowAtFirst)
{
    form1.ShowWindow();
    form1.Press("BitBtn1");
    EXPECT_FALSE(form1.Shown());
    EXPECT_TRUE(form2.Shown());
    EXPECT_FALSE(form4.Shown());
}

TEST_F(StartDialog, ContinueOpensTheIceBankWindowWhenChosen)
{
    form1.ShowWindow();
    form1.Select("RadioButton1");
    form1.Press("BitBtn1");
    EXPECT_FALSE(form1.Shown());
    EXPECT_FALSE(form2.Shown());
    EXPECT_TRUE(form4.Shown());
}

TEST_F(StartDialog, ClosingItOrAnInputWindowEndsTheProgram)
{
    form1.PressCloseBox();
    EXPECT_TRUE(face.quit);
    face.quit = false;
    form4.PressCloseBox();
    EXPECT_TRUE(face.quit);
}

// Continue first, so that it holds the focus when the dialog opens.
TEST_F(StartDialog, ContinueComesFirstInTheTabOrder)
{
    EXPECT_EQ(TabOrder(*Form1), (std::vector<std::string>{"BitBtn1", "RadioButton1", "RadioButton2"}));
}

TEST_F(StartDialog, EveryWindowIsCentredByItsOuterSizeWhenShown)
{
    face.screen = {1024, 768};
    for (const Shell::Form* form :
         {static_cast<Shell::Form*>(Form1), static_cast<Shell::Form*>(Form2), static_cast<Shell::Form*>(Form4)}) {
        ShellTesting::FakeView& view = ShellTesting::FakeFace::ViewOf(*form);
        view.ShowWindow();
        const Shell::Size outer = view.OuterSize();
        EXPECT_EQ(view.Position(), (Shell::Point{(1024 - outer.width) / 2, (768 - outer.height) / 2}))
            << form->Description().name;
    }
    // A window wider than the screen stands off its left edge by half the excess.
    face.screen = {800, 600};
    form2.ShowWindow();
    EXPECT_EQ(form2.Position().x, (800 - 939 - ShellTesting::FakeFace::Frame.width) / 2);
}
