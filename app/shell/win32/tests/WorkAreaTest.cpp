// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows on a screen of 1920 x 1080 at 150 % with a task bar along its bottom
// (work-area-check.sh makes the display and the Wine prefix): a window that fits the work area
// is centred on the screen as ever; the result sheet, taller than the work area, keeps its
// title bar at the work area's top and its Back button within reach; the message box is
// placed by the same rule.

#include "ControlNamed.h"
#include "Look.h"
#include "MessageWindow.h"
#include "ProgramWindows.h"
#include "Window.h"

#include <gtest/gtest.h>

namespace {

using Win32Face::Face;

RECT Outer(HWND window)
{
    RECT outer{};
    GetWindowRect(window, &outer);
    return outer;
}

class WorkAreaTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(GetDpiForWindow(Face::WindowOf(*TheStartDialog().Form()).Handle()), 144u) << "not at 150 %";
        ASSERT_LT(work.height, screen.height) << "no task bar";
    }
    Face face{ProgramTitle};
    ProgramWindows windows{face};
    Shell::Size screen = Win32Face::PrimaryScreen();
    Shell::Rect work = Win32Face::PrimaryWorkArea();
};

TEST_F(WorkAreaTest, AWindowThatFitsIsCentredAndTheSheetKeepsItsTitleBarAndBackButtonOnScreen)
{
    Form2->Window().ShowWindow();
    const RECT input = Outer(Face::WindowOf(*Form2).Handle());
    const Shell::Point centred = Shell::CentredTopLeft(screen, {input.right - input.left, input.bottom - input.top});
    EXPECT_EQ(input.left, centred.x);
    EXPECT_EQ(input.top, centred.y);
    Form2->Window().HideWindow();

    // 684 pixels of client at 96 per inch, 1026 at 150 %: taller than the work area.
    Form3->Window().ShowWindow();
    const RECT sheet = Outer(Face::WindowOf(*Form3).Handle());
    EXPECT_GT(sheet.bottom - sheet.top, work.height);
    EXPECT_EQ(sheet.top, work.top) << "the title bar at the work area's top";
    RECT back{};
    GetWindowRect(Face::WindowOf(*Form3).Control(ShellTesting::ControlNamed(*Form3, "BitBtn1")), &back);
    EXPECT_LE(back.bottom, screen.height) << "the Back button below the screen";
    EXPECT_LT(back.top + (back.bottom - back.top) / 2, work.top + work.height) << "the Back button under the task bar";
    Form3->Window().HideWindow();
}

TEST_F(WorkAreaTest, TheMessageBoxIsPlacedByTheSameRule)
{
    static RECT box{};
    SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR timer, DWORD) {
        const HWND shown = FindWindowW(Win32Face::MessageBoxClass, nullptr);
        if (!shown || !IsWindowVisible(shown)) return;
        KillTimer(nullptr, timer);
        box = Outer(shown);
        PostMessageW(shown, WM_CLOSE, 0, 0);
    });
    Win32Face::ShowMessageBox({Shell::MessageKind::Information, "Information", "line"});
    const Shell::Point placed = Shell::PlacedTopLeft(screen, work, {box.right - box.left, box.bottom - box.top});
    EXPECT_EQ(box.left, placed.x);
    EXPECT_EQ(box.top, placed.y);
}

}  // namespace

int wmain(int argc, wchar_t* argv[])
{
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
