// SPDX-License-Identifier: GPL-3.0-or-later
// What only the Qt face shows of the program's windows, beyond the window rules' scenarios:
// the focus mark from the moment a window opens, a wheel notch that changes no choice in
// passing, and the keys that type no character.

#include "QtProgram.h"
#include "QtTesting.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>

#include <memory>

using QtTesting::ControlOf;
using QtTesting::WidgetOf;

class QtWindowsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QtProgram> program_;

    void Show(const Shell::Form& form)
    {
        form.Window().ShowWindow();
        QVERIFY(QTest::qWaitForWindowExposed(WidgetOf(form)));
    }

private slots:
    void init() { program_ = std::make_unique<QtProgram>(); }
    void cleanup()
    {
        program_.reset();
        QCOMPARE(QtTesting::TopLevelWindows(), QStringList());
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

    // A wheel notch over the process list while the focus is elsewhere changes nothing.
    void aWheelNotchInPassingKeepsTheChoice()
    {
        Show(*Form2);
        auto* process = ControlOf<QComboBox>(*Form2, "ComboBox1");
        ControlOf(*Form2, "Edit2")->setFocus();
        QWheelEvent notch(QPointF(10, 10), process->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(process, &notch);
        QCOMPARE(process->currentIndex(), 0);
    }

    // Keys that type no character pass the digit filter; Ctrl+V's character does not, so that
    // it pastes nothing.
    void keysWithoutACharacterPassTheDigitFilter()
    {
        Show(*Form2);
        QGuiApplication::clipboard()->setText("9");
        auto* length = ControlOf<QLineEdit>(*Form2, "Edit2");
        QTest::keyClicks(length, "12");
        QTest::sendKeyEvent(QTest::Click, length, Qt::Key_V, QString(QChar(0x16)), Qt::ControlModifier);
        QTest::keyClick(length, Qt::Key_Home);
        QTest::keyClick(length, Qt::Key_Delete);
        QCOMPARE(length->text(), QStringLiteral("2"));
    }
};

QTEST_MAIN(QtWindowsTest)
#include "QtWindowsTest.moc"
