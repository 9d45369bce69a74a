// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramWindows.h"
#include "ShellTesting.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <memory>


class StartDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProgramWindows> program_;

    // Shows the start dialog as the program does and waits until it is exposed.
    void ShowStartDialog()
    {
        Form1->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form1));
    }

private slots:
    void init() { program_ = std::make_unique<ProgramWindows>(); }
    void cleanup() { program_.reset(); }

    void onlyTheStartDialogIsShownAtFirst()
    {
        ShowStartDialog();
        for (QWidget* other : {static_cast<QWidget*>(Form2), static_cast<QWidget*>(Form3),
                               static_cast<QWidget*>(Form4), static_cast<QWidget*>(Form5)})
            QVERIFY(!other->isVisible());
        QVERIFY(Form1->RadioButton2->isChecked());
        QVERIFY(!Form1->RadioButton1->isChecked());
        QCOMPARE(QApplication::focusWidget(), Form1->BitBtn1);
    }

    void continueOpensTheChosenCalculator_data()
    {
        QTest::addColumn<bool>("iceBank");
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("cold store, Continue clicked") << false << false;
        QTest::newRow("cold store, Enter pressed") << false << true;
        QTest::newRow("ice bank, Continue clicked") << true << false;
        QTest::newRow("ice bank, Enter pressed") << true << true;
    }
    void continueOpensTheChosenCalculator()
    {
        QFETCH(bool, iceBank);
        QFETCH(bool, byEnter);
        ShowStartDialog();
        if (iceBank) QTest::mouseClick(Form1->RadioButton1, Qt::LeftButton);
        QCOMPARE(Form1->RadioButton2->isChecked(), !iceBank);  // the options form one group
        if (byEnter) {
            // Enter presses the default button wherever the focus is.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        } else {
            QTest::mouseClick(Form1->BitBtn1, Qt::LeftButton);
        }
        QVERIFY(!Form1->isVisible());
        QCOMPARE(Form4->isVisible(), iceBank);
        QCOMPARE(Form2->isVisible(), !iceBank);
        QVERIFY(!Form3->isVisible() && !Form5->isVisible());
    }

    void closingTheStartDialogEndsTheProgram()
    {
        ShowStartDialog();
        QTimer::singleShot(0, Form1, [] { Form1->close(); });
        QCOMPARE(ShellTesting::ExecUntilTheProgramEnds(), 0);
        QVERIFY(!Form2->isVisible() && !Form4->isVisible());
    }

    void escapeLeavesTheStartDialogOpen()
    {
        ShowStartDialog();
        QTest::keyClick(Form1, Qt::Key_Escape);
        QVERIFY(Form1->isVisible());
    }
};

QTEST_MAIN(StartDialogTest)
#include "StartDialogTest.moc"
