#include "ShellTesting.h"
#include "Unit4.h"
#include "Unit5.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMap>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <memory>

using ShellTesting::MessageRecorder;
using ShellTesting::ModalCloser;
using SheetTexts = QMap<QString, QString>;

namespace {

const QString VolumeTooSmall = QStringLiteral("           حجم حوض بايد بيشتر از هزار ليتر باشد          ");

// QTest::keyClicks types Latin-1 only; other characters go in as the key press that a
// keyboard of their script sends.
void Type(QWidget* box, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(box, char(c.unicode()));
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
}

// Every label of the result sheet by name.
SheetTexts ReadSheet()
{
    SheetTexts texts;
    for (const QLabel* label : Form5->findChildren<QLabel*>()) texts[label->objectName()] = label->text();
    return texts;
}

QPoint CentredOnScreen(const QWidget* window)
{
    return Shell::CentredTopLeft(QGuiApplication::primaryScreen()->geometry().size(),
                                 window->frameGeometry().size());
}

}  // namespace

class IceBankWindowsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MessageRecorder> messages_;

    void Enter(const QString& volume, int tubeSize, const QString& hours, const QString& inlet)
    {
        Form4->Edit1->clear();
        QTest::keyClicks(Form4->Edit1, volume);
        Form4->ComboBox1->setCurrentIndex(tubeSize);
        Form4->ComboBox2->setCurrentText(hours);
        Form4->ComboBox3->setCurrentText(inlet);
    }

    // Presses Calculate; a sheet that opens gets `keys` and is then closed. Returns the
    // names of the modal windows that opened.
    QStringList Calculate(QList<int> keys = {Qt::Key_Return})
    {
        ModalCloser closer(std::move(keys));
        QTest::mouseClick(Form4->Button1, Qt::LeftButton);
        return closer.seen;
    }

private slots:
    void initTestCase()
    {
        Shell::InstallFontSubstitutes();  // as the program does, so texts measure the same
        QLocale::setDefault(QLocale::c());
    }

    void init()
    {
        messages_ = std::make_unique<MessageRecorder>();
        Form4 = new TForm4;
        Form5 = new TForm5;
        Form4->show();
    }

    void cleanup()
    {
        delete Form5;
        delete Form4;
        Form4 = nullptr;
        Form5 = nullptr;
        messages_.reset();
    }

    void startsWithDefaults()
    {
        QVERIFY(Form4->Edit1->text().isEmpty());
        QCOMPARE(Form4->ComboBox1->currentIndex(), int(IceBank::Tube7_8Inch));
        QCOMPARE(Form4->ComboBox2->currentText(), QStringLiteral("18"));
        QCOMPARE(Form4->ComboBox3->currentText(), QStringLiteral("30"));
        Form4->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form4));
        QCOMPARE(QApplication::focusWidget(), Form4->ComboBox1);
    }

    void volumeBoxTakesDigitsOnly_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("letter among digits") << "12a3" << "123";
        QTest::newRow("minus sign") << "-5" << "5";
        QTest::newRow("full stop") << "1.5" << "15";
        QTest::newRow("blank") << "1 2" << "12";
        QTest::newRow("Persian digits") << QStringLiteral("\u06F1\u06F2\u06F3") << "";
        QTest::newRow("Arabic-Indic digits") << QStringLiteral("\u0661\u0662") << "";
        QTest::newRow("backspace deletes") << "12\b3" << "13";
        QTest::newRow("six characters at most") << "1234567" << "123456";
    }

    void volumeBoxTakesDigitsOnly()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        Type(Form4->Edit1, typed);
        QCOMPARE(Form4->Edit1->text(), kept);
    }

    void rejectedVolumeChangesNothingElse_data()
    {
        QTest::addColumn<QString>("volume");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty box") << "" << "0";
        QTest::newRow("one litre short") << "999" << "999";
    }

    void rejectedVolumeChangesNothingElse()
    {
        QFETCH(QString, volume);
        QFETCH(QString, shown);
        Enter(QStringLiteral("10000"), IceBank::Tube5_8Inch, QStringLiteral("7"), QStringLiteral("25"));
        Calculate();
        const SheetTexts before = ReadSheet();
        messages_->boxes.clear();

        Enter(volume, IceBank::Tube3_4Inch, QStringLiteral("9"), QStringLiteral("35"));
        QCOMPARE(Calculate(), QStringList());

        QCOMPARE(Form4->Edit1->text(), shown);
        QCOMPARE(messages_->boxes.size(), 1);
        QCOMPARE(messages_->boxes[0].kind, Shell::MessageKind::Error);
        QCOMPARE(messages_->boxes[0].caption, QStringLiteral("Error"));
        QCOMPARE(messages_->boxes[0].text, VolumeTooSmall);
        QCOMPARE(ReadSheet(), before);
    }

    void sheetShowsEveryResultLine_data()
    {
        QTest::addColumn<QString>("volume");
        QTest::addColumn<int>("tubeSize");
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("inlet");
        QTest::addColumn<SheetTexts>("values");
        // 2248.47 W: one unit of 1 hp; 1.744 m2; 25 m of 7/8 inch tube.
        QTest::newRow("smallest tank, defaults")
            << "1000" << int(IceBank::Tube7_8Inch) << "18" << "30"
            << SheetTexts{{"Label22", QStringLiteral("1  متر مربع")},
                          {"Label2", QStringLiteral("25  متر")},
                          {"Label4", QStringLiteral("1 درجه سانتيگراد")},
                          {"Label6", QStringLiteral("2248  وات")},
                          {"Label28", QStringLiteral("1  عدد")},
                          {"Label29", QStringLiteral("1  اسب")},
                          {"Label30", "Bitzer 2HC-2.2"},
                          {"Label31", "R22    ,   DT = 10C"},
                          {"Label32", "Cond. temp = 40C"}};
        // 3489 W exactly: one unit of 1.5 hp; 2.616 m2; 43.65 m of 3/4 inch tube.
        QTest::newRow("half horsepower")
            << "2500" << int(IceBank::Tube3_4Inch) << "19" << "20"
            << SheetTexts{{"Label22", QStringLiteral("2  متر مربع")},
                          {"Label2", QStringLiteral("43  متر")},
                          {"Label4", QStringLiteral("1 درجه سانتيگراد")},
                          {"Label6", QStringLiteral("3489  وات")},
                          {"Label28", QStringLiteral("1  عدد")},
                          {"Label29", QStringLiteral("1.5  اسب")},
                          {"Label30", "Bitzer 2GC-2.2"},
                          {"Label31", "R22    ,   DT = 10C"},
                          {"Label32", "Cond. temp = 40C"}};
    }

    void sheetShowsEveryResultLine()
    {
        QFETCH(QString, volume);
        QFETCH(int, tubeSize);
        QFETCH(QString, hours);
        QFETCH(QString, inlet);
        QFETCH(SheetTexts, values);
        Enter(volume, tubeSize, hours, inlet);
        QCOMPARE(Calculate(), QStringList{"Form5"});
        QVERIFY(messages_->boxes.isEmpty());
        const SheetTexts sheet = ReadSheet();
        for (auto value = values.cbegin(); value != values.cend(); ++value)
            QCOMPARE(sheet[value.key()], value.value());
    }

    void otherTubeSizeChangesOnlyTubeLength()
    {
        Enter(QStringLiteral("10000"), IceBank::Tube7_8Inch, QStringLiteral("18"), QStringLiteral("30"));
        Calculate();
        SheetTexts expected = ReadSheet();

        Form4->ComboBox1->setCurrentIndex(IceBank::Tube3_4Inch);
        Calculate();
        // 15 hp x 29.1 = 436.5 m.
        expected["Label2"] = QStringLiteral("436  متر");
        QCOMPARE(ReadSheet(), expected);
    }

    void sheetClosesOnEnterOnly_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Enter") << int(Qt::Key_Return) << true;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << true;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << false;
    }

    void sheetClosesOnEnterOnly()
    {
        QFETCH(int, key);
        QFETCH(bool, closes);
        Enter(QStringLiteral("1000"), IceBank::Tube7_8Inch, QStringLiteral("18"), QStringLiteral("30"));
        ModalCloser closer({key});
        QTest::mouseClick(Form4->Button1, Qt::LeftButton);
        QCOMPARE(closer.seen, QStringList{"Form5"});
        QCOMPARE(closer.stillOpenAfterKeys, !closes);
    }

    void inputsAreKeptAfterTheSheetCloses()
    {
        Enter(QStringLiteral("123456"), IceBank::Tube5_8Inch, QStringLiteral("23"), QStringLiteral("40"));
        Calculate();
        QCOMPARE(Form4->Edit1->text(), QStringLiteral("123456"));
        QCOMPARE(Form4->ComboBox1->currentIndex(), int(IceBank::Tube5_8Inch));
        QCOMPARE(Form4->ComboBox2->currentText(), QStringLiteral("23"));
        QCOMPARE(Form4->ComboBox3->currentText(), QStringLiteral("40"));
        QVERIFY(Form4->isVisible());
    }

    void pastedNonNumberGoesToGeneralErrorBox()
    {
        Form4->Edit1->setText(QStringLiteral("12x"));
        QCOMPARE(Calculate(), QStringList());
        QCOMPARE(messages_->boxes.size(), 1);
        QCOMPARE(messages_->boxes[0].kind, Shell::MessageKind::Error);
        QCOMPARE(messages_->boxes[0].caption, Shell::ProgramTitle);
        QCOMPARE(messages_->boxes[0].text, QStringLiteral("'12x' is not a valid integer value."));
        QCOMPARE(Form4->Edit1->text(), QStringLiteral("12x"));
        QVERIFY(Form4->isVisible());
    }

    void windowsAreCentredWhenShown()
    {
        QCOMPARE(Form4->pos(), CentredOnScreen(Form4));
        Enter(QStringLiteral("1000"), IceBank::Tube7_8Inch, QStringLiteral("18"), QStringLiteral("30"));
        for (int run = 0; run < 2; ++run) {
            Form5->move(3, 3);  // where the user left it
            Calculate();
            QCOMPARE(Form5->pos(), CentredOnScreen(Form5));
        }
    }

    void exitEndsTheProgram_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Exit button") << false;
        QTest::newRow("close box") << true;
    }

    void exitEndsTheProgram()
    {
        QFETCH(bool, closeBox);
        QTimer tooLate;
        tooLate.setSingleShot(true);
        connect(&tooLate, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        tooLate.start(10000);
        QTimer::singleShot(0, Form4, [closeBox] {
            if (closeBox)
                Form4->close();
            else
                QTest::mouseClick(Form4->Button3, Qt::LeftButton);
        });
        QCOMPARE(QCoreApplication::exec(), 0);
    }
};

QTEST_MAIN(IceBankWindowsTest)
#include "IceBankWindowsTest.moc"
