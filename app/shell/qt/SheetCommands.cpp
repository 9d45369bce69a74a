// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetCommands.h"

#include "Look.h"
#include "PrintedReport.h"
#include "QtText.h"
#include "QtTexts.h"
#include "ShellTexts.h"
#include "Window.h"

#include <QAction>
#include <QClipboard>
#include <QDate>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QThread>
#include <QWidget>

namespace QtFace {

namespace {

Shell::ResultSheet& SheetOf(Window& window) { return static_cast<Shell::ResultSheet&>(window.Handlers()); }

// Whether the clipboard took the text. Qt does not say: on X11 the clipboard stays with a
// program that took it later than the key or click that copies, and then hands out that
// program's data, not the data just set.
bool PutText(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    auto* data = new QMimeData;
    data->setText(text);
    clipboard->setMimeData(data);
    return clipboard->mimeData() == data;
}

void CopySheet(Window& sheet)
{
    const QString text = Qs(SheetOf(sheet).SheetText());
    if (!Shell::PutOnClipboard([&text] { return PutText(text); },
                               [](int milliseconds) { QThread::msleep(milliseconds); }))
        sheet.ShowMessage(Shell::ErrorBox(Shell::Texts::CopyFailed));
}

void PrintSheet(Window& sheet)
{
    // The report goes where the user sends it, paper or a file; nothing is kept.
    QPrinter printer(QPrinter::HighResolution);
    // The dialog proposes a file named after the document, less what follows its last full
    // stop: named with ".pdf" after it, the file keeps the version's ".0". PrintReport names
    // the document by its title again, which a PDF says it is in.
    printer.setDocName(Qs(Shell::ReportTitle(SheetOf(sheet).Report())) + QStringLiteral(".pdf"));
    QPrintDialog dialog(&printer, sheet.Widget());
    // Qt's texts in the user's language, in the program's face and direction for them.
    dialog.setFont(FontOf(Shell::Role::Button));
    dialog.setLayoutDirection(QtTextsDirection());
    if (dialog.exec() != QDialog::Accepted) return;
    PrintReport(sheet, printer);
}

}  // namespace

void AddSheetCommands(Window& sheet)
{
    for (const Shell::SheetCommand& command : Shell::SheetCommands()) {
        // A menu writes what follows a tab as the command's key; the key itself reaches the
        // sheet as any other key does.
        auto* action = new QAction(Qs(command.text) + u'\t' + Qs(command.shortcut), sheet.Widget());
        QObject::connect(action, &QAction::triggered, sheet.Widget(),
                         [&sheet, run = command.action] { RunSheetCommand(sheet, run); });
        sheet.Widget()->addAction(action);
    }
}

void RunSheetCommand(Window& sheet, Shell::KeyAction command)
{
    if (command == Shell::KeyAction::CopySheet) CopySheet(sheet);
    if (command == Shell::KeyAction::PrintSheet) PrintSheet(sheet);
}

void ShowSheetMenu(Window& sheet, QPoint at)
{
    // Read right to left as the sheet is.
    QMenu menu(sheet.Widget());
    LookOfMenu(menu);
    menu.addActions(sheet.Widget()->actions());
    menu.exec(at);
}

void PrintReport(Window& sheet, QPrinter& printer)
{
    const Shell::ReportContent content = SheetOf(sheet).Report();
    printer.setDocName(Qs(Shell::ReportTitle(content)));
    const QDate today = QDate::currentDate();
    const Shell::ReportLayout layout =
        Shell::LayOutReport(content, {today.year(), today.month(), today.day()}, PaperOf(printer), MeasureOn(printer));
    if (!PrintLayout(layout, printer)) sheet.ShowMessage(Shell::ErrorBox(Shell::Texts::PrintFailed));
}

}  // namespace QtFace
