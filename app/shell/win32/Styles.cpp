// SPDX-License-Identifier: GPL-3.0-or-later
#include "Styles.h"

#include <iterator>

namespace Win32Face {

namespace {

constexpr wchar_t ProgramWindowClass[] = L"CoolingLoad.Window";

ATOM registered = 0;

// clang-format off
// Labels and the banner are drawn here (SS_OWNERDRAW): the static control would place Persian
// by its letters unjoined under Wine. A field holds a number, which reads left to right in
// Persian text too. A list's items are drawn here, at the right edge, read right to left. An
// option's caption stands to the left of its button, read right to left; its caption, like a
// button's, is a picture of the shaped text (BS_ICON).
constexpr ControlStyle Styles[] = {
    /* Label    */ {L"Static",   SS_OWNERDRAW | SS_NOPREFIX,                                                0},
    /* Edit     */ {L"Edit",     ES_AUTOHSCROLL,                                                            WS_EX_CLIENTEDGE},
    /* List     */ {L"ComboBox", WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,       0},
    /* Option   */ {L"Button",   BS_AUTORADIOBUTTON | BS_RIGHTBUTTON | BS_RIGHT | BS_ICON,                  WS_EX_RTLREADING},
    /* Button   */ {L"Button",   BS_PUSHBUTTON | BS_ICON,                                                   0},
    /* OkButton */ {L"Button",   BS_DEFPUSHBUTTON | BS_ICON,                                                0},
    /* Banner   */ {L"Static",   SS_OWNERDRAW,                                                              0},
    /* Rule     */ {L"Static",   SS_ETCHEDHORZ,                                                             0},
};
// clang-format on
static_assert(std::size(Styles) == std::size_t(Shell::Kind::Rule) + 1, "one row a kind, in the kinds' order");

}  // namespace

const wchar_t* WindowClass(WNDPROC procedure)
{
    if (!registered) {
        const HINSTANCE program = GetModuleHandleW(nullptr);
        WNDCLASSEXW type{};
        type.cbSize = sizeof type;
        type.lpfnWndProc = procedure;
        type.hInstance = program;
        type.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
        type.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        // The program's icon, where the program has one: the first in its resources.
        type.hIcon = LoadIconW(program, MAKEINTRESOURCEW(1));
        type.hIconSm = static_cast<HICON>(LoadImageW(program, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                     GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
        type.lpszClassName = ProgramWindowClass;
        registered = RegisterClassExW(&type);
    }
    return ProgramWindowClass;
}

bool IsProgramWindow(HWND handle) { return registered && GetClassLongPtrW(handle, GCW_ATOM) == registered; }

DWORD StyleOf(const Shell::WindowDescription& window)
{
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    if (window.buttons == Shell::TitleButtons::MinimizeAndClose) style |= WS_MINIMIZEBOX;
    return style;
}

DWORD ExStyleOf(const Shell::WindowDescription& window)
{
    return window.border == Shell::Border::Dialog ? WS_EX_DLGMODALFRAME : 0;
}

ControlStyle StyleOf(const Shell::Control& control)
{
    ControlStyle made = Styles[std::size_t(control.kind)];
    made.style |= WS_CHILD | (control.hidden ? 0 : WS_VISIBLE);
    if (control.kind == Shell::Kind::Label && control.reading == Shell::Reading::RightToLeft)
        made.exStyle |= WS_EX_RTLREADING;
    if (control.kind == Shell::Kind::Edit) made.style |= control.align == Shell::Align::Centred ? ES_CENTER : ES_RIGHT;
    return made;
}

}  // namespace Win32Face
