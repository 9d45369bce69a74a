#include "ShellTesting.h"
#include "Unit2.h"
#include "Unit3.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using ShellTesting::MessageRecorder;
using ShellTesting::ModalCloser;

namespace {

const QString Apple = QStringLiteral("سيب");
const QString Pear = QStringLiteral("گلابي");
const QString Fish = QStringLiteral("ماهي");
const QString DimensionsError = QStringLiteral("           ابعاد سالن صحيح وارد نشده است          ");
const QString CapacityError = QStringLiteral("           ظرفيت سالن صحيح نيست          ");
const QString Celsius = QStringLiteral("درجه سانتيگراد");
const QString Hours = QStringLiteral("ساعت");
const QString CubicMetres = QStringLiteral("مترمکعب");
const QString Kilograms = QStringLiteral("کيلوگرم");
const QString Watts = QStringLiteral("وات");
const QString Units = QStringLiteral("دستگاه");
const QString Horsepower = QStringLiteral("اسب بخار");

// Value labels of the sheet, top to bottom.
const QStringList SheetValues = {"Label10", "Label11", "Label20", "Label22", "Label12", "Label13",
                                 "Label34", "Label14", "Label15", "Label16", "Label17", "Label33",
                                 "Label24", "Label28", "Label29", "Label30", "Label31", "Label32"};

QString Line(int number, const QString& unit) { return QString::number(number) + "  " + unit; }

enum Process { Chilled, Frozen, PreCooler, Freezing, Produce };

}  // namespace

class ColdRoomWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void processSelectionRearrangesTheWindow_data();
    void processSelectionRearrangesTheWindow();
    void produceStorageReselectsAppleAndKeepsTheOtherChoices();
    void numberFieldsDropNonDigits_data();
    void numberFieldsDropNonDigits();
    void completeRunFillsTheSheetAndKeepsTheInputs_data();
    void completeRunFillsTheSheetAndKeepsTheInputs();
    void disabledPercentageStillSetsTheMassRow();
    void rejectedRunShowsOneErrorAndLeavesTheSheet_data();
    void rejectedRunShowsOneErrorAndLeavesTheSheet();
    void pastedNonNumberReachesTheGeneralErrorBox_data();
    void pastedNonNumberReachesTheGeneralErrorBox();
    void suggestionIsWrittenWholeAfterTheNotice_data();
    void suggestionIsWrittenWholeAfterTheNotice();
    void suggestionRejectsAMissingDimension();
    void sheetKeepsItsCompressorRowsWithoutATable();

private:
    template <class T>
    T* Control(const char* name) const { return Form2->findChild<T*>(QString::fromLatin1(name)); }
    QComboBox* List(const char* name) const { return Control<QComboBox>(name); }
    QString Text(const char* name) const { return Control<QLineEdit>(name)->text(); }
    // What the user's pick does: the new selection, then the list's change event.
    void Choose(const char* list, int index) const;
    void TypeRoom(const QString& length, const QString& width, const QString& height, const QString& capacity) const;
    // Presses a button of the input window; a sheet that opens is closed with Enter.
    QStringList Press(const char* button) const;
    QStringList Sheet() const;
};

void ColdRoomWindowTest::init()
{
    Form3 = new TForm3;
    Form2 = new TForm2;
    Form2->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form2));
}

void ColdRoomWindowTest::cleanup()
{
    delete Form2;
    delete Form3;
    Form2 = nullptr;
    Form3 = nullptr;
}

void ColdRoomWindowTest::Choose(const char* list, int index) const
{
    List(list)->setCurrentIndex(index);
    emit List(list)->activated(index);
}

void ColdRoomWindowTest::TypeRoom(const QString& length, const QString& width, const QString& height,
                                  const QString& capacity) const
{
    QTest::keyClicks(Control<QLineEdit>("Edit2"), length);
    QTest::keyClicks(Control<QLineEdit>("Edit3"), width);
    QTest::keyClicks(Control<QLineEdit>("Edit4"), height);
    QTest::keyClicks(Control<QLineEdit>("Edit1"), capacity);
}

QStringList ColdRoomWindowTest::Press(const char* button) const
{
    ModalCloser closer({Qt::Key_Return});
    QTest::mouseClick(Control<QPushButton>(button), Qt::LeftButton);
    if (closer.stillOpenAfterKeys) return {"not closed by Enter"};
    return closer.seen;
}

QStringList ColdRoomWindowTest::Sheet() const
{
    QStringList texts;
    for (const QString& name : SheetValues) texts << Form3->findChild<QLabel*>(name)->text();
    return texts;
}

void ColdRoomWindowTest::processSelectionRearrangesTheWindow_data()
{
    QTest::addColumn<int>("process");
    QTest::addColumn<QStringList>("entries");  // first, last, proposed
    QTest::addColumn<int>("entryCount");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<int>("insulation");
    QTest::addColumn<bool>("loadingEnabled");
    QTest::addColumn<bool>("produceShown");

    QTest::newRow("as opened") << -1 << QStringList{"3", "35", "4"} << 33 << "20" << 0 << true << false;
    QTest::newRow("chilled meat") << int(Chilled) << QStringList{"3", "35", "4"} << 33 << "20" << 0 << true << false;
    QTest::newRow("frozen meat") << int(Frozen) << QStringList{"-17", "-4", "-17"} << 14 << "20" << 1 << true << false;
    QTest::newRow("pre-cooler") << int(PreCooler) << QStringList{"6", "35", "15"} << 30 << "5" << 0 << false << false;
    QTest::newRow("meat freezing") << int(Freezing) << QStringList{"-2", "35", "5"} << 38 << "8" << 1 << false << false;
    QTest::newRow("produce") << int(Produce) << QStringList{"15", "35", "25"} << 21 << "20" << 0 << true << true;
}

void ColdRoomWindowTest::processSelectionRearrangesTheWindow()
{
    QFETCH(int, process);
    QFETCH(QStringList, entries);
    QFETCH(int, entryCount);
    QFETCH(QString, hours);
    QFETCH(int, insulation);
    QFETCH(bool, loadingEnabled);
    QFETCH(bool, produceShown);

    if (process >= 0) {
        // Start from another process and other choices, so that every proposal must be made anew.
        Choose("ComboBox1", process == Frozen ? Freezing : Frozen);
        List("ComboBox7")->setCurrentIndex(0);
        List("ComboBox2")->setCurrentIndex(1 - insulation);
        Choose("ComboBox1", process);
    }
    QComboBox* entry = List("ComboBox4");
    QCOMPARE(entry->count(), entryCount);
    QCOMPARE(entry->itemText(0), entries[0]);
    QCOMPARE(entry->itemText(entryCount - 1), entries[1]);
    QCOMPARE(entry->currentText(), entries[2]);
    QCOMPARE(List("ComboBox7")->currentText(), hours);
    QCOMPARE(List("ComboBox2")->currentIndex(), insulation);
    for (const char* name : {"Label12", "Label15", "Label13", "ComboBox6"})
        QCOMPARE(Control<QWidget>(name)->isEnabled(), loadingEnabled);
    QCOMPARE(List("ComboBox8")->isVisible(), produceShown);
    QCOMPARE(List("ComboBox3")->isVisible(), !produceShown);
}

void ColdRoomWindowTest::produceStorageReselectsAppleAndKeepsTheOtherChoices()
{
    List("ComboBox3")->setCurrentIndex(1);  // fish
    List("ComboBox6")->setCurrentIndex(10);  // 50 %
    List("ComboBox5")->setCurrentText("40");
    Choose("ComboBox1", Produce);
    QCOMPARE(List("ComboBox8")->currentText(), Apple);
    List("ComboBox8")->setCurrentText(Pear);
    QCOMPARE(List("ComboBox8")->currentText(), Pear);
    Choose("ComboBox1", Chilled);
    Choose("ComboBox1", Produce);
    QCOMPARE(List("ComboBox8")->currentText(), Apple);
    QCOMPARE(List("ComboBox3")->currentText(), Fish);
    QCOMPARE(List("ComboBox6")->currentText(), QString("50"));
    QCOMPARE(List("ComboBox5")->currentText(), QString("40"));
}

void ColdRoomWindowTest::numberFieldsDropNonDigits_data()
{
    QTest::addColumn<QByteArray>("edit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("capacity") << QByteArray("Edit1") << "12a3 -.4" << "1234";
    QTest::newRow("length") << QByteArray("Edit2") << "-1x" << "1";
    QTest::newRow("width") << QByteArray("Edit3") << "5.5" << "55";
    QTest::newRow("height") << QByteArray("Edit4") << "+3" << "3";
}

void ColdRoomWindowTest::numberFieldsDropNonDigits()
{
    QFETCH(QByteArray, edit);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QTest::keyClicks(Control<QLineEdit>(edit.constData()), typed);
    QCOMPARE(Text(edit.constData()), kept);
}

void ColdRoomWindowTest::completeRunFillsTheSheetAndKeepsTheInputs_data()
{
    QTest::addColumn<int>("process");
    QTest::addColumn<QStringList>("sheet");

    // A room of 10 x 5 x 3 m taking 1000 kg a day, every other choice as proposed.
    const QString cond = QStringLiteral("Cond. temp = 40C");
    QTest::newRow("chilled chicken")
        << int(Chilled)
        << QStringList{Line(2, Celsius), Line(20, Hours), Line(150, CubicMetres), Line(1000, Kilograms),
                       Line(1581, Watts), Line(83, Watts), Line(0, Watts), Line(1823, Watts), Line(150, Watts),
                       Line(628, Watts), "-", Line(426, Watts), Line(4691, Watts), Line(1, Units),
                       Line(2, Horsepower), QStringLiteral("Bitzer  2FC-3.2"), QStringLiteral("R22    ,   DT = 10C"),
                       QStringLiteral("Evap. temp = -8C   Cond. temp = 40C")};
    QTest::newRow("apples")
        << int(Produce)
        << QStringList{Line(0, Celsius), Line(20, Hours), Line(150, CubicMetres), Line(1000, Kilograms),
                       Line(1695, Watts), Line(1264, Watts), Line(14, Watts), Line(1823, Watts), Line(150, Watts),
                       Line(628, Watts), "-", Line(557, Watts), Line(6131, Watts), Line(1, Units),
                       Line(3, Horsepower), QStringLiteral("Bitzer  2DC-3.2"), QStringLiteral("R22    ,   DT = 10C"), cond};
}

void ColdRoomWindowTest::completeRunFillsTheSheetAndKeepsTheInputs()
{
    QFETCH(int, process);
    QFETCH(QStringList, sheet);
    MessageRecorder recorder;
    Choose("ComboBox1", process);
    TypeRoom("10", "5", "3", "1000");
    QList<int> selections;
    for (QComboBox* list : Form2->findChildren<QComboBox*>()) selections << list->currentIndex();

    QCOMPARE(Press("Button1"), QStringList{"Form3"});
    QVERIFY(recorder.boxes.isEmpty());
    QCOMPARE(Sheet(), sheet);
    // Closing the sheet returns to the window as the user left it.
    QCOMPARE((QStringList{Text("Edit2"), Text("Edit3"), Text("Edit4"), Text("Edit1")}),
             (QStringList{"10", "5", "3", "1000"}));
    QList<int> after;
    for (QComboBox* list : Form2->findChildren<QComboBox*>()) after << list->currentIndex();
    QCOMPARE(after, selections);
}

void ColdRoomWindowTest::disabledPercentageStillSetsTheMassRow()
{
    List("ComboBox6")->setCurrentIndex(10);  // 50 %
    Choose("ComboBox1", PreCooler);
    QVERIFY(!List("ComboBox6")->isEnabled());
    TypeRoom("10", "5", "3", "1001");
    QCOMPARE(Press("Button1"), QStringList{"Form3"});
    QCOMPARE(Form3->Label22->text(), Line(500, Kilograms));  // 500.5 truncated
    // The pre-cooler cools the whole 1001 kg from 15 to 5 C in 5 hours: 1001 x 0.831 x 10 / 5.
    QCOMPARE(Form3->Label13->text(), Line(1663, Watts));
}

void ColdRoomWindowTest::rejectedRunShowsOneErrorAndLeavesTheSheet_data()
{
    QTest::addColumn<QStringList>("fields");  // Edit2, Edit3, Edit4, Edit1 as pasted
    QTest::addColumn<QString>("error");
    QTest::addColumn<QStringList>("fieldsAfter");

    QTest::newRow("all empty") << QStringList{"", "", "", ""} << DimensionsError << QStringList{"0", "0", "0", "0"};
    QTest::newRow("capacity empty") << QStringList{"10", "5", "3", ""} << CapacityError
                                    << QStringList{"10", "5", "3", "0"};
    QTest::newRow("both zero") << QStringList{"0", "5", "3", "0"} << DimensionsError
                               << QStringList{"0", "5", "3", "0"};
    QTest::newRow("height empty") << QStringList{"10", "5", "", "1000"} << DimensionsError
                                  << QStringList{"10", "5", "0", "1000"};
    QTest::newRow("negative width") << QStringList{"10", "-5", "3", "1000"} << DimensionsError
                                    << QStringList{"10", "-5", "3", "1000"};
    QTest::newRow("negative capacity") << QStringList{"10", "5", "3", "-5"} << CapacityError
                                       << QStringList{"10", "5", "3", "-5"};
}

void ColdRoomWindowTest::rejectedRunShowsOneErrorAndLeavesTheSheet()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, error);
    QFETCH(QStringList, fieldsAfter);
    TypeRoom("10", "5", "3", "1000");
    QCOMPARE(Press("Button1"), QStringList{"Form3"});
    const QStringList sheet = Sheet();

    const char* edits[] = {"Edit2", "Edit3", "Edit4", "Edit1"};
    for (int i = 0; i < 4; ++i) Control<QLineEdit>(edits[i])->setText(fields[i]);
    MessageRecorder recorder;
    QCOMPARE(Press("Button1"), QStringList{});
    QCOMPARE(recorder.boxes.size(), 1);
    QCOMPARE(recorder.boxes[0].kind, Shell::MessageKind::Error);
    QCOMPARE(recorder.boxes[0].caption, QString("Error"));
    QCOMPARE(recorder.boxes[0].text, error);
    QCOMPARE((QStringList{Text("Edit2"), Text("Edit3"), Text("Edit4"), Text("Edit1")}), fieldsAfter);
    QCOMPARE(Sheet(), sheet);
}

void ColdRoomWindowTest::pastedNonNumberReachesTheGeneralErrorBox_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QByteArray>("edit");
    QTest::addColumn<QString>("pasted");
    QTest::newRow("capacity, calculate") << QByteArray("Button1") << QByteArray("Edit1") << "12a";
    QTest::newRow("width, calculate") << QByteArray("Button1") << QByteArray("Edit3") << "x";
    QTest::newRow("height, suggestion") << QByteArray("Button2") << QByteArray("Edit4") << "4!";
}

void ColdRoomWindowTest::pastedNonNumberReachesTheGeneralErrorBox()
{
    QFETCH(QByteArray, button);
    QFETCH(QByteArray, edit);
    QFETCH(QString, pasted);
    TypeRoom("10", "5", "3", "1000");
    Control<QLineEdit>(edit.constData())->setText(pasted);
    MessageRecorder recorder;
    QCOMPARE(Press(button.constData()), QStringList{});
    QCOMPARE(recorder.boxes.size(), 1);
    QCOMPARE(recorder.boxes[0].kind, Shell::MessageKind::Error);
    QCOMPARE(recorder.boxes[0].caption, Shell::ProgramTitle);
    QCOMPARE(recorder.boxes[0].text, QString("'%1' is not a valid integer value.").arg(pasted));
}

void ColdRoomWindowTest::suggestionIsWrittenWholeAfterTheNotice_data()
{
    QTest::addColumn<int>("process");
    QTest::addColumn<QString>("side");  // length, width and height alike
    QTest::addColumn<QString>("suggestion");
    // Hand calculations: 27 / 3 x 1000; 27 / 4 = 6.75; A = 9, (9 - 3) x 380; 970299 / 3 x 1000.
    QTest::newRow("chilled 3 m") << int(Chilled) << "3" << "9000";
    QTest::newRow("produce 3 m") << int(Produce) << "3" << "7000";
    QTest::newRow("freezing 3 m") << int(Freezing) << "3" << "2280";
    QTest::newRow("chilled 99 m") << int(Chilled) << "99" << "323433000";
}

void ColdRoomWindowTest::suggestionIsWrittenWholeAfterTheNotice()
{
    QFETCH(int, process);
    QFETCH(QString, side);
    QFETCH(QString, suggestion);
    Choose("ComboBox1", process);
    TypeRoom(side, side, side, "5");
    MessageRecorder recorder;
    QCOMPARE(Press("Button2"), QStringList{});
    QCOMPARE(recorder.boxes.size(), 1);
    QCOMPARE(recorder.boxes[0].kind, Shell::MessageKind::Information);
    QCOMPARE(recorder.boxes[0].caption, QString("Information"));
    const QString notice = QStringLiteral("تخمين ظرفيت بطور کاملا تقريبي بوده که در بسياري از حجم ها") + "\r" + QString(34, ' ') + QStringLiteral(".عدد تقريبي با واقعيت اختلاف زيادي دارد") +
                           "\r" + QString(4, ' ') + QStringLiteral("روش صحيح اينگونه است که کاربر عدد صحيح را بطور دستي") + "\r" + QString(84, ' ') +
                           QStringLiteral("وارد نمايد");
    QCOMPARE(recorder.boxes[0].text, notice);
    QCOMPARE(Text("Edit1"), suggestion);
}

void ColdRoomWindowTest::suggestionRejectsAMissingDimension()
{
    TypeRoom("10", "", "3", "777");
    MessageRecorder recorder;
    QCOMPARE(Press("Button2"), QStringList{});
    QCOMPARE(recorder.boxes.size(), 1);
    QCOMPARE(recorder.boxes[0].text, DimensionsError);
    QCOMPARE(Text("Edit3"), QString("0"));
    QCOMPARE(Text("Edit1"), QString("777"));
}

void ColdRoomWindowTest::sheetKeepsItsCompressorRowsWithoutATable()
{
    ColdRoom::ColdRoomResult result;
    result.Total = 4691;
    result.HasCompressorTable = true;
    result.Compressor = {1, 2.0, "2FC-3.2"};
    result.HorsepowerUnit = "اسب بخار";
    result.ConditionNote = "R22    ,   DT = 10C";
    result.TemperatureNote = "Cond. temp = 40C";
    Form3->ShowResults(result);
    const QStringList before = Sheet();

    result.Total = 6131;
    result.HasCompressorTable = false;
    result.Compressor = {};
    result.HorsepowerUnit = result.ConditionNote = result.TemperatureNote = {};
    Form3->ShowResults(result);
    const QStringList after = Sheet();
    QCOMPARE(after[SheetValues.indexOf("Label24")], Line(6131, Watts));
    QCOMPARE(after.mid(SheetValues.indexOf("Label28")), before.mid(SheetValues.indexOf("Label28")));
}

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    ColdRoomWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ColdRoomWindowTest.moc"
