// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the program's start: a bare Qt dialog of the start dialog's size with one
// line of Persian in Lateef, against which scripts/measure-startup sets the program's time.

#include "Unit1.h"

#include <QApplication>
#include <QDialog>
#include <QFont>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QString::fromUtf8(ProgramTitle.data(), qsizetype(ProgramTitle.size())));
    dialog.setFixedSize(378, 542);
    QLabel line(dialog.windowTitle(), &dialog);
    QFont font(QStringLiteral("Lateef"));
    font.setPixelSize(24);
    line.setFont(font);
    line.setGeometry(24, 226, 337, 33);
    dialog.show();
    return application.exec();
}
