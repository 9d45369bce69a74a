// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintSheet.h"

namespace Win32Face {

// The Win32 face prints nothing yet: the key and the menu command reach this one place, and
// do nothing to be seen until the report is printed from here.
void PrintSheet(Window&) {}

}  // namespace Win32Face
