// SPDX-License-Identifier: GPL-3.0-or-later
// The program on the Qt face.

#include "Identity.h"
#include "ProgramWindows.h"
#include "QtTexts.h"
#include "Window.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Qt ends a program that finds no display with its own advice to reinstall it; the program
// says what it needs instead, in one line, and ends with an error code.
void NoDisplay(QtMsgType type, const QMessageLogContext&, const QString&)
{
    if (type != QtFatalMsg) return;  // the platform's own warnings on the way there
    std::fputs("coolingload: needs a graphical display (X11 or Wayland), and none could be opened\n", stderr);
    std::_Exit(EXIT_FAILURE);
}

}  // namespace

int main(int argc, char* argv[])
{
    const QtMessageHandler usual = qInstallMessageHandler(NoDisplay);
    QApplication application(argc, argv);
    qInstallMessageHandler(usual);
    InstallProgramIdentity();
    // The print dialog and its buttons in the user's language.
    QtFace::LoadQtTexts();

    // Every window is created here, once, in its fixed order, and lives until the program
    // ends; windows reach each other through their global references. Created first, the
    // start dialog is the main window and the only one shown at first; the four windows it
    // hides are built as soon as it has drawn itself.
    QtFace::Face face(ProgramTitle);
    ProgramWindows windows(face, ProgramWindows::Building::RestAfterFirstPaint);
    // The icon is drawn from its SVG at every size the window system takes, about a sixth of
    // the work before the start dialog appears: it follows once the dialog has drawn itself.
    face.AfterFirstPaint(Form1->Window(), InstallProgramIcon);

    Form1->Window().ShowWindow();
    application.exec();
    return 0;
}
