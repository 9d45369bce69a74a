// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramWindows.h"
#include "ShellTesting.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <QWheelEvent>
#include <QAbstractItemView>

using ShellTesting::Boxes;
using ShellTesting::MessageRecorder;

namespace {

const QString Apple = QStringLiteral("سيب");
const QString Pear = QStringLiteral("گلابي");
const QString Fish = QStringLiteral("ماهي");
const QString DimensionsError = QStringLiteral("           ابعاد سالن صحيح وارد نشده است          ");
const QString CapacityError = QStringLiteral("           ظرفيت سالن صحيح نيست          ");
// The notice before a suggested capacity, its rows joined by carriage returns.
const QString SuggestionNotice =
    QStringLiteral("تخمين ظرفيت بطور کاملا تقريبي بوده که در بسياري از حجم ها") + "\r" + QString(34, ' ') +
    QStringLiteral(".عدد تقريبي با واقعيت اختلاف زيادي دارد") + "\r" + QString(4, ' ') +
    QStringLiteral("روش صحيح اينگونه است که کاربر عدد صحيح را بطور دستي") + "\r" + QString(84, ' ') +
    QStringLiteral("وارد نمايد");
const QString Watts = QStringLiteral("وات");
const QString Kilograms = QStringLiteral("کيلوگرم");

enum Process { Chilled, Frozen, PreCooler, Freezing, Produce };

// The sheet's value labels, top to bottom.
const QStringList SheetValues = {"Label10", "Label11", "Label20", "Label22", "Label12", "Label13",
                                 "Label34", "Label14", "Label15", "Label16", "Label17", "Label33",
                                 "Label24", "Label28", "Label29", "Label30", "Label31", "Label32"};
const char* const RoomFields[] = {"Edit2", "Edit3", "Edit4", "Edit1"};  // length, width, height, capacity

QString Line(int number, const QString& unit) { return QString::number(number) + "  " + unit; }

template <class T>
T* Control(const char* name) { return Form2->findChild<T*>(QString::fromLatin1(name)); }
QComboBox* List(const char* name) { return Control<QComboBox>(name); }

// The user picks another entry.
void Choose(const char* list, int index) { List(list)->setCurrentIndex(index); }

void TypeRoom(const QStringList& fields)
{
    for (int i = 0; i < 4; ++i) QTest::keyClicks(Control<QLineEdit>(RoomFields[i]), fields[i]);
}

QStringList RoomTexts()
{
    QStringList texts;
    for (const char* edit : RoomFields) texts << Control<QLineEdit>(edit)->text();
    return texts;
}

// Presses a button of the input window; a sheet that opens is closed with Enter.
QStringList Press(const char* button) { return ShellTesting::ClickAndClose(Control<QPushButton>(button)); }

QStringList Sheet()
{
    QStringList texts;
    for (const QString& name : SheetValues) texts << Form3->findChild<QLabel*>(name)->text();
    return texts;
}

}  // namespace

class ColdRoomWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProgramWindows> program_;

private slots:
    void init()
    {
        program_ = std::make_unique<ProgramWindows>();
        Form2->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form2));
    }

    void cleanup()
    {
        program_.reset();
    }

    // The lists that follow the process are checked in the "as opened" row below.
    void startsWithDefaults()
    {
        QCOMPARE(RoomTexts(), QStringList(4));
        QCOMPARE(List("ComboBox1")->currentIndex(), int(Chilled));
        QCOMPARE(List("ComboBox5")->currentText(), QString("35"));
        QCOMPARE(List("ComboBox6")->currentText(), QString("100"));
    }

    void processSelectionRearrangesTheWindow_data()
    {
        QTest::addColumn<int>("process");
        QTest::addColumn<QStringList>("entries");  // first, last, proposed
        QTest::addColumn<int>("entryCount");
        QTest::addColumn<QString>("hours");
        QTest::addColumn<int>("insulation");
        QTest::addColumn<bool>("loadingEnabled");
        QTest::addColumn<bool>("produceShown");
        QTest::newRow("as opened") << -1 << QStringList{"3", "35", "4"} << 33 << "20" << 0 << true << false;
        QTest::newRow("chilled") << int(Chilled) << QStringList{"3", "35", "4"} << 33 << "20" << 0 << true << false;
        QTest::newRow("frozen") << int(Frozen) << QStringList{"-17", "-4", "-17"} << 14 << "20" << 1 << true << false;
        QTest::newRow("pre-cooler") << int(PreCooler) << QStringList{"6", "35", "15"} << 30 << "5" << 0 << false
                                    << false;
        QTest::newRow("freezing") << int(Freezing) << QStringList{"-2", "35", "5"} << 38 << "8" << 1 << false << false;
        QTest::newRow("produce") << int(Produce) << QStringList{"15", "35", "25"} << 21 << "20" << 0 << true << true;
    }

    void processSelectionRearrangesTheWindow()
    {
        QFETCH(int, process);
        QFETCH(QStringList, entries);
        QFETCH(int, entryCount);
        QFETCH(QString, hours);
        QFETCH(int, insulation);
        QFETCH(bool, loadingEnabled);
        QFETCH(bool, produceShown);
        if (process >= 0) {
            // From another process and other choices, so that every proposal is made anew.
            Choose("ComboBox1", process == Frozen ? Freezing : Frozen);
            List("ComboBox7")->setCurrentIndex(0);
            List("ComboBox2")->setCurrentIndex(1 - insulation);
            Choose("ComboBox1", process);
        }
        QComboBox* entry = List("ComboBox4");
        QCOMPARE(entry->count(), entryCount);
        QCOMPARE((QStringList{entry->itemText(0), entry->itemText(entryCount - 1), entry->currentText()}), entries);
        QCOMPARE(List("ComboBox7")->currentText(), hours);
        QCOMPARE(List("ComboBox2")->currentIndex(), insulation);
        for (const char* name : {"Label12", "Label15", "Label13", "ComboBox6"})
            QCOMPARE(Control<QWidget>(name)->isEnabled(), loadingEnabled);
        QCOMPARE(List("ComboBox8")->isVisible(), produceShown);
        QCOMPARE(List("ComboBox3")->isVisible(), !produceShown);
    }

    void produceStorageReselectsAppleAndKeepsTheOtherChoices()
    {
        List("ComboBox3")->setCurrentText(Fish);
        List("ComboBox6")->setCurrentText("50");
        List("ComboBox5")->setCurrentText("40");
        Choose("ComboBox1", Produce);
        List("ComboBox8")->setCurrentText(Pear);
        QCOMPARE(List("ComboBox8")->currentText(), Pear);
        Choose("ComboBox1", Chilled);
        Choose("ComboBox1", Produce);
        QCOMPARE(List("ComboBox8")->currentText(), Apple);
        QCOMPARE(List("ComboBox3")->currentText(), Fish);
        QCOMPARE(List("ComboBox6")->currentText(), QString("50"));
        QCOMPARE(List("ComboBox5")->currentText(), QString("40"));
    }

    // Picking the process that is already chosen, or a wheel notch over the process list
    // while the focus is elsewhere, changes none of the choices the user made.
    void repickAndWheelKeepTheChoices()
    {
        Choose("ComboBox1", Produce);
        List("ComboBox2")->setCurrentIndex(1);
        List("ComboBox4")->setCurrentText("30");
        List("ComboBox7")->setCurrentText("12");
        List("ComboBox8")->setCurrentText(Pear);
        const QList<int> chosen = ShellTesting::ListSelections(Form2);

        QComboBox* process = List("ComboBox1");
        QSignalSpy picked(process, &QComboBox::activated);
        process->showPopup();
        QAbstractItemView* view = process->view();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->currentIndex()).center());
        QCOMPARE(picked.count(), 1);
        QCOMPARE(ShellTesting::ListSelections(Form2), chosen);

        Control<QLineEdit>("Edit2")->setFocus();
        QWheelEvent notch(QPointF(10, 10), process->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(process, &notch);
        QCOMPARE(ShellTesting::ListSelections(Form2), chosen);
    }

    void numberFieldsDropNonDigits()
    {
        TypeRoom({"-a1 .", "x2", "3+", "4/5"});
        QCOMPARE(RoomTexts(), (QStringList{"1", "2", "3", "45"}));
    }

    void completeRunFillsTheSheetAndKeepsTheInputs_data()
    {
        QTest::addColumn<int>("process");
        QTest::addColumn<QStringList>("sheet");
        // A room of 10 x 5 x 3 m taking 1000 kg a day, every other choice as proposed.
        const QStringList head = {Line(20, "ساعت"), Line(150, "مترمکعب"), Line(1000, Kilograms)};
        const QString hp = "اسب بخار";
        QTest::newRow("apples")
            << int(Produce)
            << QStringList{Line(0, "درجه سانتيگراد")} + head +
                   QStringList{Line(1695, Watts), Line(1264, Watts), Line(14, Watts), Line(1823, Watts), Line(150, Watts),
                               Line(628, Watts), "-", Line(557, Watts), Line(6131, Watts),
                               Line(1, "دستگاه"), Line(3, hp), "Bitzer  2DC-3.2", "R22    ,   DT = 10C", "Cond. temp = 40C"};
    }

    void completeRunFillsTheSheetAndKeepsTheInputs()
    {
        QFETCH(int, process);
        QFETCH(QStringList, sheet);
        MessageRecorder recorder;
        Choose("ComboBox1", process);
        TypeRoom({"10", "5", "3", "1000"});
        const QList<int> before = ShellTesting::ListSelections(Form2);
        QCOMPARE(Press("Button1"), QStringList{"Form3"});
        QVERIFY(recorder.boxes.isEmpty());
        QCOMPARE(Sheet(), sheet);
        // Closing the sheet returns to the window as the user left it.
        QCOMPARE(RoomTexts(), (QStringList{"10", "5", "3", "1000"}));
        QCOMPARE(ShellTesting::ListSelections(Form2), before);
    }

    void disabledPercentageStillSetsTheMassRow()
    {
        List("ComboBox6")->setCurrentText("50");
        Choose("ComboBox1", PreCooler);
        QVERIFY(!List("ComboBox6")->isEnabled());
        TypeRoom({"10", "5", "3", "1001"});
        QCOMPARE(Press("Button1"), QStringList{"Form3"});
        QCOMPARE(Form3->Label22->text(), Line(500, Kilograms));  // 500.5 truncated
        // The pre-cooler cools the whole 1001 kg from 15 to 5 C in 5 hours: 1001 x 0.831 x 10 / 5.
        QCOMPARE(Form3->Label13->text(), Line(1663, Watts));
    }

    void suggestionIsWrittenWholeAfterTheNotice_data()
    {
        QTest::addColumn<int>("process");
        QTest::addColumn<QString>("side");  // length, width and height alike
        QTest::addColumn<QString>("suggestion");
        // 27 / 3 x 1000; 27 / 4 = 6.75 to 7; floor 9, (9 - 3) x 380; 970299 / 3 x 1000.
        QTest::newRow("chilled 3 m") << int(Chilled) << "3" << "9000";
        QTest::newRow("produce 3 m") << int(Produce) << "3" << "7000";
        QTest::newRow("freezing 3 m") << int(Freezing) << "3" << "2280";
        QTest::newRow("chilled 99 m") << int(Chilled) << "99" << "323433000";
    }

    void suggestionIsWrittenWholeAfterTheNotice()
    {
        QFETCH(int, process);
        QFETCH(QString, side);
        QFETCH(QString, suggestion);
        Choose("ComboBox1", process);
        TypeRoom({side, side, side, "5"});
        MessageRecorder recorder;
        QCOMPARE(Press("Button2"), QStringList{});
        QCOMPARE(recorder.boxes, Boxes{ShellTesting::InformationBox(SuggestionNotice)});
        QCOMPARE(Control<QLineEdit>("Edit1")->text(), suggestion);
    }

    void sheetKeepsItsCompressorRowsWithoutATable()
    {
        ColdRoom::ColdRoomResult result;
        result.HasCompressorTable = true;
        result.Compressor = {1, 2.0, "2FC-3.2"};
        result.HorsepowerUnit = "اسب بخار";
        result.ConditionNote = "R22    ,   DT = 10C";
        result.TemperatureNote = "Cond. temp = 40C";
        Form3->ShowResults(result);
        const QStringList before = Sheet();

        result = {};
        result.Total = 6131;
        Form3->ShowResults(result);
        const QStringList after = Sheet();
        const qsizetype compressorRows = SheetValues.indexOf("Label28");
        QCOMPARE(after[SheetValues.indexOf("Label24")], Line(6131, Watts));
        QCOMPARE(after.mid(compressorRows), before.mid(compressorRows));
    }
};

QTEST_MAIN(ColdRoomWindowTest)
#include "ColdRoomWindowTest.moc"
