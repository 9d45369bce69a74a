// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows on a screen with a task bar along its bottom, as Windows at 150 % on
// 1920 x 1080 and at 125 % on 1366 x 768 shows them (work-area-check.sh makes the display and
// the Wine prefix): a window that fits the work area is centred on the screen as ever, its size
// and style unchanged; the result sheet, taller than the work area, keeps its title bar at the
// work area's top and its frame inside it, and scrolls: its Back button in view and under the
// pointer when it opens, its first and last rows by the wheel. The message box is placed by
// the same rule.

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
        ASSERT_GT(GetDpiForWindow(Face::WindowOf(*Form1).Handle()), 96u) << "not scaled";
        ASSERT_LT(work.height, screen.height) << "no task bar";
    }
    HWND Control(const Shell::Form& form, std::string_view name) const
    {
        return Face::WindowOf(form).Control(ShellTesting::ControlNamed(form, name));
    }
    // Whether the control stands whole in what its window's client area shows, on the work
    // area.
    ::testing::AssertionResult InView(const Shell::Form& form, std::string_view name) const
    {
        const HWND window = Face::WindowOf(form).Handle();
        RECT shown{}, box = Outer(Control(form, name));
        GetClientRect(window, &shown);
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&shown), 2);
        const auto inside = [&box](const RECT& area) {
            return box.left >= area.left && box.top >= area.top && box.right <= area.right && box.bottom <= area.bottom;
        };
        const RECT onScreen{work.left, work.top, work.left + work.width, work.top + work.height};
        if (inside(shown) && inside(onScreen)) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << name << " stands at " << box.left << "," << box.top << " to " << box.right << "," << box.bottom
               << ", the client area shows " << shown.top << " to " << shown.bottom;
    }
    Face face{ProgramTitle};
    ProgramWindows windows{face};
    Shell::Size screen = Win32Face::PrimaryScreen();
    Shell::Rect work = Win32Face::PrimaryWorkArea();
};

TEST_F(WorkAreaTest, AWindowThatFitsIsUnchangedAndCentred)
{
    const HWND input = Face::WindowOf(*Form2).Handle();
    const unsigned dpi = GetDpiForWindow(input);
    RECT whole{0, 0, Win32Face::Scaled(Form2->Description().client.width, dpi),
               Win32Face::Scaled(Form2->Description().client.height, dpi)};
    AdjustWindowRectExForDpi(&whole, DWORD(GetWindowLongPtrW(input, GWL_STYLE)), FALSE,
                             DWORD(GetWindowLongPtrW(input, GWL_EXSTYLE)), dpi);
    Form2->Window().ShowWindow();
    const RECT outer = Outer(input);
    EXPECT_EQ(GetWindowLongPtrW(input, GWL_STYLE) & WS_VSCROLL, 0) << "a scroll bar on a window that fits";
    EXPECT_EQ(outer.right - outer.left, whole.right - whole.left);
    EXPECT_EQ(outer.bottom - outer.top, whole.bottom - whole.top);
    const Shell::Point centred = Shell::CentredTopLeft(screen, {outer.right - outer.left, outer.bottom - outer.top});
    EXPECT_EQ(outer.left, centred.x);
    EXPECT_EQ(outer.top, centred.y);
    Form2->Window().HideWindow();
}

TEST_F(WorkAreaTest, TheTallSheetScrollsInsideTheWorkAreaWithEveryRowAndItsBackButtonInReach)
{
    const HWND sheet = Face::WindowOf(*Form3).Handle();
    const unsigned dpi = GetDpiForWindow(sheet);
    // 684 pixels of client at 96 per inch: 1026 at 150 %, 855 at 125 %, taller than the work area.
    ASSERT_GT(Win32Face::Scaled(Form3->Description().client.height, dpi), work.height);
    Form3->Window().ShowWindow();
    const RECT outer = Outer(sheet);
    EXPECT_EQ(outer.top, work.top) << "the title bar at the work area's top";
    EXPECT_EQ(outer.bottom, work.top + work.height) << "the frame ends at the work area's bottom";
    EXPECT_NE(GetWindowLongPtrW(sheet, GWL_STYLE) & WS_VSCROLL, 0) << "no scroll bar";
    RECT client{};
    GetClientRect(sheet, &client);
    EXPECT_EQ(client.right, Win32Face::Scaled(Form3->Description().client.width, dpi)) << "the bar takes a column";

    // Focused when the sheet opens, the Back button is in view and takes the pointer.
    const HWND back = Control(*Form3, "BitBtn1");
    EXPECT_EQ(GetFocus(), back);
    EXPECT_TRUE(InView(*Form3, "BitBtn1"));
    const RECT button = Outer(back);
    EXPECT_EQ(WindowFromPoint({(button.left + button.right) / 2, (button.top + button.bottom) / 2}), back);
    // The wheel reaches the first rows and brings back the last ones.
    const auto turn = [sheet](int notches) {
        for (int i = 0; i < std::abs(notches); ++i)
            SendMessageW(sheet, WM_MOUSEWHEEL, MAKEWPARAM(0, notches > 0 ? -WHEEL_DELTA : WHEEL_DELTA), 0);
    };
    turn(-40);
    EXPECT_TRUE(InView(*Form3, "Label1"));
    EXPECT_TRUE(InView(*Form3, "Label10"));
    EXPECT_FALSE(InView(*Form3, "BitBtn1"));
    turn(40);
    EXPECT_TRUE(InView(*Form3, "Label30"));
    EXPECT_TRUE(InView(*Form3, "Label32"));
    EXPECT_TRUE(InView(*Form3, "BitBtn1"));
    // The scroll bar's Top, as its own menu sends it.
    SendMessageW(sheet, WM_VSCROLL, SB_TOP, 0);
    EXPECT_TRUE(InView(*Form3, "Label1"));
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
