// SPDX-License-Identifier: GPL-3.0-or-later
// The program's five windows built through the Win32 face, driven with the messages a user's
// keys and clicks send, and read back from the windows themselves. Runs on a display (Wine on
// Xvfb): a modal window is closed from a timer that also records what it saw.

#include "ControlNamed.h"
#include "Look.h"
#include "Loop.h"
#include "MessageWindow.h"
#include "ProgramWindows.h"
#include "Text.h"
#include "Window.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using Win32Face::Face;
using Win32Face::Scaled;
using Win32Face::Wide;

// The program's windows, made once for every test as the program makes them.
struct Program {
    Face face{ProgramTitle};
    ProgramWindows windows{face};
};
Program* program = nullptr;

HWND Handle(const Shell::Form& form) { return Face::WindowOf(form).Handle(); }
using ShellTesting::ControlNamed;

HWND ControlOf(const Shell::Form& form, std::string_view name)
{
    return Face::WindowOf(form).Control(ControlNamed(form, name));
}

std::wstring TextOf(HWND window)
{
    wchar_t text[512] = {};
    SendMessageW(window, WM_GETTEXT, 512, LPARAM(text));
    return text;
}

// Runs the program's message loop until nothing is left to do.
void Pump()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        if (!Win32Face::TakeMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
}

// A key pressed in the control that holds the focus, through the program's message loop.
void Press(WPARAM key)
{
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
    PostMessageW(GetFocus(), WM_KEYUP, key, 1u << 31 | 1u << 30 | 1);
    Pump();
}

void Type(HWND edit, std::wstring_view text)
{
    for (const wchar_t c : text) SendMessageW(edit, WM_CHAR, c, 1);
}

// While a modal window runs its own loop, `steps` run one after another from a timer, each
// once the one before it returned true; what is left when the window closes did not happen.
std::vector<std::function<bool()>> steps;
void RunSteps(std::vector<std::function<bool()>> toRun)
{
    steps = std::move(toRun);
    SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR timer, DWORD) {
        while (!steps.empty() && steps.front()()) steps.erase(steps.begin());
        if (steps.empty()) KillTimer(nullptr, timer);
    });
}

RECT Placement(HWND control)
{
    RECT box{};
    GetWindowRect(control, &box);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&box), 2);
    return box;
}

Shell::Point CentredOnScreen(HWND window)
{
    RECT outer{};
    GetWindowRect(window, &outer);
    return Shell::CentredTopLeft({GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)},
                                 {outer.right - outer.left, outer.bottom - outer.top});
}

class Win32FaceTest : public testing::Test {
protected:
    static void SetUpTestSuite() { program = new Program; }
    static void TearDownTestSuite()
    {
        delete program;
        program = nullptr;
    }
    void SetUp() override
    {
        // Message boxes are recorded, not shown.
        Win32Face::MessageBoxSeam() = [this](const Shell::Message& message) { shown.push_back(message); };
    }
    void TearDown() override
    {
        Win32Face::MessageBoxSeam() = Win32Face::ShowMessageBox;
        for (Shell::Form* form : std::initializer_list<Shell::Form*>{Form1, Form2, Form4}) form->Window().HideWindow();
        Pump();
    }
    std::vector<Shell::Message> shown;
};

const Shell::Form* const* AllForms()
{
    static const Shell::Form* forms[5];
    forms[0] = Form1, forms[1] = Form2, forms[2] = Form3, forms[3] = Form4, forms[4] = Form5;
    return forms;
}

TEST_F(Win32FaceTest, EveryWindowHasItsClientSizeFrameAndTitleButtons)
{
    for (int i = 0; i < 5; ++i) {
        const Shell::Form& form = *AllForms()[i];
        const Shell::WindowDescription& description = form.Description();
        SCOPED_TRACE(std::string(description.name));
        const HWND window = Handle(form);
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
        EXPECT_EQ(TextOf(window), Wide(description.caption));
    }
}

TEST_F(Win32FaceTest, EveryControlStandsInItsBoxAndLabelsSizedToTextStartAtTheirLeftEdge)
{
    for (int i = 0; i < 5; ++i) {
        const Shell::Form& form = *AllForms()[i];
        SCOPED_TRACE(std::string(form.Description().name));
        const unsigned dpi = GetDpiForWindow(Handle(form));
        for (const Shell::Control& control : form.Description().controls) {
            SCOPED_TRACE(std::string(control.name));
            const RECT at = Placement(ControlOf(form, control.name));
            const Shell::Rect& box = control.box;
            if (box.SizedToText()) {
                // A pixel of room before the text, and the whole text inside the window.
                EXPECT_EQ(at.left, Scaled(box.left, dpi) - 1);
                EXPECT_EQ(at.top, Scaled(box.top, dpi));
                EXPECT_GT(at.right - at.left, 2);
                RECT client{};
                GetClientRect(Handle(form), &client);
                EXPECT_LE(at.right, client.right);
                continue;
            }
            if (!control.growsLeft) {
                EXPECT_EQ(at.left, Scaled(box.left, dpi));
            }
            EXPECT_EQ(at.right, Scaled(box.left + box.width, dpi));
            EXPECT_EQ(at.top, Scaled(box.top, dpi));
            EXPECT_EQ(at.bottom, Scaled(box.top + box.height, dpi)) << "a list closed is as high as its box";
        }
    }
}

TEST_F(Win32FaceTest, EditBoxesTakeOnlyDigitsUpToTheirLimitButAWrittenTextWhole)
{
    const HWND volume = ControlOf(*Form4, "Edit1");  // at most 6 characters
    SetWindowTextW(volume, L"");
    // Letters, signs, blanks, Persian digits and a Ctrl+V are dropped; backspace deletes.
    Type(volume,
         L"12a3-. \u06F4\x16"
         L"45\b");
    EXPECT_EQ(TextOf(volume), L"1234");
    Type(volume, L"56789");
    EXPECT_EQ(TextOf(volume), L"123456");

    Form4->Window().SetText(ControlNamed(*Form4, "Edit1"), "12345678");
    EXPECT_EQ(TextOf(volume), L"12345678");
    // Deleting lowers the limit with the text: typing never makes it longer again.
    SendMessageW(volume, EM_SETSEL, 8, 8);
    Type(volume, L"\b9");
    EXPECT_EQ(TextOf(volume), L"1234567");
    Form4->Window().SetText(ControlNamed(*Form4, "Edit1"), "");
}

TEST_F(Win32FaceTest, ListsPickOnlyRowsOf32PixelsAndAUserChoiceRearrangesTheWindow)
{
    const HWND process = ControlOf(*Form2, "ComboBox1");
    EXPECT_EQ(GetWindowLongPtrW(process, GWL_STYLE) & 3, CBS_DROPDOWNLIST);
    EXPECT_EQ(SendMessageW(process, CB_GETITEMHEIGHT, 0, 0), Scaled(32, GetDpiForWindow(process)));
    Form2->Window().ShowWindow();
    Pump();
    // The produce storage process shows the produce list in the meat list's place.
    SendMessageW(process, CB_SETCURSEL, 4, 0);
    SendMessageW(Handle(*Form2), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(process), CBN_SELCHANGE), LPARAM(process));
    EXPECT_TRUE(IsWindowVisible(ControlOf(*Form2, "ComboBox8")));
    EXPECT_FALSE(IsWindowVisible(ControlOf(*Form2, "ComboBox3")));
    // A notice of the item already chosen is no change: the insulation the user chose stays,
    // where choosing the process again would propose 10 cm.
    SendMessageW(ControlOf(*Form2, "ComboBox2"), CB_SETCURSEL, 1, 0);
    SendMessageW(Handle(*Form2), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(process), CBN_SELCHANGE), LPARAM(process));
    EXPECT_EQ(SendMessageW(ControlOf(*Form2, "ComboBox2"), CB_GETCURSEL, 0, 0), 1);
    SendMessageW(process, CB_SETCURSEL, 0, 0);
    SendMessageW(Handle(*Form2), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(process), CBN_SELCHANGE), LPARAM(process));
    EXPECT_TRUE(IsWindowVisible(ControlOf(*Form2, "ComboBox3")));
}

TEST_F(Win32FaceTest, AListDrawsItsChoiceAtTheRightEdgeOfItsField)
{
    Form4->Window().ShowWindow();
    Pump();
    const HWND hours = ControlOf(*Form4, "ComboBox2");  // "18" in a 73-pixel box
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(hours, &info);
    RECT box{};
    GetClientRect(hours, &box);
    const HDC screen = GetDC(hours);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP picture = CreateCompatibleBitmap(screen, box.right, box.bottom);
    SelectObject(memory, picture);
    PrintWindow(hours, memory, PW_CLIENTONLY);
    // The ink of the digits, told from the field's background by its colour.
    const COLORREF background = GetPixel(memory, info.rcItem.left + 1, info.rcItem.top + 1);
    int left = info.rcItem.right, right = info.rcItem.left;
    for (int y = info.rcItem.top + 2; y < info.rcItem.bottom - 2; ++y)
        for (int x = info.rcItem.left + 2; x < info.rcItem.right - 2; ++x)
            if (GetPixel(memory, x, y) != background) left = std::min(left, x), right = std::max(right, x);
    DeleteDC(memory);
    DeleteObject(picture);
    ReleaseDC(hours, screen);
    ASSERT_LT(left, right) << "no text drawn";
    EXPECT_GT(left, (info.rcItem.left + info.rcItem.right) / 2);
    EXPECT_GE(right, info.rcItem.right - Scaled(10, GetDpiForWindow(hours)));
}

TEST_F(Win32FaceTest, OptionsFormOneGroupWhoseSelectedOptionAloneIsATabStop)
{
    Form1->Window().ShowWindow();
    Pump();
    const HWND iceBank = ControlOf(*Form1, "RadioButton1"), coldStore = ControlOf(*Form1, "RadioButton2");
    const auto tabStop = [](HWND option) { return (GetWindowLongPtrW(option, GWL_STYLE) & WS_TABSTOP) != 0; };
    EXPECT_TRUE(tabStop(coldStore));
    EXPECT_FALSE(tabStop(iceBank));
    SendMessageW(iceBank, BM_CLICK, 0, 0);
    Pump();
    EXPECT_EQ(Form1->Window().Selection(ControlNamed(*Form1, "RadioButton1")), 1);
    EXPECT_EQ(Form1->Window().Selection(ControlNamed(*Form1, "RadioButton2")), 0);
    EXPECT_TRUE(tabStop(iceBank));
    EXPECT_FALSE(tabStop(coldStore));
    // Escape leaves the start dialog open.
    Press(VK_ESCAPE);
    EXPECT_TRUE(IsWindowVisible(Handle(*Form1)));
    Form1->Window().SetSelection(ControlNamed(*Form1, "RadioButton2"), 1);
}

TEST_F(Win32FaceTest, ASheetOpensModallyCentredOverItsInputWindowAndOnlyEnterClosesIt)
{
    Form4->Window().ShowWindow();
    Pump();
    SetWindowTextW(ControlOf(*Form4, "Edit1"), L"");
    Type(ControlOf(*Form4, "Edit1"), L"10000");
    const HWND input = Handle(*Form4), sheet = Handle(*Form5);
    bool modal = false, centred = false, stayed = false;
    std::wstring copied;
    RunSteps({
        [&] {
            if (!IsWindowVisible(sheet)) return false;
            modal = !IsWindowEnabled(input) && GetWindow(sheet, GW_OWNER) == input && GetActiveWindow() == sheet;
            RECT outer{};
            GetWindowRect(sheet, &outer);
            const Shell::Point at = CentredOnScreen(sheet);
            centred = outer.left == at.x && outer.top == at.y;
            Press(VK_ESCAPE);
            return true;
        },
        [&] {
            stayed = IsWindowVisible(sheet);
            // Ctrl+C copies the sheet as text, with the run's inputs.
            BYTE keys[256] = {};
            GetKeyboardState(keys);
            keys[VK_CONTROL] = 0x80;
            SetKeyboardState(keys);
            Press('C');
            keys[VK_CONTROL] = 0;
            SetKeyboardState(keys);
            if (OpenClipboard(nullptr)) {
                if (const HANDLE text = GetClipboardData(CF_UNICODETEXT)) {
                    copied = static_cast<const wchar_t*>(GlobalLock(text));
                    GlobalUnlock(text);
                }
                CloseClipboard();
            }
            Press(VK_RETURN);
            return true;
        },
    });
    SendMessageW(ControlOf(*Form4, "Button1"), BM_CLICK, 0, 0);
    EXPECT_TRUE(steps.empty()) << "the sheet closed before the steps were done";
    EXPECT_TRUE(modal) << "the input window took input, or did not own the sheet";
    EXPECT_TRUE(centred);
    EXPECT_TRUE(stayed) << "Escape closed the sheet";
    EXPECT_FALSE(IsWindowVisible(sheet));
    EXPECT_TRUE(IsWindowEnabled(input));
    EXPECT_TRUE(shown.empty());
    // Lines end in CR LF on Windows; the inputs come first, the tank volume among them.
    std::wstring expected;
    for (const wchar_t c : Wide(Form5->SheetText()))
        expected += c == L'\n' ? std::wstring(L"\r\n") : std::wstring(1, c);
    EXPECT_EQ(copied, expected);
    EXPECT_NE(copied.find(L"10000"), std::wstring::npos);
    SetWindowTextW(ControlOf(*Form4, "Edit1"), L"");
}

TEST_F(Win32FaceTest, ARejectedInputShowsItsBoxThroughTheSeamAndNoSheet)
{
    Form4->Window().ShowWindow();
    Pump();
    SetWindowTextW(ControlOf(*Form4, "Edit1"), L"");
    Type(ControlOf(*Form4, "Edit1"), L"500");
    SendMessageW(ControlOf(*Form4, "Button1"), BM_CLICK, 0, 0);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].kind, Shell::MessageKind::Error);
    EXPECT_EQ(shown[0].caption, "Error");
    EXPECT_FALSE(IsWindowVisible(Handle(*Form5)));
    SetWindowTextW(ControlOf(*Form4, "Edit1"), L"");
}

TEST_F(Win32FaceTest, TheMessageBoxShowsItsCaptionEachLineAndOneOkCentredOverDisabledWindows)
{
    Form2->Window().ShowWindow();
    Pump();
    const Shell::Message message{Shell::MessageKind::Information, "Information", "  first line\rsecond \u0628\u0627"};
    std::wstring caption;
    std::vector<std::wstring> lines, buttons;
    bool centred = false, ownerDisabled = false;
    RunSteps({[&] {
        const HWND box = FindWindowW(Win32Face::MessageBoxClass, nullptr);
        if (!box || !IsWindowVisible(box)) return false;
        caption = TextOf(box);
        ownerDisabled = !IsWindowEnabled(Handle(*Form2));
        RECT outer{};
        GetWindowRect(box, &outer);
        const Shell::Point at = CentredOnScreen(box);
        centred = outer.left == at.x && outer.top == at.y;
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            wchar_t type[32] = {};
            GetClassNameW(child, type, 32);
            const std::wstring text = TextOf(child);
            if (lstrcmpiW(type, L"Button") == 0)
                buttons.push_back(text);
            else if (!text.empty())
                lines.push_back(text);
        }
        Press(VK_RETURN);
        return true;
    }});
    Win32Face::ShowMessageBox(message);
    EXPECT_TRUE(steps.empty()) << "the box did not appear";
    EXPECT_EQ(caption, L"Information");
    EXPECT_EQ(lines, (std::vector<std::wstring>{L"  first line", L"second \u0628\u0627"}));
    EXPECT_EQ(buttons, std::vector<std::wstring>{L"OK"});
    EXPECT_TRUE(centred);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(Handle(*Form2)));
}

}  // namespace

int wmain(int argc, wchar_t* argv[])
{
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
