#include "Shell.h"
#include "Unit4.h"
#include "Unit5.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    Shell::InstallFontSubstitutes();

    // Every window is created here, once, and lives until the program ends; windows reach
    // each other through their global references. The start dialog and the cold-room
    // windows (TForm1, TForm2, TForm3) are created before these, in that order, once they join.
    TForm4 form4;
    Form4 = &form4;
    TForm5 form5;
    Form5 = &form5;

    Form4->show();
    application.exec();
    return 0;
}
