// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the program's start on Windows: a bare Win32 dialog of the start dialog's
// size with one line of Persian, against which scripts/measure-startup-windows sets the
// program's time.

#include "Unit1.h"

#include <windows.h>

#include <string>

namespace {

std::wstring Wide(std::string_view utf8)
{
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(
        std::size_t(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), int(wide.size()))));
    return wide;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE program, HINSTANCE, PWSTR, int)
{
    WNDCLASSW type{};
    type.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_CLOSE) PostQuitMessage(0);
        return DefWindowProcW(window, message, wParam, lParam);
    };
    type.hInstance = program;
    type.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    type.lpszClassName = L"BareDialog";
    RegisterClassW(&type);
    const std::wstring title = Wide(ProgramTitle);
    constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    RECT outer{0, 0, 378, 542};
    AdjustWindowRectEx(&outer, Style, FALSE, WS_EX_DLGMODALFRAME);
    const HWND dialog =
        CreateWindowExW(WS_EX_DLGMODALFRAME, type.lpszClassName, title.c_str(), Style, CW_USEDEFAULT, CW_USEDEFAULT,
                        outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, program, nullptr);
    const HWND line = CreateWindowExW(WS_EX_RTLREADING, L"Static", title.c_str(), WS_CHILD | WS_VISIBLE | SS_CENTER, 24,
                                      226, 337, 33, dialog, nullptr, program, nullptr);
    LOGFONTW font{};
    font.lfHeight = -24;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(font.lfFaceName, L"Tahoma", LF_FACESIZE);
    SendMessageW(line, WM_SETFONT, WPARAM(CreateFontIndirectW(&font)), FALSE);
    ShowWindow(dialog, SW_SHOW);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
