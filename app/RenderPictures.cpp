// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every window of the program to PNG files for the README: the start dialog, each
// input window, and each result sheet after a sample calculation; and prints the cold-room
// report to a PDF file.
// Usage: render_pictures OUTPUT_FOLDER (run with QT_QPA_PLATFORM=offscreen).

#include "ControlNamed.h"
#include "Identity.h"
#include "PictureSamples.h"
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
#include <string>

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

// Presses an input window's Calculate and saves the result sheet it opens, then closes the sheet.
bool SaveSheet(const ProgramWindow& input, const QString& path)
{
    bool saved = false;
    QtTesting::ModalCloser closer([&](QWidget*) { saved = Save(*input.Sheet()->Form(), path); });
    QtTesting::ControlOf<QPushButton>(*input.Form(), std::string((*input.Calculate())->name).c_str())->click();
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

    bool ok = Save(*TheStartDialog().Form(), out.filePath("start-dialog.png"));
    for (const ProgramWindow* input : ProgramWindowsOfKind(Shell::WindowKind::InputWindow)) {
        const PictureSample sample = SampleOf(*input);
        Shell::Form& form = *input->Form();
        for (const auto& [field, text] : sample.fields)
            form.Window().SetText(ShellTesting::ControlNamed(form, field), text);
        const QString picture = QString::fromUtf8(sample.picture.data(), qsizetype(sample.picture.size()));
        ok = Save(form, out.filePath(picture + ".png")) && ok;
        ok = SaveSheet(*input, out.filePath(picture + "-results.png")) && ok;
        if (!sample.report) continue;
        // Its printed report, as a PDF file that scripts/render-pictures turns into a picture.
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(out.filePath(picture + "-report.pdf"));
        QtFace::PrintReport(static_cast<QtFace::Window&>(input->Sheet()->Form()->Window()), printer);
    }
    return ok ? 0 : 1;
}
