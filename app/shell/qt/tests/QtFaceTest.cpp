// SPDX-License-Identifier: GPL-3.0-or-later
// What the Qt face itself draws and does, on a window described for the test: message boxes
// laid out as their texts were composed, Persian labels at the right edge, number fields that
// keep a written text whole and whose menu is Persian, lists that say when they hold more
// than they show.

#include "Labels.h"
#include "Lists.h"
#include "MessageWindow.h"
#include "NumberField.h"
#include "QtTesting.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {

using namespace Shell;

constexpr std::string_view Many[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"};
constexpr Control Controls[] = {
    Label("Label1", "حجم", {0, 0, 300, 40}, Role::Caption),
    Edit("Edit1", {0, 50, 80, 30}, 7),
    List("ComboBox1", {0, 90, 73, 40}, {Many}, 0),
    List("ComboBox2", {100, 90, 73, 40}, {std::span(Many).first(10)}, 0),
};
constexpr ControlId Edit1 = Named(Controls, "Edit1");
constexpr WindowDescription Definition{.name = "Test",
                                       .kind = WindowKind::InputWindow,
                                       .caption = "Test",
                                       .client = {400, 200},
                                       .border = Border::Single,
                                       .buttons = TitleButtons::Close,
                                       .controls = Controls};

class TestWindow : public Shell::Form {
public:
    explicit TestWindow(Shell::Face& face) : Shell::Form(face, Definition) {}
};

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

class QtFaceTest : public QObject {
    Q_OBJECT

private slots:
    // The texts were composed for a box that lays each line out left to right: the blanks
    // before a line push it to the right and a full stop written first ends its sentence on
    // the left. A pasted text is quoted literally, never read as markup.
    void messageBoxShowsTheTextAsComposed_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("indentedSecondLine");
        QTest::newRow("suggestion notice")
            << QStringLiteral("تخمين ظرفيت") + u'\r' + QString(34, u' ') + QStringLiteral(".عدد تقريبي") << true;
        QTest::newRow("markup") << QStringLiteral("'<b>12</b><h1>x' is not a valid integer value.") << false;
    }
    void messageBoxShowsTheTextAsComposed()
    {
        QFETCH(QString, text);
        QFETCH(bool, indentedSecondLine);
        const auto box = QtFace::MakeMessageBox({MessageKind::Error, "Error", text.toStdString()});
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        const QSize screen = box->screen()->geometry().size();
        const Point centred = CentredTopLeft({screen.width(), screen.height()},
                                             {box->frameGeometry().width(), box->frameGeometry().height()});
        QCOMPARE(box->frameGeometry().topLeft(), QPoint(centred.x, centred.y));
        QStringList shown;
        QList<int> leftmostInk;
        for (QLabel* line : box->findChildren<QLabel*>("Line")) {
            QCOMPARE(line->textFormat(), Qt::PlainText);
            shown << line->text();
            leftmostInk << LeftmostInk(line);
        }
        QCOMPARE(shown.join(u'\r'), text);
        if (indentedSecondLine)
            QVERIFY2(leftmostInk[1] > leftmostInk[0] + 50, qPrintable(QDebug::toString(leftmostInk)));
    }

    void persianLabelStandsAtTheRightEdge()
    {
        QtFace::Face face("Test");
        TestWindow window(face);
        auto* label = QtTesting::ControlOf<QLabel>(window, "Label1");
        const int leftmostInk = LeftmostInk(label);
        QVERIFY2(leftmostInk > label->width() / 2, qPrintable(QString::number(leftmostInk)));
    }

    // A text the program writes is kept whole; typing never makes it longer than it is.
    void numberFieldKeepsAWrittenTextWhole()
    {
        QtFace::Face face("Test");
        TestWindow window(face);
        auto* box = QtTesting::ControlOf<QtFace::NumberEdit>(window, "Edit1");
        window.Window().SetText(Edit1, "123456789");
        QCOMPARE(box->text(), QStringLiteral("123456789"));
        QVERIFY(box->fontMetrics().horizontalAdvance(box->text()) <= box->TextRoom());
        QTest::keyClick(box, '0');
        QCOMPARE(box->text(), QStringLiteral("123456789"));
        // Back within the typing limit, the limit holds again.
        window.Window().SetText(Edit1, "12345678");
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, '0');
        QCOMPARE(box->text(), QStringLiteral("1234567"));
    }

    // Its menu is Persian, reads right to left, and names no shortcut that the digit filter
    // would drop.
    void numberFieldMenuIsPersianWithoutShortcuts()
    {
        QtFace::Face face("Test");
        TestWindow window(face);
        window.Window().ShowWindow();
        auto* box = QtTesting::ControlOf(window, "Edit1");
        QStringList commands;
        QTimer::singleShot(50, box, [&commands] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            QCOMPARE(menu->layoutDirection(), Qt::RightToLeft);
            for (QAction* action : menu->actions()) {
                if (action->isSeparator()) continue;
                commands << action->text();
                QVERIFY2(action->shortcut().isEmpty() && !action->text().contains(u'\t'), qPrintable(action->text()));
            }
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(box, &event);
        QVERIFY(commands.contains(QStringLiteral("چسباندن")));
        for (const QString& command : commands)
            QVERIFY2(command.front().script() == QChar::Script_Arabic, qPrintable(command));
    }

    // An open list of more items than rows shows a scroll bar; one that shows them all, none.
    void longListsShowAScrollBar()
    {
        QtFace::Face face("Test");
        TestWindow window(face);
        window.Window().ShowWindow();
        for (const char* name : {"ComboBox1", "ComboBox2"}) {
            auto* list = QtTesting::ControlOf<QComboBox>(window, name);
            list->showPopup();
            QCOMPARE(list->view()->verticalScrollBar()->isVisible(), Shell::ListShowsScrollBar(list->count()));
            list->hidePopup();
        }
    }
};

QTEST_MAIN(QtFaceTest)
#include "QtFaceTest.moc"
