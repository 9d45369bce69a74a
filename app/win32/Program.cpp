// SPDX-License-Identifier: GPL-3.0-or-later
// The program on the Win32 face.

#include "Loop.h"
#include "ProgramWindows.h"
#include "Window.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    // Every window is created here, once, in its fixed order, and lives until the program
    // ends; windows reach each other through their global references. Created first, the
    // start dialog is the main window and the only one shown at first; the four it hides are
    // built once it has drawn itself, so that it appears sooner.
    Win32Face::Face face(ProgramTitle);
    ProgramWindows windows(face, ProgramWindows::Building::RestAfterFirstPaint);

    Form1->Window().ShowWindow();
    Win32Face::RunMessageLoop();
    return 0;
}
