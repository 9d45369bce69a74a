// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's message box: the kind's icon, the caption, each line of the text as it was
// composed and one OK button, in the program's own Persian face, so that its Persian shows on
// a Windows without Persian faces. Every box goes through one seam, for the tests.

#include "View.h"

#include <windows.h>

#include <functional>

namespace Win32Face {

/// Shows a message box and returns once it is closed.
using MessageBoxFunction = std::function<void(const Shell::Message&)>;

/// What every window's ShowMessage calls: at first ShowMessageBox.
MessageBoxFunction& MessageBoxSeam();

/// Shows the program's own box modally, centred on the screen; returns once it is closed.
void ShowMessageBox(const Shell::Message& message);

/// The box's window class, to find a box on the screen by.
inline constexpr wchar_t MessageBoxClass[] = L"CoolingLoad.Message";

}  // namespace Win32Face
