// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program on the Linux desktop: its icon on every window, and the menu entry the
// windows belong to.

#include <QIcon>

/// The program's icon (a snowflake over a compressor on a block of ice), drawn from the SVG
/// built into the program; null where Qt's SVG icon engine is missing.
QIcon ProgramIcon();

/// Tells the desktop which menu entry the windows belong to. Call once, after the application
/// object exists and before the first window is shown.
void InstallProgramIdentity();

/// Gives every window, shown or not, the program's icon.
void InstallProgramIcon();
