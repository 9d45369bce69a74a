// SPDX-License-Identifier: GPL-3.0-or-later
#include "Loop.h"

#include "MessageWindow.h"
#include "Window.h"

#include <algorithm>

namespace Win32Face {

namespace {

bool IsMessageBox(HWND handle)
{
    wchar_t name[64] = {};
    GetClassNameW(handle, name, 64);
    return lstrcmpW(name, MessageBoxClass) == 0;
}

// The keys a message box answers: those that close it, as its OK button would.
bool BoxKey(HWND box, MSG& message)
{
    if (message.message == WM_KEYDOWN && Shell::ClosesMessageBox(StrokeOf(message.wParam))) {
        SendMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return true;
    }
    return IsDialogMessageW(box, &message);
}

// One message through the program's windows; false once the program quits.
bool Pump(int& code)
{
    MSG message{};
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
        code = got == 0 ? int(message.wParam) : 1;
        return false;
    }
    if (!TakeMessage(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // A control that took the focus is scrolled into view, however it took it.
    if (Window* window = Window::At(GetAncestor(GetFocus(), GA_ROOT))) window->FocusInView();
    return true;
}

}  // namespace

bool TakeMessage(MSG& message)
{
    const HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (Window* window = Window::At(root)) return window->Key(message);
    if (root && IsMessageBox(root)) return BoxKey(root, message);
    return false;
}

Shell::Keystroke StrokeOf(WPARAM virtualKey)
{
    using Shell::Key;
    Key key = Key::Other;
    switch (virtualKey) {
    case VK_RETURN: key = Key::Enter; break;
    case VK_ESCAPE: key = Key::Escape; break;
    case VK_SPACE: key = Key::Space; break;
    case VK_TAB: key = Key::Tab; break;
    case VK_BACK: key = Key::Backspace; break;
    case VK_UP: key = Key::Up; break;
    case VK_DOWN: key = Key::Down; break;
    case VK_LEFT: key = Key::Left; break;
    case VK_RIGHT: key = Key::Right; break;
    case 'C': key = Key::C; break;
    case 'P': key = Key::P; break;
    case 'A': key = Key::A; break;
    case VK_HOME: key = Key::Home; break;
    case VK_END: key = Key::End; break;
    case VK_PRIOR: key = Key::PageUp; break;
    case VK_NEXT: key = Key::PageDown; break;
    default: break;
    }
    return {key, GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_MENU) < 0, GetKeyState(VK_SHIFT) < 0};
}

int RunMessageLoop()
{
    int code = 0;
    while (Pump(code)) {}
    return code;
}

bool RunModalLoop(const bool& running)
{
    int code = 0;
    while (running)
        if (!Pump(code)) {
            // The loop beneath ends too.
            PostQuitMessage(code);
            return false;
        }
    return true;
}

ModalScope::ModalScope()
{
    const HWND active = GetActiveWindow();
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM self) -> BOOL {
            if (IsWindowVisible(window) && IsWindowEnabled(window))
                reinterpret_cast<ModalScope*>(self)->disabled_.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(this));
    owner_ = std::find(disabled_.begin(), disabled_.end(), active) != disabled_.end() ? active
             : disabled_.empty()                                                      ? nullptr
                                                                                      : disabled_.front();
    for (HWND window : disabled_) EnableWindow(window, FALSE);
}

void ModalScope::End()
{
    for (HWND window : disabled_) EnableWindow(window, TRUE);
    disabled_.clear();
}

}  // namespace Win32Face
