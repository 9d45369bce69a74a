// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every window of the program to PNG files for the README: the start dialog, both
// input windows, and both result sheets after a sample calculation; and prints the cold-room
// report to a PDF file.
// Usage: render_pictures OUTPUT_FOLDER (run with QT_QPA_PLATFORM=offscreen).

#include "ControlNamed.h"
#include "Identity.h"
#include "ProgramWindows.h"
#include "QtTesting.h"
#include "SheetCommands.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>

#include <cstdio>

namespace {

bool Save(const Shell::Form& form, const QString& path)
{
    QWidget* window = QtTesting::WidgetOf(form);
    // At full size, as the user sees the window: scaled down, the Persian texts blur.
    const QPixmap picture = window->grab();
    if (!picture.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// Presses a Calculate button and saves the result sheet it opens, then closes the sheet.
bool SaveSheet(const Shell::Form& input, const Shell::Form& sheet, const QString& path)
{
    bool saved = false;
    QtTesting::ModalCloser closer([&](QWidget*) { saved = Save(sheet, path); });
    QtTesting::ControlOf<QPushButton>(input, "Button1")->click();
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

    InstallProgramIdentity();
    InstallProgramIcon();
    QtFace::Face face(ProgramTitle);
    ProgramWindows windows(face);

    bool ok = Save(*Form1, out.filePath("start-dialog.png"));

    // A 10 x 5 x 3 m chilled-meat room taking 1000 kg a day.
    for (const auto& [field, text] : {std::pair{"Edit2", "10"}, {"Edit3", "5"}, {"Edit4", "3"}, {"Edit1", "1000"}})
        Form2->Window().SetText(ShellTesting::ControlNamed(*Form2, field), text);
    ok = Save(*Form2, out.filePath("cold-room.png")) && ok;
    ok = SaveSheet(*Form2, *Form3, out.filePath("cold-room-results.png")) && ok;
    // Its printed report, as a PDF file that scripts/render-pictures turns into a picture.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(out.filePath("cold-room-report.pdf"));
    QtFace::PrintReport(static_cast<QtFace::Window&>(Form3->Window()), printer);

    // A 10000-litre tank with the other inputs at their defaults.
    Form4->Window().SetText(ShellTesting::ControlNamed(*Form4, "Edit1"), "10000");
    ok = Save(*Form4, out.filePath("ice-bank.png")) && ok;
    ok = SaveSheet(*Form4, *Form5, out.filePath("ice-bank-results.png")) && ok;
    return ok ? 0 : 1;
}
