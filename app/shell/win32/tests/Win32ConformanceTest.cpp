// SPDX-License-Identifier: GPL-3.0-or-later
// The window rules' scenarios played on the Win32 face, under Wine on a display: the program's
// own windows, keys through the face's message pump, clicks as the controls take them, the
// clipboard's text pasted with WM_PASTE, open lists shown and their rows clicked; what the
// windows show read back from them, ink from their pixels, the decimal separator from the
// user's regional settings as Windows reports it.

#include "Clipboard.h"
#include "Conformance.h"
#include "ControlNamed.h"
#include "Look.h"
#include "Loop.h"
#include "MessageWindow.h"
#include "ProgramWindows.h"
#include "Text.h"
#include "Window.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <optional>
#include <vector>

namespace {

using Conformance::Edge;
using Win32Face::Face;

constexpr UINT_PTR StepTimer = 1;
constexpr int FirstLineId = 100;  // of the message box's lines

const Shell::Form* FormNamed(std::string_view name)
{
    const Shell::Form* forms[] = {Form1, Form2, Form3, Form4, Form5};
    for (const Shell::Form* form : forms)
        if (form && form->Description().name == name) return form;
    return nullptr;
}

HWND TopOf(const Shell::Form& form) { return Face::WindowOf(form).Handle(); }

HWND ControlOf(std::string_view window, std::string_view control)
{
    const Shell::Form* form = FormNamed(window);
    return form ? Face::WindowOf(*form).Control(ShellTesting::ControlNamed(*form, control)) : nullptr;
}

HWND OpenMessageBox()
{
    const HWND box = FindWindowW(Win32Face::MessageBoxClass, nullptr);
    return box && IsWindowVisible(box) ? box : nullptr;
}

// A message as the program's message loop hands it on.
void Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    MSG taken{window, message, wParam, lParam, DWORD(GetMessageTime()), {}};
    if (!Win32Face::TakeMessage(taken)) {
        TranslateMessage(&taken);
        DispatchMessageW(&taken);
    }
}

// Where the ink of a box in a picture stands: columns unlike the background at its corner.
std::optional<Edge> InkEdge(HDC picture, RECT box)
{
    const COLORREF background = GetPixel(picture, box.left, box.top);
    int left = box.right, right = box.left - 1;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            if (GetPixel(picture, x, y) != background) left = std::min(left, x), right = std::max(right, x);
    if (right < left) return std::nullopt;
    const int before = left - box.left, after = box.right - 1 - right;
    // Ink that fills its box stands at no edge in particular.
    if (before <= 3 && after <= 3) return std::nullopt;
    if (std::abs(before - after) <= 3) return Edge::Centre;
    return before < after ? Edge::Left : Edge::Right;
}

// A window's client area as drawn, in a picture of its own; `read` reads it.
template <class Read>
auto Picture(HWND window, Read read)
{
    UpdateWindow(window);
    RECT client{};
    GetClientRect(window, &client);
    const HDC screen = GetDC(window);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
    const auto seen = read(memory);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return seen;
}

RECT BoxIn(HWND control, HWND window)
{
    RECT box{};
    GetWindowRect(control, &box);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&box), 2);
    return box;
}

class Win32Driver : public Conformance::Driver {
public:
    Win32Driver()
    {
        WNDCLASSW type{};
        type.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            auto* self = reinterpret_cast<Win32Driver*>(GetWindowLongPtrW(window, GWLP_USERDATA));
            if (message == WM_TIMER && wParam == StepTimer && self) {
                self->RunStep();
                return 0;
            }
            return DefWindowProcW(window, message, wParam, lParam);
        };
        type.hInstance = GetModuleHandleW(nullptr);
        type.lpszClassName = L"ConformanceDriver";
        RegisterClassW(&type);
        steps_ = CreateWindowW(type.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, type.hInstance, nullptr);
        SetWindowLongPtrW(steps_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }

    ~Win32Driver() override
    {
        program_.reset();
        face_.reset();
        DestroyWindow(steps_);
        for (const auto& [setting, value] : saved_) SetLocaleInfoW(LOCALE_USER_DEFAULT, setting, value.c_str());
    }

    // ---- The event loop

    // Timers come once no other message waits: a step runs when the loop is idle.
    void Post(std::function<void()> step) override
    {
        queue_.push_back(std::move(step));
        SetTimer(steps_, StepTimer, USER_TIMER_MINIMUM, nullptr);
    }

    void Run() override
    {
        running_ = true;
        MSG message{};
        while (running_ && GetMessageW(&message, nullptr, 0, 0) >= 0) {
            if (message.message == WM_QUIT) {
                ended_ = true;
                continue;
            }
            if (!Win32Face::TakeMessage(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
    }

    void Stop() override
    {
        running_ = false;
        if (const HWND box = OpenMessageBox()) SendMessageW(box, WM_CLOSE, 0, 0);
        for (const char* sheet : {"Form3", "Form5"})
            if (const Shell::Form* form = FormNamed(sheet); form && IsWindowVisible(TopOf(*form)))
                SendMessageW(TopOf(*form), WM_CLOSE, 0, 0);
        PostMessageW(steps_, WM_NULL, 0, 0);
    }

    // ---- The user

    void Start() override
    {
        program_.reset();
        face_ = std::make_unique<Face>(ProgramTitle);
        program_ = std::make_unique<ProgramWindows>(*face_);
        ended_ = false;
        Form1->Window().ShowWindow();
    }

    void Press(Shell::Keystroke stroke) override
    {
        const WPARAM key = KeyOf(stroke.key);
        const HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
        if (!key || !target) return;
        BYTE before[256] = {};
        GetKeyboardState(before);
        BYTE held[256] = {};
        std::copy(std::begin(before), std::end(before), held);
        const auto hold = [&held](int modifier, bool down) { held[modifier] = down ? 0x80 : 0; };
        hold(VK_CONTROL, stroke.control), hold(VK_LCONTROL, stroke.control);
        hold(VK_MENU, stroke.alt), hold(VK_LMENU, stroke.alt);
        hold(VK_SHIFT, stroke.shift), hold(VK_LSHIFT, stroke.shift);
        held[key] = 0x80;
        SetKeyboardState(held);
        const UINT down = stroke.alt ? WM_SYSKEYDOWN : WM_KEYDOWN, up = stroke.alt ? WM_SYSKEYUP : WM_KEYUP;
        const LPARAM alt = stroke.alt ? LPARAM(1) << 29 : 0;
        Deliver(target, down, key, 1 | alt);
        held[key] = 0;
        SetKeyboardState(held);
        Deliver(GetFocus() ? GetFocus() : target, up, key, LPARAM(0xC0000001) | alt);
        SetKeyboardState(before);
    }

    void Type(std::string_view text) override
    {
        for (const wchar_t c : Win32Face::Wide(text))
            if (const HWND focus = GetFocus()) Deliver(focus, WM_CHAR, c, 1);
    }

    void Paste(std::string_view text) override
    {
        // As the box's own menu pastes: WM_PASTE to the box.
        Win32Face::SetClipboardText(nullptr, Win32Face::WindowsLines(Win32Face::Wide(text)));
        if (const HWND focus = GetFocus()) SendMessageW(focus, WM_PASTE, 0, 0);
    }

    void Click(std::string_view window, std::string_view control) override
    {
        const HWND target = ControlOf(window, control);
        if (!Reachable(target)) return;
        const Shell::Kind kind = KindOf(window, control);
        switch (kind) {
        case Shell::Kind::Edit: {
            // At the right of its text, where the caret goes to the end.
            RECT client{};
            GetClientRect(target, &client);
            const LPARAM at = MAKELPARAM(client.right - 2, client.bottom / 2);
            SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
            SendMessageW(target, WM_LBUTTONUP, 0, at);
            break;
        }
        case Shell::Kind::List: OpenList(window, control); break;
        case Shell::Kind::Button:
        case Shell::Kind::OkButton:
        case Shell::Kind::Option: SendMessageW(target, BM_CLICK, 0, 0); break;
        default: break;
        }
    }

    void OpenList(std::string_view window, std::string_view control) override
    {
        const HWND list = ControlOf(window, control);
        if (!Reachable(list)) return;
        SetFocus(list);
        SendMessageW(list, CB_SHOWDROPDOWN, TRUE, 0);
    }

    void ClickRow(int row) override
    {
        const HWND list = OpenListBox();
        if (!list) return;
        // Scrolled to it where it is out of sight, then clicked as the pointer does.
        RECT item{}, client{};
        GetClientRect(list, &client);
        SendMessageW(list, LB_GETITEMRECT, WPARAM(row), LPARAM(&item));
        if (item.top < 0 || item.bottom > client.bottom) {
            SendMessageW(list, LB_SETTOPINDEX, WPARAM(row), 0);
            SendMessageW(list, LB_GETITEMRECT, WPARAM(row), LPARAM(&item));
        }
        const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        SendMessageW(list, WM_MOUSEMOVE, 0, at);
        SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(list, WM_LBUTTONUP, 0, at);
    }

    void CloseBox(std::string_view window) override
    {
        const Shell::Form* form = FormNamed(window);
        if (form && Reachable(TopOf(*form))) SendMessageW(TopOf(*form), WM_SYSCOMMAND, SC_CLOSE, 0);
    }

    // As the regional settings write it: the thousands separator the other mark.
    void SetDecimalSeparator(std::string_view separator) override
    {
        if (saved_.empty())
            for (const LCTYPE setting : {LOCALE_SDECIMAL, LOCALE_STHOUSAND}) {
                wchar_t before[8] = {};
                GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, setting, before, 8);
                saved_.emplace_back(setting, before);
            }
        const std::wstring decimal = Win32Face::Wide(separator);
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal.c_str());
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, decimal == L"," ? L"." : L",");
    }

    // The next step runs once the pause is over; messages meanwhile are delivered.
    void Pause() override { notBefore_ = GetTickCount64() + Shell::TypeAheadPause + 100; }

    // ---- What the face shows

    std::string Text(std::string_view window, std::string_view control) override
    {
        const Shell::Form& form = *FormNamed(window);
        return form.Window().Text(ShellTesting::ControlNamed(form, control));
    }

    std::string Selected(std::string_view window, std::string_view control) override
    {
        const HWND field = ControlOf(window, control);
        DWORD start = 0, end = 0;
        SendMessageW(field, EM_GETSEL, WPARAM(&start), LPARAM(&end));
        return Win32Face::Utf8(Win32Face::WindowText(field).substr(start, end - start));
    }

    std::string Focused() override
    {
        const HWND focus = GetFocus();
        if (!focus) return "";
        if (const HWND box = OpenMessageBox(); box && IsChild(box, focus))
            return GetDlgCtrlID(focus) == IDOK ? "Box.OK" : "Box.?";
        for (const char* name : {"Form1", "Form2", "Form3", "Form4", "Form5"}) {
            const Shell::Form& form = *FormNamed(name);
            for (const Shell::Control& control : form.Description().controls)
                if (ControlOf(name, control.name) == focus) return std::string(name) + "." + std::string(control.name);
        }
        return "?";
    }

    std::string Active() override
    {
        const HWND active = GetActiveWindow();
        if (active && active == OpenMessageBox()) return "Box";
        for (const char* name : {"Form1", "Form2", "Form3", "Form4", "Form5"})
            if (active == TopOf(*FormNamed(name)) && IsWindowVisible(active)) return name;
        return "";
    }

    std::optional<Shell::Message> OpenBox() override
    {
        const HWND box = OpenMessageBox();
        if (!box) return std::nullopt;
        Shell::Message message{Shell::MessageKind::Information, Win32Face::Utf8(Win32Face::WindowText(box)), ""};
        for (int line = 0; const HWND shown = GetDlgItem(box, FirstLineId + line); ++line)
            message.text += (line ? "\r" : "") + Win32Face::Utf8(Win32Face::WindowText(shown));
        return message;
    }

    std::string Clipboard() override { return Win32Face::Utf8(Win32Face::ClipboardText()); }

    std::optional<Edge> InkOf(std::string_view window, std::string_view control) override
    {
        const HWND top = window == "Box" ? OpenMessageBox() : TopOf(*FormNamed(window));
        const HWND shown = window == "Box" ? GetDlgItem(top, FirstLineId + std::stoi(std::string(control)) - 1)
                                           : ControlOf(window, control);
        if (!top || !shown) return std::nullopt;
        const RECT box = BoxIn(shown, top);
        return Picture(top, [&](HDC picture) { return InkEdge(picture, box); });
    }

    std::optional<Edge> RowsOfOpenList() override
    {
        const HWND list = OpenListBox();
        if (!list) return std::nullopt;
        RECT row{};
        SendMessageW(list, LB_GETITEMRECT, WPARAM(SendMessageW(list, LB_GETTOPINDEX, 0, 0)), LPARAM(&row));
        return Picture(list, [&](HDC picture) { return InkEdge(picture, row); });
    }

    bool DrawnWhole(std::string_view window, std::string_view control) override
    {
        // A text cut short runs to the edge of the box's client area.
        const HWND edit = ControlOf(window, control);
        RECT client{};
        GetClientRect(edit, &client);
        return Picture(edit, [&](HDC picture) {
            const COLORREF background = GetPixel(picture, 0, 0);
            for (int y = 0; y < client.bottom; ++y)
                if (GetPixel(picture, 0, y) != background || GetPixel(picture, client.right - 1, y) != background)
                    return false;
            return true;
        });
    }

    bool Ended() override { return ended_; }

    // ---- Whole on the screen

    void Wheel(std::string_view window, int notches) override
    {
        // To the window's focused control, which hands it on to the window, as Windows does.
        const HWND top = TopOf(*FormNamed(window));
        const HWND focus = GetFocus() && GetAncestor(GetFocus(), GA_ROOT) == top ? GetFocus() : top;
        for (int i = 0; i < std::abs(notches); ++i)
            Deliver(focus, WM_MOUSEWHEEL, MAKEWPARAM(0, notches > 0 ? -WHEEL_DELTA : WHEEL_DELTA), 0);
    }
    Shell::Rect FrameOf(std::string_view window) override
    {
        RECT frame{};
        GetWindowRect(TopOf(*FormNamed(window)), &frame);
        return RectOf(frame);
    }
    Shell::Rect ShownOf(std::string_view window) override
    {
        // The client area leaves out the scroll bar.
        const HWND top = TopOf(*FormNamed(window));
        RECT shown{};
        GetClientRect(top, &shown);
        MapWindowPoints(top, nullptr, reinterpret_cast<POINT*>(&shown), 2);
        return RectOf(shown);
    }
    Shell::Rect BoxOf(std::string_view window, std::string_view control) override
    {
        RECT box{};
        GetWindowRect(ControlOf(window, control), &box);
        return RectOf(box);
    }
    Shell::Rect WorkArea() override { return Win32Face::PrimaryWorkArea(); }
    std::optional<OpenListSeen> OpenListOnScreen() override
    {
        const HWND focus = GetFocus();
        COMBOBOXINFO list{};
        list.cbSize = sizeof list;
        HWND combo = focus;
        if (!GetComboBoxInfo(combo, &list)) combo = GetParent(focus);
        if (!combo || !GetComboBoxInfo(combo, &list) || !SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0))
            return std::nullopt;
        RECT box{}, field{}, rows{};
        GetWindowRect(list.hwndList, &box);
        GetWindowRect(combo, &field);
        GetClientRect(list.hwndList, &rows);
        const int rowHeight = int(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
        const int items = int(SendMessageW(combo, CB_GETCOUNT, 0, 0));
        return OpenListSeen{RectOf(box), RectOf(field), items, rowHeight, rowHeight > 0 ? rows.bottom / rowHeight : 0};
    }

private:
    static Shell::Rect RectOf(const RECT& box)
    {
        return {box.left, box.top, box.right - box.left, box.bottom - box.top};
    }

    void RunStep()
    {
        if (GetTickCount64() < notBefore_) return;
        if (queue_.empty()) {
            KillTimer(steps_, StepTimer);
            return;
        }
        const std::function<void()> step = std::move(queue_.front());
        queue_.pop_front();
        step();
    }

    static WPARAM KeyOf(Shell::Key key)
    {
        switch (key) {
        case Shell::Key::Enter: return VK_RETURN;
        case Shell::Key::Escape: return VK_ESCAPE;
        case Shell::Key::Space: return VK_SPACE;
        case Shell::Key::Tab: return VK_TAB;
        case Shell::Key::Backspace: return VK_BACK;
        case Shell::Key::Up: return VK_UP;
        case Shell::Key::Down: return VK_DOWN;
        case Shell::Key::Left: return VK_LEFT;
        case Shell::Key::Right: return VK_RIGHT;
        case Shell::Key::C: return 'C';
        case Shell::Key::P: return 'P';
        case Shell::Key::V: return 'V';
        case Shell::Key::A: return 'A';
        case Shell::Key::Home: return VK_HOME;
        case Shell::Key::End: return VK_END;
        case Shell::Key::PageUp: return VK_PRIOR;
        case Shell::Key::PageDown: return VK_NEXT;
        case Shell::Key::Other: return 0;
        }
        return 0;
    }

    static Shell::Kind KindOf(std::string_view window, std::string_view control)
    {
        const Shell::Form& form = *FormNamed(window);
        return form.Description()
            .controls[Shell::PositionOf(form.Description(), ShellTesting::ControlNamed(form, control))]
            .kind;
    }

    // The pointer reaches a control only where it is shown and enabled, in a window that is:
    // a modal window or a box takes all input while it stands open.
    static bool Reachable(HWND control)
    {
        if (!control || !IsWindowVisible(control) || !IsWindowEnabled(control)) return false;
        const HWND top = GetAncestor(control, GA_ROOT);
        return IsWindowEnabled(top);
    }

    static HWND OpenListBox()
    {
        const HWND focus = GetFocus();
        if (!focus || !SendMessageW(focus, CB_GETDROPPEDSTATE, 0, 0)) return nullptr;
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        return GetComboBoxInfo(focus, &info) ? info.hwndList : nullptr;
    }

    std::unique_ptr<Face> face_;
    std::unique_ptr<ProgramWindows> program_;
    HWND steps_ = nullptr;
    std::deque<std::function<void()>> queue_;
    bool running_ = false;
    bool ended_ = false;
    ULONGLONG notBefore_ = 0;                             // no step runs before this tick
    std::vector<std::pair<LCTYPE, std::wstring>> saved_;  // the user's own settings, restored at the end
};

class Win32Conformance : public ::testing::TestWithParam<Conformance::Scenario> {};

TEST_P(Win32Conformance, FollowsTheRules)
{
    Win32Driver driver;
    for (const std::string& failure : Conformance::Play(driver, GetParam())) ADD_FAILURE() << failure;
}

INSTANTIATE_TEST_SUITE_P(Scenarios, Win32Conformance, ::testing::ValuesIn(Conformance::Scenarios()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

int wmain(int argc, wchar_t* argv[])
{
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
