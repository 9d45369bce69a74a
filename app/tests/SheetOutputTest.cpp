// SPDX-License-Identifier: GPL-3.0-or-later
// What a result sheet hands on through Qt: the printed report holds the sheet read right to
// left, with the load chart, and prints to a searchable PDF file as to paper; the print
// dialog speaks the user's language; a copy the clipboard refuses is reported.

#include "Look.h"
#include "PrintedReport.h"
#include "QtProgram.h"
#include "QtTesting.h"
#include "QtText.h"
#include "QtTexts.h"
#include "SheetCommands.h"
#include "ShellTexts.h"

#include <QAction>
#include <QDate>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <memory>

using QtTesting::ControlOf;

namespace {

// A text as a search finds it: the compatibility forms that a PDF's text holds for contextual
// letters folded to the letters themselves, and without the direction marks that pdftotext
// puts around each run. A bracket in Persian text is drawn mirrored, and the PDF's text holds
// the mirrored bracket: either stands for a bracket.
QString Searchable(const QString& text)
{
    QString folded = text.normalized(QString::NormalizationForm_KC);
    folded.remove(QRegularExpression(QStringLiteral("[\\x{200E}\\x{200F}\\x{202A}-\\x{202E}\\x{2066}-\\x{2069}]")));
    return folded.replace(')', '(');
}

}  // namespace

class SheetOutputTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QtProgram> program_;

    // A 10 x 5 x 3 m chilled-meat room taking 1000 kg a day: total 4691 W.
    void RunColdRoom()
    {
        Form2->Window().ShowWindow();
        for (const auto& [field, text] : {std::pair{"Edit2", "10"}, {"Edit3", "5"}, {"Edit4", "3"}, {"Edit1", "1000"}})
            QTest::keyClicks(ControlOf<QLineEdit>(*Form2, field), text);
        QCOMPARE(QtTesting::ClickAndClose(ControlOf<QPushButton>(*Form2, "Button1")), QStringList{"Form3"});
    }

private slots:
    void init() { program_ = std::make_unique<QtProgram>(); }
    void cleanup() { program_.reset(); }

    // Printed to a PDF file, the report can be searched: pdftotext gives back every caption
    // and every value whole, each row on one line. Each letter stands inside the box the
    // report was laid out with, measured as the printer sets it, so that none spills over a
    // neighbour or the margin. The file is titled as the report is, and holds no picture: the
    // chart is shapes and text. A printer that fails is reported.
    void printsASearchableReportToAPdfFile()
    {
        RunColdRoom();
        const QTemporaryDir folder;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath("report.pdf"));
        QtTesting::MessageRecorder boxes;
        QElapsedTimer clock;
        clock.start();
        QtFace::PrintReport(static_cast<QtFace::Window&>(Form3->Window()), printer);
        qInfo("report printed in %lld ms, %lld bytes", clock.elapsed(), QFileInfo(printer.outputFileName()).size());
        QVERIFY(boxes.boxes.empty());
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", printer.outputFileName(), "-"});
        QVERIFY(pdftotext.waitForFinished(10000));
        const QStringList lines = Searchable(QString::fromUtf8(pdftotext.readAllStandardOutput())).split('\n');
        const Shell::ReportContent content = Form3->Report();
        for (const std::vector<Shell::ReportLine>* rows : {&content.inputs, &content.rows})
            for (const Shell::ReportLine& row : *rows) {
                const QString caption = Searchable(QtFace::Qs(row.caption)).simplified();
                // The blanks between a number and its Persian unit stand where the two directions
                // meet, which pdftotext cannot place: a value is whole when its letters are.
                const QString value = Searchable(QtFace::Qs(row.value)).remove(' ');
                const bool whole = std::any_of(lines.begin(), lines.end(), [&](const QString& line) {
                    return line.simplified().contains(caption) && QString(line).remove(' ').contains(value);
                });
                QVERIFY2(whole, qPrintable("not whole in the PDF: " + QtFace::Qs(row.caption + ": " + row.value) +
                                           "\n" + lines.join('\n')));
            }
        // Where pdftotext finds each letter, in points from the page's corner.
        const Shell::ReportLayout layout = Shell::LayOutReport(
            content, {QDate::currentDate().year(), QDate::currentDate().month(), QDate::currentDate().day()},
            QtFace::PaperOf(printer), QtFace::MeasureOn(printer));
        QCOMPARE(layout.pages.size(), std::size_t(1));
        pdftotext.start("pdftotext", {"-bbox", printer.outputFileName(), "-"});
        QVERIFY(pdftotext.waitForFinished(10000));
        const QString words = QString::fromUtf8(pdftotext.readAllStandardOutput());
        const QRegularExpression word(
            QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">"));
        int letters = 0;
        for (const QRegularExpressionMatch& found : word.globalMatch(words)) {
            const auto at = [&found](int field) { return found.captured(field).toDouble() * 96 / 72; };
            const double middle = (at(2) + at(4)) / 2;
            const bool inside =
                std::any_of(layout.pages[0].runs.begin(), layout.pages[0].runs.end(), [&](const Shell::TextRun& run) {
                    return at(1) >= run.box.left - 0.5 && at(3) <= run.box.Right() + 0.5 && middle >= run.box.top &&
                           middle <= run.box.Bottom();
                });
            QVERIFY2(inside, qPrintable(found.captured(0)));
            ++letters;
        }
        QVERIFY(letters > 500);
        QProcess info;
        info.start("pdfinfo", {printer.outputFileName()});
        QVERIFY(info.waitForFinished(10000));
        QVERIFY(QString::fromUtf8(info.readAllStandardOutput()).contains(QtFace::Qs(Shell::ReportTitle(content))));
        QProcess pictures;
        pictures.start("pdfimages", {"-list", printer.outputFileName()});
        QVERIFY(pictures.waitForFinished(10000));
        // Only the list's two heading lines.
        QCOMPARE(QString::fromUtf8(pictures.readAllStandardOutput()).count('\n'), 2);

        printer.setOutputFileName(folder.filePath("no such folder/report.pdf"));
        QtFace::PrintReport(static_cast<QtFace::Window&>(Form3->Window()), printer);
        QCOMPARE(boxes.boxes.size(), std::size_t(1));
        QCOMPARE(boxes.boxes[0].caption, std::string("Error"));
    }

    // Under a Persian locale (this test runs under fa_IR) Qt's own texts are Persian: a button
    // box's Cancel and the print dialog that Ctrl+P opens, which reads right to left in the
    // program's face, while the windows keep the direction they were drawn with.
    void qtsOwnTextsArePersian()
    {
        QtFace::LoadQtTexts();
        const auto persian = [](const QString& text) {
            return std::any_of(text.begin(), text.end(),
                               [](QChar c) { return c.unicode() >= 0x0600 && c.unicode() <= 0x06FF; });
        };
        const QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        QVERIFY2(persian(buttons.button(QDialogButtonBox::Cancel)->text()),
                 qPrintable(buttons.button(QDialogButtonBox::Cancel)->text()));
        QString title;
        QFont font;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        QtTesting::ModalCloser closer([&](QWidget* dialog) {
            title = dialog->windowTitle();
            font = dialog->font();
            direction = dialog->layoutDirection();
        });
        QtFace::RunSheetCommand(static_cast<QtFace::Window&>(Form3->Window()), Shell::KeyAction::PrintSheet);
        QCOMPARE(closer.seen.size(), 1);
        QVERIFY2(persian(title), qPrintable(title));
        QCOMPARE(font.family(), QtFace::FontOf(Shell::Role::Button).family());
        QCOMPARE(direction, Qt::RightToLeft);
        QCOMPARE(QtTesting::WidgetOf(*Form3)->layoutDirection(), Qt::LeftToRight);
    }

    // On an X display (this test runs once more on one), a program that took the clipboard
    // after the last event this program saw keeps it. Ctrl+C then copies nothing, and once
    // the clipboard has stayed busy for a moment the error box says so; the clipboard keeps
    // what it had.
    void aCopyTheClipboardRefusesIsReported()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) QSKIP("only an X display's clipboard refuses");
        RunColdRoom();
        const QByteArray earlier = "4265";
        QProcess holder;
        holder.start("xclip", {"-selection", "clipboard", "-i"});
        holder.write(earlier);
        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(5000));
        // Until xclip holds the clipboard, asked without running the event loop: an event
        // would tell this program the time at which xclip took it, and its copy would win.
        const auto clipboard = [] {
            QProcess reader;
            reader.start("xclip", {"-o", "-selection", "clipboard"});
            reader.waitForFinished(5000);
            return reader.readAllStandardOutput();
        };
        for (int tries = 0; tries < 250 && clipboard() != earlier; ++tries) QThread::msleep(20);
        QCOMPARE(clipboard(), earlier);
        QtTesting::MessageRecorder boxes;
        QtFace::RunSheetCommand(static_cast<QtFace::Window&>(Form3->Window()), Shell::KeyAction::CopySheet);
        QVERIFY(boxes.boxes == std::vector{Shell::ErrorBox(Shell::Texts::CopyFailed)});
        QCOMPARE(clipboard(), earlier);
    }
};

QTEST_MAIN(SheetOutputTest)
#include "SheetOutputTest.moc"
