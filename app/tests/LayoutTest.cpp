// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of the five windows stands whole inside its own box, with the program's own fonts:
// no text clipped, no two texts or a text and a control over each other, nothing past a
// window's edge, every number field showing its whole number, and every list readable open
// and closed. The cold-room window is checked for every process, the sheets after sample
// runs through the windows, the largest figures included.

#include "Lists.h"
#include "NumberField.h"
#include "QtProgram.h"
#include "QtTesting.h"
#include "QtText.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTest>

#include <memory>

namespace {

// Where a label's text puts ink, relative to the label: the label's text drawn as the label
// draws it into a picture with room around it, so that ink a label would clip is seen too.
QRect LabelInk(const QLabel* label)
{
    constexpr int Room = 200;
    QImage picture(label->size() + QSize(2 * Room, 2 * Room), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setFont(label->font());
    painter.setPen(Qt::black);
    const int direction =
        label->layoutDirection() == Qt::RightToLeft ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight;
    painter.drawText(label->contentsRect().translated(Room, Room),
                     QStyle::visualAlignment(label->layoutDirection(), label->alignment()) | direction,
                     QtFace::Qs(Shell::ShownText(QtFace::Utf8(label->text()))));
    painter.end();
    QRect ink;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != QColor(Qt::white).rgb()) ink |= QRect(x - Room, y - Room, 1, 1);
    return ink;
}

// What the layout of one window got wrong, each as a line that names the controls.
struct Findings {
    QStringList clipped, overlapping, pastEdge, numberFields;
    int texts = 0;
    bool empty() const
    {
        return clipped.isEmpty() && overlapping.isEmpty() && pastEdge.isEmpty() && numberFields.isEmpty();
    }
    QString report() const { return (QStringList() << clipped << overlapping << pastEdge << numberFields).join("\n"); }
};

QString Name(const QWidget* widget, const QString& text = {})
{
    return widget->objectName() + (text.isEmpty() ? QString() : " \"" + text + '"');
}

// The width of the text a control can show, and how much room it has for it.
void CheckControlText(const QWidget* control, const QString& text, int room, Findings& findings)
{
    ++findings.texts;
    const int needed =
        QFontMetrics(control->font()).horizontalAdvance(QtFace::Qs(Shell::ShownText(QtFace::Utf8(text))));
    if (needed > room)
        findings.clipped << QString("%1 needs %2 px in %3").arg(Name(control, text)).arg(needed).arg(room);
}

void CheckList(QComboBox* list, Findings& findings)
{
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = false;
    option.subControls = QStyle::SC_All;
    const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
    // Every item may be the one shown closed, and the open list shows them all.
    list->showPopup();
    const QAbstractItemView* view = list->view();
    const QWidget* popup = view->window();
    const QRect screen = list->screen()->availableGeometry();
    if (!screen.contains(popup->frameGeometry()))
        findings.pastEdge << QString("%1's open list %2 leaves the screen")
                                 .arg(Name(list))
                                 .arg(QDebug::toString(popup->frameGeometry()));
    for (int i = 0; i < list->count(); ++i) {
        const QString item = list->itemText(i);
        // The style keeps a few pixels free beside the text, closed and open.
        CheckControlText(list, item, field.width() - 4, findings);
        const QRect row = view->visualRect(list->model()->index(i, 0));
        CheckControlText(view, item, row.width() - 6, findings);
        if (row.height() != Shell::ListRowHeight)
            findings.clipped << QString("%1 row %2 is %3 px high").arg(Name(list)).arg(i).arg(row.height());
    }
    list->hidePopup();
}

Findings CheckWindow(QWidget* window)
{
    Findings findings;
    struct Box {
        const QWidget* widget;
        QRect area;  // ink of a label, the whole control otherwise; in window coordinates
    };
    QList<Box> boxes;
    const QRect inside(QPoint(0, 0), window->size());
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) || widget->objectName().isEmpty() || widget->objectName() == "Image1")
            continue;
        const QRect geometry(widget->mapTo(window, QPoint(0, 0)), widget->size());
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->text().isEmpty()) continue;
            ++findings.texts;
            const QRect ink = LabelInk(label);
            if (!QRect(QPoint(0, 0), label->size()).contains(ink))
                findings.clipped << QString("%1 inks %2 in %3")
                                        .arg(Name(label, label->text()), QDebug::toString(ink),
                                             QDebug::toString(label->rect()));
            boxes << Box{label, ink.translated(geometry.topLeft())};
            continue;
        }
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            option.icon = button->icon();
            option.iconSize = button->iconSize();
            const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
            CheckControlText(button, button->text(), contents.width() - icon, findings);
        } else if (auto* option = qobject_cast<QRadioButton*>(widget)) {
            QStyleOptionButton style;
            style.initFrom(option);
            style.text = option->text();
            CheckControlText(option, option->text(),
                             option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option).width(),
                             findings);
        } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
            CheckList(list, findings);
        } else if (auto* field = dynamic_cast<QtFace::NumberEdit*>(widget)) {
            ++findings.texts;
            const int needed = field->fontMetrics().horizontalAdvance(field->text());
            if (needed > field->TextRoom())
                findings.numberFields << QString("%1 needs %2 px in %3")
                                             .arg(Name(field, field->text()))
                                             .arg(needed)
                                             .arg(field->TextRoom());
        } else {
            continue;  // rules and frames
        }
        boxes << Box{widget, geometry};
    }
    for (const Box& box : boxes)
        if (!inside.contains(box.area)) findings.pastEdge << Name(box.widget) + " runs past the window's edge";
    for (qsizetype i = 0; i < boxes.size(); ++i)
        for (qsizetype j = i + 1; j < boxes.size(); ++j)
            if (boxes[i].area.intersects(boxes[j].area))
                findings.overlapping << Name(boxes[i].widget) + " and " + Name(boxes[j].widget) + " overlap by " +
                                            QDebug::toString(boxes[i].area & boxes[j].area);
    return findings;
}

void Type(QLineEdit* field, const QString& text)
{
    field->clear();
    QTest::keyClicks(field, text);
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QtProgram> program_;
    std::unique_ptr<QtTesting::MessageRecorder> boxes_;
    inline static int texts_ = 0;

    void Expect(QWidget* window)
    {
        const Findings findings = CheckWindow(window);
        texts_ += findings.texts;
        QVERIFY2(findings.texts > 0, "no text checked");
        QVERIFY2(findings.empty(), qPrintable("\n" + findings.report()));
    }

    // A cold-room room through the window: its process, sides and capacity (empty for the
    // suggested one) and running hours, then Calculate.
    void RunColdRoom(int process, const QString& side, const QString& height, const QString& capacity,
                     const QString& hours)
    {
        List(*Form2, "ComboBox1")->setCurrentIndex(process);
        Type(Field(*Form2, "Edit2"), side);
        Type(Field(*Form2, "Edit3"), side);
        Type(Field(*Form2, "Edit4"), height);
        if (capacity.isEmpty())
            QTest::mouseClick(Button(*Form2, "Button2"), Qt::LeftButton);
        else
            Type(Field(*Form2, "Edit1"), capacity);
        List(*Form2, "ComboBox7")->setCurrentText(hours);
        QCOMPARE(QtTesting::ClickAndClose(Button(*Form2, "Button1")), QStringList{"Form3"});
    }

    static QComboBox* List(const Shell::Form& form, const char* name)
    {
        return QtTesting::ControlOf<QComboBox>(form, name);
    }
    static QLineEdit* Field(const Shell::Form& form, const char* name)
    {
        return QtTesting::ControlOf<QLineEdit>(form, name);
    }
    static QPushButton* Button(const Shell::Form& form, const char* name)
    {
        return QtTesting::ControlOf<QPushButton>(form, name);
    }
    static QWidget* Shown(const Shell::Form& form)
    {
        form.Window().ShowWindow();
        return QtTesting::WidgetOf(form);
    }

private slots:
    void init()
    {
        program_ = std::make_unique<QtProgram>();
        boxes_ = std::make_unique<QtTesting::MessageRecorder>();
    }
    void cleanup()
    {
        boxes_.reset();
        program_.reset();
        QCOMPARE(QtTesting::TopLevelWindows(), QStringList());
    }
    void cleanupTestCase() { qInfo("%d texts checked", texts_); }

    void startDialog() { Expect(Shown(*Form1)); }

    void coldRoomWindowForEveryProcess()
    {
        QWidget* window = Shown(*Form2);
        for (int process = 0; process < List(*Form2, "ComboBox1")->count(); ++process) {
            List(*Form2, "ComboBox1")->setCurrentIndex(process);
            Expect(window);
            if (QTest::currentTestFailed()) return;
        }
    }

    void coldRoomLargestSuggestions()
    {
        QWidget* window = Shown(*Form2);
        // 22 869 000 and 323 433 000 kg: eight and nine digits in the seven-digit field.
        for (const char* height : {"7", "99"}) {
            Type(Field(*Form2, "Edit2"), "99");
            Type(Field(*Form2, "Edit3"), "99");
            Type(Field(*Form2, "Edit4"), height);
            QTest::mouseClick(Button(*Form2, "Button2"), Qt::LeftButton);
            Expect(window);
        }
    }

    void coldRoomSheetAfterSampleRuns()
    {
        QWidget* window = Shown(*Form2);
        QWidget* sheet = QtTesting::WidgetOf(*Form3);
        // A chilled-meat room with its long note; frozen meat at -18 C; meat freezing at
        // -35 C with its two-stage unit; produce; and the largest figures the window gives: a
        // 99 x 99 x 99 m pre-cooler at its suggested capacity in 3 hours.
        RunColdRoom(0, "10", "3", "1000", "20");
        Expect(sheet);
        RunColdRoom(1, "10", "3", "1000", "20");
        Expect(sheet);
        RunColdRoom(3, "99", "99", "9999999", "3");
        Expect(sheet);
        RunColdRoom(4, "10", "3", "1000", "20");
        Expect(sheet);
        RunColdRoom(2, "99", "99", "", "3");
        Expect(sheet);
        Expect(window);
    }

    void iceBankWindowAndSheet()
    {
        Shown(*Form4);
        Type(Field(*Form4, "Edit1"), "999999");
        List(*Form4, "ComboBox1")->setCurrentIndex(0);
        List(*Form4, "ComboBox2")->setCurrentText("5");
        List(*Form4, "ComboBox3")->setCurrentText("40");
        Expect(QtTesting::WidgetOf(*Form4));
        QCOMPARE(QtTesting::ClickAndClose(Button(*Form4, "Button1")), QStringList{"Form5"});
        Expect(QtTesting::WidgetOf(*Form5));
    }
};

QTEST_MAIN(LayoutTest)
#include "LayoutTest.moc"
