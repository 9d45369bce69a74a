// SPDX-License-Identifier: GPL-3.0-or-later
// What a result sheet hands on through Qt: the printed report holds the sheet read right to
// left, with the load chart, and prints to a searchable PDF file as to paper; the print
// dialog speaks the user's language.

#include "Look.h"
#include "PrintedReport.h"
#include "QtProgram.h"
#include "QtTesting.h"
#include "QtText.h"
#include "QtTexts.h"
#include "SheetCommands.h"

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
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

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

    // The report says what it is: the calculator and the program with its version under the
    // sheet's caption, the date in the Solar Hijri calendar in Persian. It reads right to left
    // as the sheet does: each caption stands to the right of its value, a negative figure
    // keeps its sign left of its digits, and every load has its bar, with its value as the
    // sheet shows it.
    void reportSaysWhatItIsAndReadsAsTheSheet()
    {
        RunColdRoom();
        const Shell::ReportContent content = Form3->Report();
        // 9 December 2026 is Wednesday 18 Azar 1405.
        const QString date = QtFace::ReportDate(QDate(2026, 12, 9));
        QVERIFY2(date.contains(QString::fromUtf16(u"\u06F1\u06F8 \u0622\u0630\u0631 \u06F1\u06F4\u06F0\u06F5")),
                 qPrintable(date));
        const std::unique_ptr<QTextDocument> report = QtFace::MakeReport(content, date);
        QVERIFY(report->find(date).block().textDirection() == Qt::RightToLeft);
        const QString text = report->toPlainText();
        for (std::string_view name : {ColdRoomCalculator, ProgramTitle})
            QVERIFY2(text.contains(QtFace::Qs(name)), std::string(name).c_str());
        for (const Shell::ReportLine& line : content.inputs)
            QVERIFY2(text.contains(QtFace::Qs(line.caption)), line.caption.c_str());
        QCOMPARE(content.rows.size(), std::size_t(16));
        QCOMPARE(Shell::BarLengths(content.chart, 500), (std::vector<int>{433, 22, 0, 500, 41, 172, 116}));
        for (const Shell::ChartBar& bar : content.chart) {
            const auto row =
                std::find_if(content.rows.begin(), content.rows.end(),
                             [&bar](const Shell::ReportLine& line) { return line.caption == bar.caption; });
            QVERIFY2(row != content.rows.end() && row->value == bar.shown, bar.caption.c_str());
        }
        // Each row's value comes first in the table, so that it stands left of its caption.
        const QString total = QStringLiteral("4691  وات");
        QVERIFY(text.indexOf(total) >= 0 && text.indexOf(total) < text.indexOf(QStringLiteral("مجموع کل بارها")));
    }

    // Printed to a PDF file, the report can be searched: pdftotext gives back every caption
    // and every value whole, each row on one line. The file is titled as the report is, and
    // holds no picture: the chart is shapes and text. A printer that fails is reported.
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
};

QTEST_MAIN(SheetOutputTest)
#include "SheetOutputTest.moc"
