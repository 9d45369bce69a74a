// SPDX-License-Identifier: GPL-3.0-or-later
// What only the Win32 face shows of the program's five windows, read back from the windows
// themselves: their client sizes and frames, every control in its box at the screen's
// resolution, lists exactly as high as described, and the program's own Persian face as the
// one drawn. The rules the windows follow are the conformance suite's. Runs on a display
// (Wine on Xvfb).

#include "ControlNamed.h"
#include "Look.h"
#include "ProgramWindows.h"
#include "Text.h"
#include "Window.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Win32Face::Face;
using Win32Face::Scaled;

RECT Placement(HWND control)
{
    RECT box{};
    GetWindowRect(control, &box);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&box), 2);
    return box;
}

// The program's windows as the program makes them.
class Win32FaceTest : public testing::Test {
protected:
    Face face{ProgramTitle};
    ProgramWindows windows{face};
    const Shell::Form* forms[5] = {Form1, Form2, Form3, Form4, Form5};
};

TEST_F(Win32FaceTest, EveryWindowHasItsClientSizeFrameAndTitleButtons)
{
    for (const Shell::Form* form : forms) {
        const Shell::WindowDescription& description = form->Description();
        SCOPED_TRACE(std::string(description.name));
        const HWND window = Face::WindowOf(*form).Handle();
        const unsigned dpi = GetDpiForWindow(window);
        RECT client{};
        GetClientRect(window, &client);
        EXPECT_EQ(client.right, Scaled(description.client.width, dpi));
        EXPECT_EQ(client.bottom, Scaled(description.client.height, dpi));
        const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
        const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
        EXPECT_EQ((style & WS_MINIMIZEBOX) != 0, description.buttons == Shell::TitleButtons::MinimizeAndClose);
        EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0) << "a fixed frame without maximise box";
        EXPECT_EQ((exStyle & WS_EX_DLGMODALFRAME) != 0, description.border == Shell::Border::Dialog);
        EXPECT_EQ(Win32Face::WindowText(window), Win32Face::Wide(description.caption));
    }
}

TEST_F(Win32FaceTest, EveryControlStandsInItsBoxAndListsAreAsHighAsDescribedWithRowsOf32Pixels)
{
    for (const Shell::Form* form : forms) {
        SCOPED_TRACE(std::string(form->Description().name));
        const HWND window = Face::WindowOf(*form).Handle();
        const unsigned dpi = GetDpiForWindow(window);
        RECT client{};
        GetClientRect(window, &client);
        for (const Shell::Control& control : form->Description().controls) {
            SCOPED_TRACE(std::string(control.name));
            const HWND handle = Face::WindowOf(*form).Control(ShellTesting::ControlNamed(*form, control.name));
            const RECT at = Placement(handle);
            const Shell::Rect& box = control.box;
            if (box.SizedToText()) {
                // A pixel of room before the text, and the whole text inside the window.
                EXPECT_EQ(at.left, Scaled(box.left, dpi) - 1);
                EXPECT_EQ(at.top, Scaled(box.top, dpi));
                EXPECT_GT(at.right - at.left, 2);
                EXPECT_LE(at.right, client.right);
                continue;
            }
            if (!control.growsLeft) {
                EXPECT_EQ(at.left, Scaled(box.left, dpi));
            }
            EXPECT_EQ(at.right, Scaled(box.left + box.width, dpi));
            EXPECT_EQ(at.top, Scaled(box.top, dpi));
            EXPECT_EQ(at.bottom, Scaled(box.top + box.height, dpi)) << "a list closed is as high as its box";
            if (control.kind == Shell::Kind::List) {
                EXPECT_EQ(GetWindowLongPtrW(handle, GWL_STYLE) & 3, CBS_DROPDOWNLIST);
                EXPECT_EQ(SendMessageW(handle, CB_GETITEMHEIGHT, 0, 0), Scaled(Shell::ListRowHeight, dpi));
            }
        }
    }
}

bool Listed(const wchar_t* family)
{
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(wanted.lfFaceName, family, LF_FACESIZE);
    bool listed = false;
    const HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(
        screen, &wanted,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) -> int {
            *reinterpret_cast<bool*>(found) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&listed), 0);
    ReleaseDC(nullptr, screen);
    return listed;
}

TEST_F(Win32FaceTest, TheProgramsOwnPersianFaceIsTheOneDrawn)
{
    // The machine's Persian faces (Homa comes with its Nazli) are hidden from the tests, so
    // that the Nazli drawn is the one built into the program.
    EXPECT_FALSE(Listed(L"Homa")) << "the machine's Persian faces stand in for the program's own";
    const HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, Win32Face::FontOf(Shell::Role::Caption, 96));
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    EXPECT_STREQ(face, Win32Face::PersianSubstitute);
    DeleteDC(dc);
}

}  // namespace

int wmain(int argc, wchar_t* argv[])
{
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
