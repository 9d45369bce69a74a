// SPDX-License-Identifier: GPL-3.0-or-later
// The program in a web page, on the browser face.

#include "ProgramWindows.h"
#include "Window.h"

int main()
{
    // Every window is created here, once, in its fixed order, and lives as long as the page;
    // windows reach each other through their global references. The list's first window, the
    // start dialog, is the only one shown at first; the windows it hides are built once it has
    // been painted.
    static WebFace::Face face(ProgramTitle);
    static ProgramWindows windows(face, ProgramWindows::Building::RestAfterFirstPaint);
    TheProgramWindows().front().Form()->Window().ShowWindow();
    // The page goes on running the windows' handlers as the user acts.
    return 0;
}
