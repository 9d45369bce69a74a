// SPDX-License-Identifier: GPL-3.0-or-later
#include "Identity.h"

#include <QGuiApplication>

QIcon ProgramIcon()
{
    // Built in from app/desktop; the same drawing is installed for the desktop's menu.
    return QIcon(QStringLiteral(PROGRAM_ICON));
}

void InstallProgramIdentity()
{
    // Lets the desktop show the windows under the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(PROGRAM_DESKTOP_ID));
}

void InstallProgramIcon() { QGuiApplication::setWindowIcon(ProgramIcon()); }
