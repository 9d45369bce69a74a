// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows on the Qt face, as the window system drives them: focus and keys
// (Enter, Escape, Tab), the close boxes, modal sheets, placement on the screen, and the end of
// the program. The decisions behind them are tested on the fake face.

#include "QtProgram.h"
#include "QtTesting.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <memory>

using QtTesting::ControlOf;
using QtTesting::WidgetOf;

namespace {

QPoint CentredOnScreen(const QWidget* window)
{
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const Shell::Point topLeft = Shell::CentredTopLeft(
        {screen.width(), screen.height()}, {window->frameGeometry().width(), window->frameGeometry().height()});
    return {topLeft.x, topLeft.y};
}

QList<int> ListSelections(const Shell::Form& form)
{
    QList<int> indexes;
    for (const QComboBox* list : WidgetOf(form)->findChildren<QComboBox*>()) indexes << list->currentIndex();
    return indexes;
}

}  // namespace

class QtWindowsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QtProgram> program_;

    void Show(const Shell::Form& form)
    {
        form.Window().ShowWindow();
        QVERIFY(QTest::qWaitForWindowExposed(WidgetOf(form)));
    }

    void EnterTank() { QTest::keyClicks(ControlOf<QLineEdit>(*Form4, "Edit1"), "1000"); }

private slots:
    void init() { program_ = std::make_unique<QtProgram>(); }
    void cleanup()
    {
        program_.reset();
        QCOMPARE(QtTesting::TopLevelWindows(), QStringList());
    }

    void startDialogOpensWithContinueFocused()
    {
        Show(*Form1);
        for (const Shell::Form* other : {static_cast<Shell::Form*>(Form2), static_cast<Shell::Form*>(Form3),
                                         static_cast<Shell::Form*>(Form4), static_cast<Shell::Form*>(Form5)})
            QVERIFY(!WidgetOf(*other)->isVisible());
        QCOMPARE(QApplication::focusWidget(), ControlOf(*Form1, "BitBtn1"));
        // Tab reaches the selected option of the group, not the first one.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), ControlOf(*Form1, "RadioButton2"));
    }

    void enterAnywhereOnTheStartDialogContinues_data()
    {
        QTest::addColumn<bool>("iceBank");
        QTest::newRow("cold store") << false;
        QTest::newRow("ice bank") << true;
    }
    void enterAnywhereOnTheStartDialogContinues()
    {
        QFETCH(bool, iceBank);
        Show(*Form1);
        if (iceBank) QTest::mouseClick(ControlOf(*Form1, "RadioButton1"), Qt::LeftButton);
        QCOMPARE(ControlOf<QRadioButton>(*Form1, "RadioButton2")->isChecked(), !iceBank);  // one group
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!WidgetOf(*Form1)->isVisible());
        QCOMPARE(WidgetOf(*Form4)->isVisible(), iceBank);
        QCOMPARE(WidgetOf(*Form2)->isVisible(), !iceBank);
    }

    void escapeLeavesTheStartDialogOpen()
    {
        Show(*Form1);
        QTest::keyClick(WidgetOf(*Form1), Qt::Key_Escape);
        QVERIFY(WidgetOf(*Form1)->isVisible());
    }

    void closeBoxesAndExitEndTheProgram_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<bool>("exitButton");
        QTest::newRow("start dialog's close box") << 1 << false;
        QTest::newRow("ice-bank window's close box") << 4 << false;
        QTest::newRow("ice-bank window's Exit") << 4 << true;
    }
    void closeBoxesAndExitEndTheProgram()
    {
        QFETCH(int, window);
        QFETCH(bool, exitButton);
        const Shell::Form& form = window == 1 ? static_cast<Shell::Form&>(*Form1) : *Form4;
        Show(form);
        QTimer::singleShot(0, WidgetOf(form), [&form, exitButton] {
            if (exitButton)
                QTest::mouseClick(ControlOf(form, "Button3"), Qt::LeftButton);
            else
                WidgetOf(form)->close();
        });
        QCOMPARE(QtTesting::ExecUntilTheProgramEnds(), 0);
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
        Show(*Form4);
        EnterTank();
        QtTesting::ModalCloser closer({key});
        QTest::mouseClick(ControlOf(*Form4, "Button1"), Qt::LeftButton);
        QCOMPARE(closer.seen, QStringList{"Form5"});
        QCOMPARE(closer.stillOpen, !closes);
        QVERIFY(WidgetOf(*Form4)->isVisible());
    }

    // Enter presses the button that holds the focus, as Space does.
    void enterPressesTheFocusedButtonOfAnInputWindow()
    {
        Show(*Form4);
        EnterTank();
        ControlOf(*Form4, "Button1")->setFocus();
        QtTesting::ModalCloser closer({Qt::Key_Return});
        QTest::keyClick(ControlOf(*Form4, "Button1"), Qt::Key_Return);
        QCOMPARE(closer.seen, QStringList{"Form5"});
    }

    // On windows that fit the test's screen; the display test checks them all on a real one.
    void windowsAreCentredWhenShown()
    {
        Show(*Form1);
        QCOMPARE(WidgetOf(*Form1)->pos(), CentredOnScreen(WidgetOf(*Form1)));
        Show(*Form4);
        EnterTank();
        for (int run = 0; run < 2; ++run) {
            WidgetOf(*Form5)->move(3, 3);  // where the user left it
            QPoint shownAt;
            QtTesting::ModalCloser closer([&shownAt](QWidget* sheet) { shownAt = sheet->pos(); });
            QTest::mouseClick(ControlOf(*Form4, "Button1"), Qt::LeftButton);
            QCOMPARE(shownAt, CentredOnScreen(WidgetOf(*Form5)));
        }
    }

    // The focused list shows its focus mark from the moment the window opens, as after Tab.
    void theFirstControlShowsItsFocusFromTheStart()
    {
        Show(*Form4);
        WidgetOf(*Form4)->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(WidgetOf(*Form4)));
        QWidget* tube = ControlOf(*Form4, "ComboBox1");
        QCOMPARE(QApplication::focusWidget(), tube);
        const QImage opened = tube->grab().toImage();
        QTest::keyClick(tube, Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(tube->grab().toImage(), opened);
    }

    // Picking the process that is already chosen, or a wheel notch over the process list
    // while the focus is elsewhere, changes none of the choices the user made.
    void repickAndWheelKeepTheChoices()
    {
        Show(*Form2);
        auto* process = ControlOf<QComboBox>(*Form2, "ComboBox1");
        process->setCurrentIndex(4);
        ControlOf<QComboBox>(*Form2, "ComboBox2")->setCurrentIndex(1);
        ControlOf<QComboBox>(*Form2, "ComboBox7")->setCurrentText("12");
        const QList<int> chosen = ListSelections(*Form2);

        QSignalSpy picked(process, &QComboBox::activated);
        process->showPopup();
        QAbstractItemView* view = process->view();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->currentIndex()).center());
        QCOMPARE(picked.count(), 1);
        QCOMPARE(ListSelections(*Form2), chosen);

        ControlOf(*Form2, "Edit2")->setFocus();
        QWheelEvent notch(QPointF(10, 10), process->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(process, &notch);
        QCOMPARE(ListSelections(*Form2), chosen);
    }

    // The digit filter sees the characters the keys type; keys that type none pass.
    void numberFieldsTakeDigitsFromTheKeyboard()
    {
        Show(*Form2);
        auto* length = ControlOf<QLineEdit>(*Form2, "Edit2");
        QTest::keyClicks(length, "-a1 .");
        QTest::keyClick(length, Qt::Key_V, Qt::ControlModifier);
        // A Persian keyboard's digit goes in as the digit it stands for.
        QTest::sendKeyEvent(QTest::Click, length, Qt::Key_unknown, QStringLiteral("\u06F2"), Qt::NoModifier);
        QCOMPARE(length->text(), QStringLiteral("12"));
        QTest::keyClick(length, Qt::Key_Home);
        QTest::keyClick(length, Qt::Key_Delete);
        QCOMPARE(length->text(), QStringLiteral("2"));
        QTest::keyClick(length, Qt::Key_Backspace);
        QTest::keyClick(length, Qt::Key_End);
        QTest::keyClick(length, Qt::Key_Backspace);
        QCOMPARE(length->text(), QString());
    }
};

QTEST_MAIN(QtWindowsTest)
#include "QtWindowsTest.moc"
