// Ctrl+C on a result sheet puts the whole sheet on the clipboard as plain text, one line per
// row: the caption, ": " and the value, top to bottom as the sheet shows them, then the notes.

#include "ProgramWindows.h"
#include "ShellTesting.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <memory>
#include <numeric>

namespace {

enum Calculator { ColdRoomCalculator, IceBankCalculator };


// Presses Calculate and Ctrl+C on the sheet that opens, where the focus is ("بازگشت");
// returns what the clipboard then holds.
QString CalculateAndCopy(QPushButton* calculate)
{
    QGuiApplication::clipboard()->clear();
    QString copied;
    ShellTesting::ModalCloser closer([&copied](QWidget* sheet) {
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

class SheetCopyTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProgramWindows> windows_;

private slots:
    void init() { windows_ = std::make_unique<ProgramWindows>(); }
    void cleanup() { windows_.reset(); }

    void ctrlCCopiesTheWholeSheet_data()
    {
        QTest::addColumn<int>("calculator");
        QTest::addColumn<QStringList>("captions");  // with the value beside each, in `values`
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QStringList>("notes");
        QTest::addColumn<QStringList>("workedLines");  // lines of the worked example, in order

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
               };

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
               };
    }

    void ctrlCCopiesTheWholeSheet()
    {
        QFETCH(int, calculator);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, values);
        QFETCH(QStringList, notes);
        QFETCH(QStringList, workedLines);

        QWidget* sheet = nullptr;
        QString copied;
        if (calculator == ColdRoomCalculator) {
            Form2->show();
            QTest::keyClicks(Form2->Edit2, "10");
            QTest::keyClicks(Form2->Edit3, "5");
            QTest::keyClicks(Form2->Edit4, "3");
            QTest::keyClicks(Form2->Edit1, "1000");
            copied = CalculateAndCopy(Form2->Button1);
            sheet = Form3;
        } else {
            Form4->show();
            QTest::keyClicks(Form4->Edit1, "10000");
            copied = CalculateAndCopy(Form4->Button1);
            sheet = Form5;
        }
        // Every line ends in a line feed, the last one too.
        QVERIFY(copied.endsWith(u'\n'));
        const QStringList lines = copied.chopped(1).split(u'\n');
        QCOMPARE(lines, ReadAsShown(sheet, captions, values, notes));

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
    }
};

QTEST_MAIN(SheetCopyTest)
#include "SheetCopyTest.moc"
