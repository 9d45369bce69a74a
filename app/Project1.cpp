#include "Shell.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    Shell::InstallFontSubstitutes();
    return application.exec();
}
