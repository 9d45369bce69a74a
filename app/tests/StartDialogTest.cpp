// SPDX-License-Identifier: GPL-3.0-or-later
// The start dialog's decisions: Continue opens the chosen calculator for good, closing the
// dialog ends the program, and every window centres itself when shown; and the window list
// says where each option and button leads as the program does.

#include "FakeProgram.h"

class StartDialog : public FakeProgram {
protected:
    ShellTesting::FakeView& form1 = View("Form1");
    ShellTesting::FakeView& form2 = View("Form2");
    ShellTesting::FakeView& form4 = View("Form4");
};

TEST_F(StartDialog, ContinueOpensTheColdRoomWindowAtFirst)
{
    form1.ShowWindow();
    form1.Press("BitBtn1");
    EXPECT_FALSE(form1.Shown());
    EXPECT_TRUE(form2.Shown());
    EXPECT_FALSE(form4.Shown());
}

// Each option opens the input window the list gives, that alone, whose calculator the option
// names; its Calculate leads to a sheet of the same calculator, and its Exit ends the program.
TEST_F(StartDialog, EachOptionOpensTheCalculatorTheListGives)
{
    const ProgramWindow& start = TheStartDialog();
    ASSERT_EQ(start.Kind(), Shell::WindowKind::MainDialog);
    ASSERT_EQ(ProgramWindowsOfKind(Shell::WindowKind::MainDialog).size(), 1u);
    const auto inputs = ProgramWindowsOfKind(Shell::WindowKind::InputWindow);
    ASSERT_EQ(start.description.opens.size(), inputs.size()) << "an option for each input window";
    for (const Shell::Opening& option : start.description.opens) {
        SCOPED_TRACE(std::string(option.by->name));
        const ProgramWindow& opened = ProgramWindowNamed(option.window);
        ASSERT_EQ(opened.Kind(), Shell::WindowKind::InputWindow);
        EXPECT_EQ(opened.calculator, option.by->text);
        for (const ProgramWindow* input : inputs) View(input->Name()).HideWindow();
        form1.ShowWindow();
        form1.Select(option.by->name);
        form1.Press((*start.DefaultButton())->name);
        EXPECT_FALSE(form1.Shown());
        for (const ProgramWindow* input : inputs) EXPECT_EQ(View(input->Name()).Shown(), input == &opened);

        ASSERT_TRUE(opened.Calculate() && opened.Sheet());
        EXPECT_EQ((*opened.Calculate())->kind, Shell::Kind::Button);
        EXPECT_EQ(opened.Sheet()->Kind(), Shell::WindowKind::ResultSheet);
        EXPECT_EQ(opened.Sheet()->calculator, opened.calculator);
        EXPECT_TRUE(opened.Sheet()->DefaultButton()) << "a sheet's Back";
        ASSERT_TRUE(opened.description.exit);
        face.quit = false;
        View(opened.Name()).Press((*opened.description.exit)->name);
        EXPECT_TRUE(face.quit);
    }
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
    EXPECT_EQ(TabOrder(*TheStartDialog().Form()),
              (std::vector<std::string>{"BitBtn1", "RadioButton1", "RadioButton2"}));
}

TEST_F(StartDialog, EveryWindowIsCentredByItsOuterSizeWhenShown)
{
    face.screen = {1024, 768};
    for (const ProgramWindow& window : TheProgramWindows()) {
        if (window.Kind() == Shell::WindowKind::ResultSheet) continue;  // shown by a run
        ShellTesting::FakeView& view = View(window.Name());
        view.ShowWindow();
        const Shell::Size outer = view.OuterSize();
        EXPECT_EQ(view.Position(), (Shell::Point{(1024 - outer.width) / 2, (768 - outer.height) / 2})) << window.Name();
    }
    // A window wider than the screen stands off its left edge by half the excess.
    face.screen = {800, 600};
    form2.ShowWindow();
    EXPECT_EQ(form2.Position().x, (800 - 939 - ShellTesting::FakeFace::Frame.width) / 2);
}
