// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printing a result sheet's report: what Ctrl+P on a sheet and the Print command of its
// context menu run.

namespace Win32Face {

class Window;

/// Prints the report of the result sheet shown in `sheet`.
void PrintSheet(Window& sheet);

}  // namespace Win32Face
