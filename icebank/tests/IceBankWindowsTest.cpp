// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramWindows.h"
#include "ShellTesting.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QMap>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <memory>

using ShellTesting::Boxes;
using ShellTesting::MessageRecorder;
using ShellTesting::ModalCloser;
using SheetTexts = QMap<QString, QString>;

namespace {

const QString VolumeTooSmall = QStringLiteral("           حجم حوض بايد بيشتر از هزار ليتر باشد          ");

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
    std::unique_ptr<ProgramWindows> program_;
    std::unique_ptr<MessageRecorder> messages_;

    void Enter(const QString& volume, IceBank::TubeSizeIndex tubeSize, const QString& hours, const QString& inlet)
    {
        Form4->Edit1->clear();
        QTest::keyClicks(Form4->Edit1, volume);
        Form4->ComboBox1->setCurrentIndex(int(tubeSize));
        Form4->ComboBox2->setCurrentText(hours);
        Form4->ComboBox3->setCurrentText(inlet);
    }

    // Presses Calculate; a sheet that opens is closed with Enter. Returns the names of the
    // modal windows that opened.
    QStringList Calculate() { return ShellTesting::ClickAndClose(Form4->Button1); }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
    }

    void init()
    {
        messages_ = std::make_unique<MessageRecorder>();
        program_ = std::make_unique<ProgramWindows>();
        Form4->show();
    }

    void cleanup()
    {
        program_.reset();
        messages_.reset();
    }

    void startsWithDefaults()
    {
        QVERIFY(Form4->Edit1->text().isEmpty());
        QCOMPARE(Form4->ComboBox1->currentIndex(), int(IceBank::TubeSizeIndex::SevenEighthsInch));
        QCOMPARE(Form4->ComboBox2->currentText(), QStringLiteral("18"));
        QCOMPARE(Form4->ComboBox3->currentText(), QStringLiteral("30"));
        Form4->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form4));
        QCOMPARE(QApplication::focusWidget(), Form4->ComboBox1);
        // It shows its focus mark from the start as after the user tabbed there.
        const QImage opened = Form4->ComboBox1->grab().toImage();
        QTest::keyClick(Form4->ComboBox1, Qt::Key_Tab);
        QTest::keyClick(Form4->Edit1, Qt::Key_Backtab);
        QCOMPARE(Form4->ComboBox1->grab().toImage(), opened);
    }

    // Which keys the digit filter drops is checked key by key in the shell tests; here, that
    // the volume box has the filter and its own length limit.
    void volumeBoxTakesSixDigitsOnly()
    {
        QTest::keyClicks(Form4->Edit1, "-1a.2 3+");
        QCOMPARE(Form4->Edit1->text(), QStringLiteral("123"));
        QTest::keyClicks(Form4->Edit1, "4567");
        QCOMPARE(Form4->Edit1->text(), QStringLiteral("123456"));
    }

    void sheetShowsEveryResultLineAndKeepsTheInputs_data()
    {
        QTest::addColumn<QString>("volume");
        QTest::addColumn<int>("tubeSize");
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("inlet");
        QTest::addColumn<SheetTexts>("values");
        // 3489 W exactly: one unit of 1.5 hp; 2.616 m2; 43.65 m of 3/4 inch tube.
        QTest::newRow("half horsepower")
            << "2500" << int(IceBank::TubeSizeIndex::ThreeQuartersInch) << "19" << "20"
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

    void sheetShowsEveryResultLineAndKeepsTheInputs()
    {
        QFETCH(QString, volume);
        QFETCH(int, tubeSize);
        QFETCH(QString, hours);
        QFETCH(QString, inlet);
        QFETCH(SheetTexts, values);
        Enter(volume, IceBank::TubeSizeIndex(tubeSize), hours, inlet);
        QCOMPARE(Calculate(), QStringList{"Form5"});
        QVERIFY(messages_->boxes.isEmpty());
        const SheetTexts sheet = ReadSheet();
        for (auto value = values.cbegin(); value != values.cend(); ++value)
            QCOMPARE(sheet[value.key()], value.value());
        // Closing the sheet returns to the window as the user left it.
        QCOMPARE(Form4->Edit1->text(), volume);
        QCOMPARE(Form4->ComboBox1->currentIndex(), tubeSize);
        QCOMPARE(Form4->ComboBox2->currentText(), hours);
        QCOMPARE(Form4->ComboBox3->currentText(), inlet);
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
        Enter(QStringLiteral("1000"), IceBank::TubeSizeIndex::SevenEighthsInch, QStringLiteral("18"), QStringLiteral("30"));
        ModalCloser closer({key});
        QTest::mouseClick(Form4->Button1, Qt::LeftButton);
        QCOMPARE(closer.seen, QStringList{"Form5"});
        QCOMPARE(closer.stillOpen, !closes);
    }

    // Enter presses the button that holds the focus, as Space does.
    void enterPressesTheFocusedButton()
    {
        Enter(QStringLiteral("1000"), IceBank::TubeSizeIndex::SevenEighthsInch, QStringLiteral("18"), QStringLiteral("30"));
        Form4->Button1->setFocus();
        ModalCloser closer({Qt::Key_Return});
        QTest::keyClick(Form4->Button1, Qt::Key_Return);
        QCOMPARE(closer.seen, QStringList{"Form5"});
    }

    void windowsAreCentredWhenShown()
    {
        QCOMPARE(Form4->pos(), CentredOnScreen(Form4));
        Enter(QStringLiteral("1000"), IceBank::TubeSizeIndex::SevenEighthsInch, QStringLiteral("18"), QStringLiteral("30"));
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
        QTimer::singleShot(0, Form4, [closeBox] {
            if (closeBox)
                Form4->close();
            else
                QTest::mouseClick(Form4->Button3, Qt::LeftButton);
        });
        QCOMPARE(ShellTesting::ExecUntilTheProgramEnds(), 0);
    }
};

QTEST_MAIN(IceBankWindowsTest)
#include "IceBankWindowsTest.moc"
