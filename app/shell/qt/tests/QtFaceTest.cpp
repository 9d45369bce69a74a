// SPDX-License-Identifier: GPL-3.0-or-later
// What the Qt face itself draws and does, on a window described for the test: message boxes
// that show markup as text and mark their OK's focus, Persian labels at the right edge,
// number fields whose menu is Persian with its commands at the right edge, lists that say
// when they hold more than they show.

#include "Labels.h"
#include "Lists.h"
#include "MessageWindow.h"
#include "QtTesting.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

using namespace Shell;

constexpr std::string_view Many[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"};
constexpr Control Controls[] = {
    Label("Label1", "حجم", {0, 0, 300, 40}, Role::Caption),
    Edit("Edit1", {0, 50, 80, 30}, 7),
    List("ComboBox1", {0, 90, 73, 40}, {Many}, 0),
    List("ComboBox2", {100, 90, 73, 40}, {std::span(Many).first(10)}, 0),
};
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

// The leftmost and rightmost columns where a picture holds anything other than the colour of
// its top left corner, its background.
std::pair<int, int> InkColumns(const QImage& image)
{
    int left = image.width();
    int right = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return {left, right};
}

int LeftmostInk(QWidget* widget) { return InkColumns(widget->grab().toImage()).first; }

}  // namespace

class QtFaceTest : public QObject {
    Q_OBJECT

private slots:
    // A pasted text that the general error box quotes is shown literally, never as markup, in
    // a box centred on the screen, whose OK shows that it holds the focus.
    void messageBoxShowsMarkupAsText()
    {
        const QString text = QStringLiteral("'<b>12</b><h1>x' is not a valid integer value.");
        const auto box = QtFace::MakeMessageBox({MessageKind::Error, "Error", text.toStdString()});
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        const QSize screen = box->screen()->geometry().size();
        const Point centred = CentredTopLeft({screen.width(), screen.height()},
                                             {box->frameGeometry().width(), box->frameGeometry().height()});
        QCOMPARE(box->frameGeometry().topLeft(), QPoint(centred.x, centred.y));
        auto* line = box->findChild<QLabel*>("Line");
        QCOMPARE(line->textFormat(), Qt::PlainText);
        QCOMPARE(line->text(), text);
        box->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(box.get()));
        auto* ok = box->findChild<QPushButton*>("OK");
        QVERIFY(ok->hasFocus());
        const QImage focused = ok->grab().toImage();
        ok->clearFocus();
        QVERIFY(ok->grab().toImage() != focused);
    }

    void persianLabelStandsAtTheRightEdge()
    {
        QtFace::Face face("Test");
        TestWindow window(face);
        auto* label = QtTesting::ControlOf<QLabel>(window, "Label1");
        const int leftmostInk = LeftmostInk(label);
        QVERIFY2(leftmostInk > label->width() / 2, qPrintable(QString::number(leftmostInk)));
    }

    // Its menu is Persian, reads right to left with each command at the right edge, and names
    // no shortcut that the digit filter would drop.
    void numberFieldMenuIsPersianWithoutShortcuts()
    {
        QtFace::Face face("Test");
        TestWindow window(face);
        window.Window().ShowWindow();
        auto* box = QtTesting::ControlOf(window, "Edit1");
        Qt::LayoutDirection direction = Qt::LeftToRight;
        QStringList commands;
        QList<int> rightEnds;
        QList<int> leftEnds;
        QTimer::singleShot(50, box, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            direction = menu->layoutDirection();
            // Inside the menu's frame, which an item at either end reaches.
            const int frame = menu->style()->pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, menu) + 1;
            for (QAction* action : menu->actions()) {
                if (action->isSeparator()) continue;
                commands << action->text();
                // A shortcut the menu names is listed as a command of Latin letters.
                if (!action->shortcut().isEmpty()) commands << action->shortcut().toString();
                const auto [left, right] = InkColumns(
                    menu->grab(menu->actionGeometry(action).adjusted(frame, frame, -frame, -frame)).toImage());
                leftEnds << left;
                rightEnds << right;
            }
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(box, &event);
        QCOMPARE(direction, Qt::RightToLeft);
        // The commands, of different lengths, end at one column on the right.
        const auto spread = [](const QList<int>& ends) {
            const auto [least, most] = std::minmax_element(ends.begin(), ends.end());
            return *most - *least;
        };
        QVERIFY2(spread(rightEnds) <= 2 && spread(leftEnds) > 10, qPrintable(QString::number(spread(rightEnds))));
        QVERIFY(commands.contains(QStringLiteral("چسباندن")));
        for (const QString& command : commands) {
            QVERIFY2(command.front().script() == QChar::Script_Arabic, qPrintable(command));
            QVERIFY2(!command.contains(u'\t'), qPrintable(command));
        }
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
