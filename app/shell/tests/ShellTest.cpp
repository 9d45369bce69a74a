// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellTesting.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QScreen>
#include <QTest>

#include <algorithm>
#include <stdexcept>

using ShellTesting::Boxes;
using ShellTesting::MessageRecorder;

namespace {

// The leftmost column where a widget draws anything other than its background.
int LeftmostInk(QWidget* widget)
{
    const QImage image = widget->grab().toImage();
    int left = image.width();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0)) left = std::min(left, x);
    return left;
}

}  // namespace

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void centredTopLeft_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("fits") << QSize(1024, 768) << QSize(926, 432) << QPoint(49, 168);
        // Halves of a negative room truncate toward zero.
        QTest::newRow("3 px wider") << QSize(1024, 768) << QSize(1027, 432) << QPoint(-1, 168);
        QTest::newRow("126 px wider") << QSize(1024, 768) << QSize(1150, 432) << QPoint(-63, 168);
        QTest::newRow("1 px taller") << QSize(1024, 768) << QSize(100, 769) << QPoint(462, 0);
    }

    void centredTopLeft()
    {
        QFETCH(QSize, screen);
        QFETCH(QSize, window);
        QFETCH(QPoint, topLeft);
        QCOMPARE(Shell::CentredTopLeft(screen, window), topLeft);
    }

    void strToInt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("value");
        QTest::newRow("digits") << "1000" << true << 1000;
        QTest::newRow("plus sign") << "+5" << true << 5;
        QTest::newRow("minus sign") << "-5" << true << -5;
        QTest::newRow("leading zeros") << "00" << true << 0;
        QTest::newRow("largest") << "2147483647" << true << 2147483647;
        QTest::newRow("smallest") << "-2147483648" << true << int(-2147483647 - 1);
        QTest::newRow("one past the largest") << "2147483648" << false << 0;
        QTest::newRow("one past the smallest") << "-2147483649" << false << 0;
        QTest::newRow("beyond 64 bits") << "99999999999999999999" << false << 0;
        QTest::newRow("leading blank") << " 5" << false << 0;
        QTest::newRow("trailing blank") << "5 " << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("sign alone") << "-" << false << 0;
        QTest::newRow("two signs") << "+-5" << false << 0;
        QTest::newRow("letter") << "12x" << false << 0;
        QTest::newRow("Persian digits") << QStringLiteral("\u06F1\u06F2") << false << 0;
        QTest::newRow("Arabic-Indic digits") << QStringLiteral("\u0661\u0662") << false << 0;
    }

    void strToInt()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, value);
        try {
            QCOMPARE(Shell::StrToInt(text), value);
            QVERIFY(valid);
        } catch (const Shell::HandlerFailure& failure) {
            QVERIFY(!valid);
            QCOMPARE(QString::fromUtf8(failure.what()), "'" + text + "' is not a valid integer value");
        }
    }

    void floatText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("half") << 1.5 << QLocale::c() << "1.5";
        QTest::newRow("whole") << 40.0 << QLocale::c() << "40";
        QTest::newRow("fifteen digits") << 0.1 + 0.2 << QLocale::c() << "0.3";
        QTest::newRow("German separator") << 1.5 << QLocale(QLocale::German) << "1,5";
        QTest::newRow("German whole") << 40.0 << QLocale(QLocale::German) << "40";
    }

    void floatText()
    {
        QFETCH(double, value);
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QLocale::setDefault(locale);
        QCOMPARE(Shell::FloatText(value), text);
    }

    void escapedFailureGoesToGeneralErrorBox_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("ends in a letter") << "'12x' is not a valid integer value"
                                          << "'12x' is not a valid integer value.";
        QTest::newRow("ends in a digit") << "Range 5" << "Range 5.";
        QTest::newRow("ends in a full stop") << "Failed." << "Failed.";
        QTest::newRow("ends in a question mark") << "Failed?" << "Failed?";
        QTest::newRow("ends in a quote") << "'x'" << "'x'";
        QTest::newRow("empty") << "" << "";
    }

    void escapedFailureGoesToGeneralErrorBox()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        MessageRecorder messages;
        bool after = false;
        Shell::Guarded([&] {
            throw std::runtime_error(message.toStdString());
            after = true;
        });
        QVERIFY(!after);
        QCOMPARE(messages.boxes, Boxes{ShellTesting::GeneralErrorBox(shown)});
    }

    void digitFilterDiscards_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("discarded");
        const Qt::KeyboardModifiers none = Qt::NoModifier;
        QTest::newRow("digit") << int(Qt::Key_7) << none << "7" << false;
        QTest::newRow("keypad digit") << int(Qt::Key_7) << Qt::KeyboardModifiers(Qt::KeypadModifier) << "7" << false;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << none << "\b" << false;
        QTest::newRow("letter") << int(Qt::Key_A) << none << "a" << true;
        QTest::newRow("minus") << int(Qt::Key_Minus) << none << "-" << true;
        QTest::newRow("blank") << int(Qt::Key_Space) << none << " " << true;
        QTest::newRow("Enter") << int(Qt::Key_Return) << none << "\r" << true;
        QTest::newRow("Persian digit") << int(Qt::Key_unknown) << none << QStringLiteral("\u06F5") << true;
        QTest::newRow("Arabic-Indic digit") << int(Qt::Key_unknown) << none << QStringLiteral("\u0661") << true;
        QTest::newRow("full stop") << int(Qt::Key_Period) << none << "." << true;
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << Qt::KeyboardModifiers(Qt::ControlModifier) << "\x16" << true;
        QTest::newRow("arrow") << int(Qt::Key_Left) << none << "" << false;
        QTest::newRow("Home") << int(Qt::Key_Home) << none << "" << false;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << none << "\x7f" << false;
        QTest::newRow("Tab") << int(Qt::Key_Tab) << none << "\t" << false;
    }

    void digitFilterDiscards()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, text);
        QFETCH(bool, discarded);
        const QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
        QCOMPARE(Shell::DigitFilterDiscards(event), discarded);
    }

    // A text the program writes is kept whole; typing never makes it longer than it is.
    void numberEditKeepsWrittenTextWhole()
    {
        Shell::NumberEdit box(nullptr, "Edit1", 7, QRect(0, 0, 80, 30));
        box.WriteText(QStringLiteral("123456789"));
        QCOMPARE(box.text(), QStringLiteral("123456789"));
        QTest::keyClick(&box, '0');
        QCOMPARE(box.text(), QStringLiteral("123456789"));

        box.WriteText(QStringLiteral("12345678"));
        QTest::keyClick(&box, '0');
        QCOMPARE(box.text(), QStringLiteral("12345678"));

        // Back within the typing limit, the limit holds again.
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClick(&box, '0');
        QCOMPARE(box.text(), QStringLiteral("1234567"));

        box.WriteText(QStringLiteral("1"));
        QTest::keyClicks(&box, QStringLiteral("23456789"));
        QCOMPARE(box.text(), QStringLiteral("1234567"));
    }

    // The texts were composed for a box that lays each line out left to right: the blanks
    // before a line push it to the right and a full stop written first ends its sentence on
    // the left. A pasted text is quoted literally, never read as markup.
    void messageBoxShowsTheTextAsComposed_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("indentedSecondLine");
        QTest::newRow("suggestion notice") << QStringLiteral("\u062A\u062E\u0645\u064A\u0646 \u0638\u0631\u0641\u064A\u062A") + u'\r' +
                                                   QString(34, u' ') + QStringLiteral(".\u0639\u062F\u062F \u062A\u0642\u0631\u064A\u0628\u064A")
                                           << true;
        QTest::newRow("markup") << QStringLiteral("'<b>12</b><h1>x' is not a valid integer value.") << false;
    }

    void messageBoxShowsTheTextAsComposed()
    {
        QFETCH(QString, text);
        QFETCH(bool, indentedSecondLine);
        const auto box = Shell::MakeMessageBox(Shell::MessageKind::Error, "Error", text);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QCOMPARE(box->frameGeometry().topLeft(), Shell::CentredTopLeft(box->screen()->geometry().size(),
                                                                       box->frameGeometry().size()));
        QStringList shown;
        QList<int> leftmostInk;
        for (QLabel* line : box->findChildren<QLabel*>("Line")) {
            QCOMPARE(line->textFormat(), Qt::PlainText);
            shown << line->text();
            leftmostInk << LeftmostInk(line);
        }
        QCOMPARE(shown.join(u'\r'), text);
        if (indentedSecondLine) QVERIFY2(leftmostInk[1] > leftmostInk[0] + 50, qPrintable(QDebug::toString(leftmostInk)));
    }

    void persianLabelStandsAtTheRightEdge()
    {
        QWidget window;
        QLabel* label = Shell::MakeLabel(&window, "Label1", QStringLiteral("\u062D\u062C\u0645"),
                                               QRect(0, 0, 300, 40), Shell::MakeFont(Shell::FaceMitra, 19),
                                               Shell::Red);
        const int leftmostInk = LeftmostInk(label);
        QVERIFY2(leftmostInk > label->width() / 2, qPrintable(QString::number(leftmostInk)));
    }
};

QTEST_MAIN(ShellTest)
#include "ShellTest.moc"
