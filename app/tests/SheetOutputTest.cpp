// SPDX-License-Identifier: GPL-3.0-or-later
// What a result sheet hands on. Ctrl+C puts it on the clipboard as plain text: the inputs of
// the run that filled it, one line per input, then one line per row (the caption, ": " and
// the value, top to bottom as the sheet shows them), then the notes. The printed report holds
// the same with the load chart, and prints to a PDF file as to paper.

#include "ProgramWindows.h"
#include "ShellTesting.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <memory>
#include <numeric>
#include <tuple>

namespace {

enum Calculator { ColdRoomCalculator, IceBankCalculator };


// Presses Calculate and Ctrl+C on the sheet that opens, where the focus is ("بازگشت");
// returns what the clipboard then holds.
QString CalculateAndCopy(QPushButton* calculate)
{
    QGuiApplication::clipboard()->clear();
    QString copied;
    ShellTesting::ModalCloser closer([&copied](QWidget* sheet) {
        // The keys of a window's commands reach it while it is the active window.
        sheet->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(sheet));
        QTest::keyClick(sheet->focusWidget() ? sheet->focusWidget() : sheet, Qt::Key_C, Qt::ControlModifier);
        copied = QGuiApplication::clipboard()->text();
    });
    QTest::mouseClick(calculate, Qt::LeftButton);
    return copied;
}

// The sheet read as a person reads it: each caption with the value beside it, from the top
// row to the bottom one, then the notes from top to bottom.
QStringList ReadAsShown(const QWidget* sheet, const QStringList& captions, const QStringList& values,
                        const QStringList& notes)
{
    const auto label = [sheet](const QString& name) { return sheet->findChild<QLabel*>(name); };
    QList<int> rows(captions.size());
    std::iota(rows.begin(), rows.end(), 0);
    std::sort(rows.begin(), rows.end(), [&](int a, int b) { return label(captions[a])->y() < label(captions[b])->y(); });
    QStringList lines;
    for (int row : rows) lines << label(captions[row])->text() + ": " + label(values[row])->text();
    QStringList notesDown = notes;
    std::sort(notesDown.begin(), notesDown.end(), [&](const QString& a, const QString& b) { return label(a)->y() < label(b)->y(); });
    for (const QString& note : notesDown) lines << label(note)->text();
    return lines;
}

}  // namespace

class SheetOutputTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProgramWindows> windows_;

private slots:
    void init() { windows_ = std::make_unique<ProgramWindows>(); }
    void cleanup() { windows_.reset(); }

    void ctrlCCopiesTheInputsAndTheWholeSheet_data()
    {
        QTest::addColumn<int>("calculator");
        QTest::addColumn<QStringList>("captions");  // with the value beside each, in `values`
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QStringList>("notes");
        QTest::addColumn<QStringList>("workedLines");  // lines of the worked example, in order
        QTest::addColumn<QStringList>("inputs");       // the values of the run's inputs, in order

        // 10 x 5 x 3 m chilled-meat room, chicken, 1000 kg a day, the other inputs as the
        // window opens: total 4691 W, one 2FC-3.2 of 2 horsepower.
        QTest::newRow("cold room")
            << int(ColdRoomCalculator)
            << QStringList{"Label1", "Label2", "Label19", "Label21", "Label3", "Label4", "Label9", "Label5",
                           "Label6", "Label7", "Label8", "Label18", "Label23", "Label25", "Label26", "Label27"}
            << QStringList{"Label10", "Label11", "Label20", "Label22", "Label12", "Label13", "Label34", "Label14",
                           "Label15", "Label16", "Label17", "Label33", "Label24", "Label28", "Label29", "Label30"}
            << QStringList{"Label31", "Label32"}
            << QStringList{
                   QStringLiteral("دماي سالن: 2  درجه سانتيگراد"),
                   QStringLiteral("بار فن اواپراتور: -"),
                   QStringLiteral("مجموع کل بارها: 4691  وات"),
                   QStringLiteral("مدل کمپرسور: Bitzer  2FC-3.2"),
                   QStringLiteral("R22    ,   DT = 10C"),
                   QStringLiteral("Evap. temp = -8C   Cond. temp = 40C"),
               }
            // Length, width, height, capacity, loading, process, insulation, product, entry,
            // outside, hours.
            << QStringList{"10", "5", "3", "1000", "100", QStringLiteral("نگهداري گوشت بالاي صفر"),
                           QStringLiteral("پلي يورتان 10 سانتي"), QStringLiteral("مرغ"), "4", "35", "20"};

        // 10000 l tank, inlet 30 C, 18 hours, 7/8 inch tube: 22484 W, one 4P-15.2 of 15
        // horsepower, 26 square metres, 375 m of tube.
        QTest::newRow("ice bank")
            << int(IceBankCalculator)
            << QStringList{"Label21", "Label1", "Label3", "Label5", "Label25", "Label26", "Label27"}
            << QStringList{"Label22", "Label2", "Label4", "Label6", "Label28", "Label29", "Label30"}
            << QStringList{"Label31", "Label32"}
            << QStringList{
                   QStringLiteral("سطح تبادل مورد نياز: 26  متر مربع"),
                   QStringLiteral("متزاژ لوله مورد نياز: 375  متر"),
                   QStringLiteral("ظرفيت برودتي مورد نياز: 22484  وات"),
                   QStringLiteral("مدل کمپرسور: Bitzer 4P-15.2"),
                   QStringLiteral("R22    ,   DT = 10C"),
                   QStringLiteral("Cond. temp = 40C"),
               }
            // Volume, tube size, hours, inlet temperature.
            << QStringList{"10000", QStringLiteral("لوله مسي 7/8"), "18", "30"};
    }

    void ctrlCCopiesTheInputsAndTheWholeSheet()
    {
        QFETCH(int, calculator);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, values);
        QFETCH(QStringList, notes);
        QFETCH(QStringList, workedLines);
        QFETCH(QStringList, inputs);

        Shell::ResultSheet* sheet = nullptr;
        QLineEdit* lastField = nullptr;
        QPushButton* calculate = nullptr;
        QString copied;
        if (calculator == ColdRoomCalculator) {
            Form2->show();
            QTest::keyClicks(Form2->Edit2, "10");
            QTest::keyClicks(Form2->Edit3, "5");
            QTest::keyClicks(Form2->Edit4, "3");
            QTest::keyClicks(Form2->Edit1, "1000");
            std::tie(sheet, lastField, calculate) = std::tuple(Form3, Form2->Edit1, Form2->Button1);
        } else {
            Form4->show();
            QTest::keyClicks(Form4->Edit1, "10000");
            std::tie(sheet, lastField, calculate) = std::tuple(Form5, Form4->Edit1, Form4->Button1);
        }
        copied = CalculateAndCopy(calculate);
        // Every line ends in a line feed, the last one too.
        QVERIFY(copied.endsWith(u'\n'));
        const QStringList lines = copied.chopped(1).split(u'\n');
        QCOMPARE(lines.mid(inputs.size()), ReadAsShown(sheet, captions, values, notes));
        for (qsizetype i = 0; i < inputs.size(); ++i) {
            const qsizetype separator = lines[i].indexOf(Shell::ResultSheet::RowSeparator);
            QVERIFY2(separator > 0 && lines[i].mid(separator + 2) == inputs[i], qPrintable(lines[i]));
        }

        // Nothing that the sheet shows is left out.
        for (const QLabel* label : sheet->findChildren<QLabel*>())
            QVERIFY2(captions.contains(label->objectName()) || values.contains(label->objectName()) ||
                         notes.contains(label->objectName()),
                     qPrintable(label->objectName()));

        qsizetype from = 0;
        for (const QString& worked : workedLines) {
            const qsizetype at = lines.indexOf(worked, from);
            QVERIFY2(at >= 0, qPrintable(worked));
            from = at + 1;
        }

        // A rejected run changes neither the sheet nor the inputs it keeps.
        ShellTesting::MessageRecorder boxes;
        lastField->setText("0");
        QCOMPARE(ShellTesting::ClickAndClose(calculate), QStringList());
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(sheet->SheetText(), copied);
    }

    // The report of a cold-room run: every input and row of the sheet, and one bar per load
    // and for the safety factor, the largest load full length and the others to scale.
    void reportHoldsTheSheetAndOneBarPerLoad()
    {
        Form2->show();
        QTest::keyClicks(Form2->Edit2, "10");
        QTest::keyClicks(Form2->Edit3, "5");
        QTest::keyClicks(Form2->Edit4, "3");
        QTest::keyClicks(Form2->Edit1, "1000");
        QCOMPARE(ShellTesting::ClickAndClose(Form2->Button1), QStringList{"Form3"});

        const Shell::ReportContent report = Form3->ReportOf();
        const QString text = Shell::MakeReport(report)->toPlainText();
        QVERIFY(text.contains(Form3->windowTitle()));
        for (const Shell::ReportLine& line : report.inputs + report.rows)
            QVERIFY2(text.contains(line.caption) && text.contains(Shell::ShownText(line.value)), qPrintable(line.caption));
        QCOMPARE(report.inputs.size(), 11);
        QCOMPARE(report.rows.size(), 16);
        for (const QString& note : report.notes) QVERIFY(text.contains(note));

        // Walls 1581, product 83, respiration 0, door 1823, lighting 150, people 628 and
        // safety 426 W; 500 pixels for the door's 1823 W.
        QStringList captions;
        for (const Shell::ChartBar& bar : report.chart) captions << bar.caption;
        QCOMPARE(captions, (QStringList{Form3->Label3->text(), Form3->Label4->text(), Form3->Label9->text(),
                                        Form3->Label5->text(), Form3->Label6->text(), Form3->Label7->text(),
                                        Form3->Label18->text()}));
        QCOMPARE(Shell::BarLengths(report.chart, 500), (QList<int>{433, 22, 0, 500, 41, 172, 116}));
    }

    // Printed to a PDF file, the report holds the total; a printer that fails is reported.
    void printsTheReportToAPdfFile()
    {
        Form4->show();
        QTest::keyClicks(Form4->Edit1, "10000");
        QCOMPARE(ShellTesting::ClickAndClose(Form4->Button1), QStringList{"Form5"});

        const QTemporaryDir folder;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath("report.pdf"));
        ShellTesting::MessageRecorder boxes;
        QElapsedTimer clock;
        clock.start();
        Form5->PrintReport(printer);
        qInfo("report printed in %lld ms, %lld bytes", clock.elapsed(), QFileInfo(printer.outputFileName()).size());
        QVERIFY(boxes.boxes.isEmpty());
        QProcess text;
        text.start("pdftotext", {printer.outputFileName(), "-"});
        QVERIFY(text.waitForFinished(10000));
        QVERIFY2(QString::fromUtf8(text.readAllStandardOutput()).contains("22484"), "the total is not in the PDF");

        printer.setOutputFileName(folder.filePath("no such folder/report.pdf"));
        Form5->PrintReport(printer);
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes[0].caption, QStringLiteral("Error"));
    }
};

QTEST_MAIN(SheetOutputTest)
#include "SheetOutputTest.moc"
