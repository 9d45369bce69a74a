// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What each kind of window and control is made as: the window class of the program's windows,
// their frames, and a control's class and styles by its kind. Whether a control is a tab stop
// is the shell's rule, set as the control's state changes (Window::UpdateTabStops).

#include "Description.h"

#include <windows.h>

namespace Win32Face {

/// The first control's id; the others follow in the description's order.
inline constexpr int FirstControlId = 1000;

/// The window class of the program's windows, registered with `procedure` on first use.
const wchar_t* WindowClass(WNDPROC procedure);
bool IsProgramWindow(HWND handle);

/// A fixed frame with a title bar and a close box, and a minimize box where described; a
/// dialog frame has no icon in its title bar.
DWORD StyleOf(const Shell::WindowDescription& window);
DWORD ExStyleOf(const Shell::WindowDescription& window);

/// A control's window class and styles, by its kind.
struct ControlStyle {
    const wchar_t* type;
    DWORD style;
    DWORD exStyle;
};
ControlStyle StyleOf(const Shell::Control& control);

}  // namespace Win32Face
