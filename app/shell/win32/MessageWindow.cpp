// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageWindow.h"

#include "Form.h"
#include "Look.h"
#include "Loop.h"
#include "Rules.h"
#include "Text.h"

#include <algorithm>
#include <vector>

namespace Win32Face {

namespace {

constexpr int IconId = 10;
constexpr int FirstLineId = 100;

LRESULT CALLBACK Procedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* open = reinterpret_cast<bool*>(GetWindowLongPtrW(box, GWLP_USERDATA));
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            if (open) *open = false;
            return 0;
        }
        break;
    case WM_CLOSE:
        if (open) *open = false;
        return 0;
    case DM_GETDEFID: return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_DRAWITEM: {
        // A line of the text, read as the rules say the box's lines read.
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        std::wstring line(std::size_t(GetWindowTextLengthW(item.hwndItem)) + 1, L'\0');
        line.resize(std::size_t(GetWindowTextW(item.hwndItem, line.data(), int(line.size()))));
        const bool rightToLeft = Shell::MessageLineReading == Shell::Reading::RightToLeft;
        DrawLine(item.hDC, item.rcItem, line, HFONT(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)),
                 GetSysColor(COLOR_WINDOWTEXT), rightToLeft ? TextEdge::Right : TextEdge::Left, rightToLeft);
        return TRUE;
    }
    default: break;
    }
    return DefWindowProcW(box, message, wParam, lParam);
}

void RegisterBoxClass()
{
    static const bool registered = [] {
        WNDCLASSEXW type{};
        type.cbSize = sizeof type;
        type.lpfnWndProc = Procedure;
        type.hInstance = GetModuleHandleW(nullptr);
        type.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
        type.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        type.lpszClassName = MessageBoxClass;
        return RegisterClassExW(&type) != 0;
    }();
    (void)registered;
}

HWND Child(HWND box, const wchar_t* type, const wchar_t* text, DWORD style, int id, RECT at, HFONT font)
{
    const HWND child = CreateWindowExW(0, type, text, WS_CHILD | WS_VISIBLE | style, at.left, at.top,
                                       at.right - at.left, at.bottom - at.top, box,
                                       reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
    if (font) SendMessageW(child, WM_SETFONT, WPARAM(font), FALSE);
    return child;
}

}  // namespace

MessageBoxFunction& MessageBoxSeam()
{
    static MessageBoxFunction show = ShowMessageBox;
    return show;
}

void ShowMessageBox(const Shell::Message& message)
{
    RegisterBoxClass();
    constexpr DWORD Style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    constexpr DWORD ExStyle = WS_EX_DLGMODALFRAME;
    ModalScope modal;
    const HWND box = CreateWindowExW(ExStyle, MessageBoxClass, Wide(message.caption).c_str(), Style, 0, 0, 100, 100,
                                     modal.Owner(), nullptr, GetModuleHandleW(nullptr), nullptr);
    const unsigned dpi = GetDpiForWindow(box);

    // Each line is laid out on its own.
    const HFONT font = MakeFont(Shell::Typeface::Mitra, 19, Shell::FontStyle::Regular, dpi);
    std::vector<std::wstring> lines;
    for (const std::string& line : Shell::MessageLines(message.text)) lines.push_back(Wide(line));
    int width = 0, lineHeight = 0;
    for (const std::wstring& line : lines) {
        const SIZE size = TextSize(font, line, Shell::MessageLineReading == Shell::Reading::RightToLeft);
        width = std::max<int>(width, size.cx);
        lineHeight = std::max<int>(lineHeight, size.cy);
    }
    const int margin = Scaled(12, dpi);
    const int icon = GetSystemMetricsForDpi(SM_CXICON, dpi);
    const int textLeft = margin * 2 + icon;
    const int textHeight = lineHeight * int(lines.size());
    const int content = std::max(icon, textHeight);
    const SIZE button{Scaled(88, dpi), Scaled(26, dpi)};
    const int clientWidth = std::max<int>(textLeft + width + 2 + margin, button.cx + 2 * margin);
    const int clientHeight = margin + content + margin + button.cy + margin;

    const HICON glyph = LoadIconW(nullptr, message.kind == Shell::MessageKind::Error ? IDI_ERROR : IDI_INFORMATION);
    SendMessageW(
        Child(box, L"Static", nullptr, SS_ICON, IconId, {margin, margin, margin + icon, margin + icon}, nullptr),
        STM_SETICON, WPARAM(glyph), 0);
    int top = margin + (content - textHeight) / 2;
    for (std::size_t i = 0; i < lines.size(); ++i, top += lineHeight)
        Child(box, L"Static", lines[i].c_str(), SS_OWNERDRAW | SS_NOPREFIX, FirstLineId + int(i),
              {textLeft, top, textLeft + width + 2, top + lineHeight}, font);
    const int buttonLeft = (clientWidth - button.cx) / 2, buttonTop = clientHeight - margin - button.cy;
    const HWND ok =
        Child(box, L"Button", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK,
              {buttonLeft, buttonTop, buttonLeft + button.cx, buttonTop + button.cy}, FontOf(Shell::Role::Window, dpi));

    RECT outer{0, 0, clientWidth, clientHeight};
    AdjustWindowRectExForDpi(&outer, Style, FALSE, ExStyle, dpi);
    // Placed as every window of the program is: centred on the screen, inside its work area.
    const Shell::Point at =
        Shell::PlacedTopLeft(PrimaryScreen(), PrimaryWorkArea(), {outer.right - outer.left, outer.bottom - outer.top});
    SetWindowPos(box, nullptr, at.x, at.y, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);

    bool open = true;
    SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&open));
    ShowWindow(box, SW_SHOW);
    SetForegroundWindow(box);
    SetFocus(ok);
    RunModalLoop(open);
    SetWindowLongPtrW(box, GWLP_USERDATA, 0);
    modal.End();
    DestroyWindow(box);
}

}  // namespace Win32Face
