// SPDX-License-Identifier: GPL-3.0-or-later
// What only the Win32 face shows of the program's five windows, read back from the windows
// themselves: their client sizes and frames, every control in its box at the screen's
// resolution, lists exactly as high as described, and the program's own Persian face as the
// one drawn. The rules the windows follow are the conformance suite's. Runs on a display
// (Wine on Xvfb).

#include "ControlNamed.h"
#include "Look.h"
#include "MessageWindow.h"
#include "Printing.h"
#include "ProgramWindows.h"
#include "ShellTexts.h"
#include "Text.h"
#include "Window.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace {

using Win32Face::Face;
using Win32Face::Scaled;
using Win32Face::Wide;

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
    const std::vector<const Shell::Form*> forms = [] {
        std::vector<const Shell::Form*> built;
        for (const ProgramWindow& window : TheProgramWindows()) built.push_back(window.Form());
        return built;
    }();
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

// What a text line of the report was drawn as, through the face's own line drawing.
struct DrawnLine {
    RECT box;
    std::wstring text;
    Win32Face::TextEdge edge;
};
std::vector<DrawnLine> drawn;

// The report of a cold-room sheet, drawn as on a printer into a metafile of an A4 page at the
// screen's resolution: each run's text in its box from the edge it reads from, right to left.
// In the metafile's own records, each stretch of text stands whole inside its box, which
// stands inside the page.
TEST_F(Win32FaceTest, TheReportIsDrawnInsideThePageRightToLeft)
{
    // 10 x 5 x 3 m of chilled chicken, 1000 kg a day, as the window proposes the rest.
    Form3->ShowResults(ColdRoom::ComputeColdRoom({.Length = 10,
                                                  .Width = 5,
                                                  .Height = 3,
                                                  .Capacity = 1000,
                                                  .LoadingPercent = 100,
                                                  .OutsideTemperature = 35,
                                                  .RunningHours = 20,
                                                  .Process = Tools::ProcessKind::ChilledMeatStorage,
                                                  .InsulationFactor = 0.25,
                                                  .EntryTemperature = 4,
                                                  .ProductName = "مرغ"}));
    const HDC page = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    const Win32Face::PageDevice device{unsigned(GetDeviceCaps(page, LOGPIXELSX)),
                                       unsigned(GetDeviceCaps(page, LOGPIXELSY))};
    const Shell::ReportLayout layout =
        Shell::LayOutReport(Form3->Report(), {2026, 12, 9}, Shell::A4, Win32Face::MeasureOn(page, device));
    ASSERT_EQ(layout.pages.size(), 1u);
    drawn.clear();
    Win32Face::DrawReportPage(page, device, layout.pages[0],
                              [](HDC dc, const RECT& box, std::wstring_view text, HFONT font, COLORREF colour,
                                 Win32Face::TextEdge edge, bool rightToLeft) {
                                  drawn.push_back({box, std::wstring(text), edge});
                                  Win32Face::DrawLine(dc, box, text, font, colour, edge, rightToLeft);
                              });
    const HENHMETAFILE metafile = CloseEnhMetaFile(page);
    const RECT paper{0, 0, MulDiv(794, int(device.dpiX), 96), MulDiv(1123, int(device.dpiY), 96)};
    const auto inside = [](const RECT& inner, const RECT& outer) {
        return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
               inner.bottom <= outer.bottom;
    };
    ASSERT_EQ(drawn.size(), layout.pages[0].runs.size());
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const Shell::TextRun& run = layout.pages[0].runs[i];
        EXPECT_EQ(drawn[i].text, Wide(run.text));
        EXPECT_EQ(drawn[i].edge,
                  run.reading == Shell::Reading::RightToLeft ? Win32Face::TextEdge::Right : Win32Face::TextEdge::Left);
        EXPECT_TRUE(inside(drawn[i].box, paper)) << run.text;
        // Each caption of a table or the chart stands to the right of its value.
        if (run.role == Shell::RunRole::RowValue || run.role == Shell::RunRole::BarValue) {
            EXPECT_LE(drawn[i].box.right, drawn[i - 1].box.left) << run.text;
        }
    }
    // Each stretch of text the metafile holds, from its starting point as wide as its glyphs'
    // advances, within the box it is clipped to.
    std::vector<std::pair<RECT, RECT>> stretches;
    EnumEnhMetaFile(
        nullptr, metafile,
        [](HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM found) -> int {
            if (record->iType != EMR_EXTTEXTOUTW) return 1;
            const auto& text = *reinterpret_cast<const EMREXTTEXTOUTW*>(record);
            const auto* advances =
                reinterpret_cast<const INT*>(reinterpret_cast<const BYTE*>(record) + text.emrtext.offDx);
            LONG width = 0;
            for (DWORD i = 0; i < text.emrtext.nChars; ++i) width += advances[i];
            const RECTL& clip = text.emrtext.rcl;
            reinterpret_cast<std::vector<std::pair<RECT, RECT>>*>(found)->push_back(
                {{text.emrtext.ptlReference.x, 0, text.emrtext.ptlReference.x + width, 0},
                 {clip.left, clip.top, clip.right, clip.bottom}});
            return 1;
        },
        &stretches, nullptr);
    DeleteEnhMetaFile(metafile);
    EXPECT_GE(stretches.size(), drawn.size());
    for (const auto& [stretch, clip] : stretches) {
        EXPECT_GE(stretch.left, clip.left);
        EXPECT_LE(stretch.right, clip.right);
        EXPECT_TRUE(inside(clip, paper));
    }
}

// Ctrl+C on a sheet while another program holds the clipboard open: the copy is tried again
// for a moment, then the user is told, rather than left with what the clipboard held before.
// Printing where Windows' print dialog is missing, or its library lacks it, is told the same
// way, never a crash nor nothing.
TEST_F(Win32FaceTest, ACopyOrPrintThatCannotBeDoneIsReported)
{
    std::vector<Shell::Message> shown;
    Win32Face::MessageBoxSeam() = [&shown](const Shell::Message& message) { shown.push_back(message); };
    std::atomic<bool> holding = false, done = false;
    std::thread other([&] {
        holding = OpenClipboard(nullptr) != FALSE;
        while (!done) Sleep(10);
        CloseClipboard();
    });
    while (!holding) Sleep(1);
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    MSG key{Face::WindowOf(*Form3).Handle(), WM_KEYDOWN, 'C', 1, 0, {}};
    Face::WindowOf(*Form3).Key(key);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    done = true;
    other.join();
    Win32Face::PrintSheet(Face::WindowOf(*Form3), L"missing.dll");
    Win32Face::PrintSheet(Face::WindowOf(*Form3), L"kernel32.dll");
    Win32Face::MessageBoxSeam() = Win32Face::ShowMessageBox;
    EXPECT_EQ(shown, (std::vector{Shell::ErrorBox(Shell::Texts::CopyFailed), Shell::ErrorBox(Shell::Texts::PrintFailed),
                                  Shell::ErrorBox(Shell::Texts::PrintFailed)}));
}

}  // namespace

int wmain(int argc, wchar_t* argv[])
{
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
