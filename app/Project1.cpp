// SPDX-License-Identifier: GPL-3.0-or-later
// The program on the Qt face.

#include "Identity.h"
#include "ProgramWindows.h"
#include "Window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    InstallProgramIdentity();

    // Every window is created here, once, in its fixed order, and lives until the program
    // ends; windows reach each other through their global references. Created first, the
    // start dialog is the main window and the only one shown at first.
    QtFace::Face face(ProgramTitle);
    ProgramWindows windows(face);

    Form1->Window().ShowWindow();
    application.exec();
    return 0;
}
