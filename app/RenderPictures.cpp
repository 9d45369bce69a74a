// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every window of the program to PNG files for the README: the start dialog, both
// input windows, and both result sheets after a sample calculation; and prints the cold-room
// report to a PDF file.
// Usage: render_pictures OUTPUT_FOLDER (run with QT_QPA_PLATFORM=offscreen).

#include "ProgramWindows.h"
#include "Shell.h"
#include "ShellTesting.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>

#include <cstdio>

namespace {

bool Save(QWidget* window, const QString& path)
{
    // At full size, as the user sees the window: scaled down, the Persian texts blur.
    const QPixmap picture = window->grab();
    if (!picture.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// Presses a Calculate button and saves the result sheet it opens, then closes the sheet.
bool SaveSheet(QPushButton* calculate, const QString& path)
{
    bool saved = false;
    ShellTesting::ModalCloser closer([&](QWidget* sheet) { saved = Save(sheet, path); });
    calculate->click();
    return saved;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_pictures OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));

    ProgramWindows windows;

    bool ok = Save(Form1, out.filePath("start-dialog.png"));

    // A 10 x 5 x 3 m chilled-meat room taking 1000 kg a day.
    Form2->Edit2->setText("10");
    Form2->Edit3->setText("5");
    Form2->Edit4->setText("3");
    Form2->Edit1->setText("1000");
    ok = Save(Form2, out.filePath("cold-room.png")) && ok;
    ok = SaveSheet(Form2->Button1, out.filePath("cold-room-results.png")) && ok;
    // Its printed report, as a PDF file that scripts/render-pictures turns into a picture.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(out.filePath("cold-room-report.pdf"));
    Form3->PrintReport(printer);

    // A 10000-litre tank with the other inputs at their defaults.
    Form4->Edit1->setText("10000");
    ok = Save(Form4, out.filePath("ice-bank.png")) && ok;
    ok = SaveSheet(Form4->Button1, out.filePath("ice-bank-results.png")) && ok;
    return ok ? 0 : 1;
}
