// SPDX-License-Identifier: GPL-3.0-or-later
// What the Qt face itself draws and does, on a window described for the test: message boxes
// that show markup as text, Persian labels at the right edge, number fields whose menu is
// Persian, lists that say when they hold more than they show.

#include "Labels.h"
#include "Lists.h"
#include "MessageWindow.h"
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
    // A pasted text that the general error box quotes is shown literally, never as markup, in
    // a box centred on the screen.
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
    }

    void persianLabelStandsAtTheRightEdge()
    {
        QtFace::Face face("Test");
        TestWindow window(face);
        auto* label = QtTesting::ControlOf<QLabel>(window, "Label1");
        const int leftmostInk = LeftmostInk(label);
        QVERIFY2(leftmostInk > label->width() / 2, qPrintable(QString::number(leftmostInk)));
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
