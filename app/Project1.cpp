// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramWindows.h"
#include "Shell.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    Shell::InstallProgramIcon();

    // Every window is created here, once, in its fixed order, and lives until the program
    // ends; windows reach each other through their global references. Created first, the
    // start dialog is the main window and the only one shown at first.
    ProgramWindows windows;

    Form1->show();
    application.exec();
    return 0;
}
