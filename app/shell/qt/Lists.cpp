// SPDX-License-Identifier: GPL-3.0-or-later
#include "Lists.h"

#include "FieldText.h"
#include "Keys.h"
#include "Look.h"
#include "QtText.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <QWheelEvent>

#include <chrono>
#include <string>
#include <vector>

namespace QtFace {

namespace {

QString Shown(const QString& text) { return Qs(Shell::ShownText(Utf8(text))); }

// Draws the items of an open list at the right edge, a list row high, as ShownText() gives them.
class ListItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), Shell::ListRowHeight};
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text = Shown(option->text);
        option->displayAlignment = Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter;
    }
};

// Tells a screen reader on the accessibility bus that a list's description is now `text`, with
// the text itself, as the bus's event of a changed description carries it. Qt's own event of
// the change names the list where the text belongs, and a screen reader that says the event's
// text, as Orca does, says nothing of it. Sent on the connection through which Qt serves the
// list, from the path it serves it at, so that the event comes from the list.
void SayDescription(QWidget* list, const QString& text)
{
    const QDBusConnection bus(QStringLiteral("a11y"));
    QAccessibleInterface* reading = QAccessible::queryAccessibleInterface(list);
    if (!QAccessible::isActive() || !bus.isConnected() || !reading) return;
    QDBusMessage changed =
        QDBusMessage::createSignal(QStringLiteral("/org/a11y/atspi/accessible/%1").arg(QAccessible::uniqueId(reading)),
                                   QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    changed << QStringLiteral("accessible-description") << 0 << 0 << QVariant::fromValue(QDBusVariant(text))
            << QVariantMap();
    bus.send(changed);
}

}  // namespace

FixedList::FixedList(QWidget* parent, const Shell::Control& control) : QComboBox(parent)
{
    setObjectName(Qs(control.name));
    setGeometry(control.box.left, control.box.top, control.box.width, control.box.height);
    setStyle(FaceStyle());
    setFont(FontOf(control.role));
    setEditable(false);
    setLayoutDirection(Qt::RightToLeft);
    // A wheel notch gives no focus.
    setFocusPolicy(Qt::StrongFocus);
    setMaxVisibleItems(Shell::OpenListRows);
    setItemDelegate(new ListItemDelegate(this));
    view()->setLayoutDirection(Qt::RightToLeft);
    view()->installEventFilter(this);
    // A screen reader says a list's description when the list takes the focus and when it
    // changes, where it would not say the current item: the description is that item, whoever
    // chose it.
    connect(this, &QComboBox::currentTextChanged, this, [this](const QString& item) {
        setAccessibleDescription(item);
        SayDescription(this, item);
    });
    for (const std::string& item : Shell::ItemTexts(control.items)) addItem(Qs(item));
    setCurrentIndex(control.selected);
    setHidden(control.hidden);
}

bool FixedList::Move(const QKeyEvent& event, int from, const std::function<void(int row)>& to)
{
    const Shell::Keystroke stroke = StrokeOf(event);
    if (stroke.key == Shell::Key::PageUp || stroke.key == Shell::Key::PageDown) {
        const std::optional<int> row = Shell::ListRowAfterKey(stroke, from, count());
        if (!row) return false;
        to(*row);
        return true;
    }
    const QList<uint> typed = event.text().toUcs4();
    if (stroke.control || stroke.alt || typed.isEmpty() || !Shell::SeeksItem(char32_t(typed.front()))) return false;
    const auto now =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
    seeking_ = Shell::TypedAhead(seeking_, char32_t(typed.front()), now.count());
    std::vector<std::string> items;
    for (int i = 0; i < count(); ++i) items.push_back(Utf8(itemText(i)));
    if (const std::optional<int> row = Shell::ItemStartingWith(items, seeking_.typed)) to(*row);
    return true;
}

bool FixedList::eventFilter(QObject* watched, QEvent* event)
{
    // The open list's keys.
    if (watched != view() || event->type() != QEvent::KeyPress) return false;
    return Move(static_cast<const QKeyEvent&>(*event), view()->currentIndex().row(),
                [this](int row) { view()->setCurrentIndex(model()->index(row, 0)); });
}

void FixedList::keyPressEvent(QKeyEvent* event)
{
    // On the closed list a key chooses: a change for the window, as Qt's own keys are.
    if (!Move(*event, currentIndex(), [this](int row) { setCurrentIndex(row); })) QComboBox::keyPressEvent(event);
}

void FixedList::paintEvent(QPaintEvent*)
{
    // As QComboBox draws itself, with the current text as ShownText() gives it.
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    option.currentText = Shown(option.currentText);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void FixedList::wheelEvent(QWheelEvent* event)
{
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

void FixedList::showPopup()
{
    // A list longer than its open rows says so with a scroll bar.
    view()->setVerticalScrollBarPolicy(Shell::ListShowsScrollBar(count()) ? Qt::ScrollBarAlwaysOn
                                                                          : Qt::ScrollBarAlwaysOff);
    QComboBox::showPopup();
}

}  // namespace QtFace
