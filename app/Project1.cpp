#include "Shell.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    Shell::InstallFontSubstitutes();
    Shell::InstallProgramIcon();

    // Every window is created here, once, in this order, and lives until the program ends;
    // windows reach each other through their global references. Created first, the start
    // dialog is the main window and the only one shown at first.
    TForm1 form1;
    Form1 = &form1;
    TForm2 form2;
    Form2 = &form2;
    TForm3 form3;
    Form3 = &form3;
    TForm4 form4;
    Form4 = &form4;
    TForm5 form5;
    Form5 = &form5;

    Form1->show();
    application.exec();
    return 0;
}
