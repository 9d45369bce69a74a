// SPDX-License-Identifier: GPL-3.0-or-later
#include "Labels.h"

#include "FieldText.h"
#include "Look.h"
#include "QtText.h"
#include "Rules.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QStyle>

namespace QtFace {

namespace {

// What a screen reader gets of a label: what the window reads it as (TextLabel::ReadAs). Qt's
// own interface of a label takes its text for a name the label was not given, so it cannot
// leave a label unread.
class LabelReading : public QAccessibleWidget {
public:
    explicit LabelReading(TextLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name) return QAccessibleWidget::text(kind);
        const auto* label = static_cast<const TextLabel*>(widget());
        if (!label->accessibleName().isEmpty()) return label->accessibleName();
        return label->Reading();
    }

    // A caption that names a control says so, as Qt's own label does.
    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        auto relations = QAccessibleWidget::relations(match);
        const QWidget* buddy = static_cast<const QLabel*>(widget())->buddy();
        if ((match & QAccessible::Labelled) && buddy)
            relations.append(
                {QAccessible::queryAccessibleInterface(const_cast<QWidget*>(buddy)), QAccessible::Labelled});
        return relations;
    }
};

QAccessibleInterface* ReadingOf(const QString&, QObject* object)
{
    auto* label = dynamic_cast<TextLabel*>(object);
    return label ? new LabelReading(label) : nullptr;
}

// The label's box for the text it holds, as the shell sizes it; a label of a fixed box keeps
// it, unmeasured.
void PlaceLabel(QLabel* label, const Shell::Control& control)
{
    if (!Shell::LabelBoxFollowsText(control)) {
        label->setGeometry(control.box.left, control.box.top, control.box.width, control.box.height);
        return;
    }
    const QSize text = label->sizeHint();
    const Shell::Rect box = Shell::LabelBox(control, {text.width(), text.height()});
    label->setGeometry(box.left, box.top, box.width, box.height);
}

}  // namespace

TextLabel::TextLabel(QWidget* parent) : QLabel(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(ReadingOf);
        return true;
    }();
    (void)installed;
}

void TextLabel::paintEvent(QPaintEvent*)
{
    // The label's own direction sets the reading order of its whole text, whatever letter
    // the text begins with.
    const int direction = layoutDirection() == Qt::RightToLeft ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight;
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), QStyle::visualAlignment(layoutDirection(), alignment()) | direction,
                          palette(), isEnabled(), Qs(Shell::ShownText(Utf8(text()))), foregroundRole());
}

QLabel* MakeLabel(QWidget* parent, const Shell::Control& control)
{
    auto* label = new TextLabel(parent);
    label->setObjectName(Qs(control.name));
    label->setTextFormat(Qt::PlainText);
    label->setText(Qs(control.text));
    label->setFont(FontOf(control.role));
    // The window paints in the button face, whose text role would hide a label's own colour.
    label->setForegroundRole(QPalette::WindowText);
    // The colour holds while the label is enabled; disabled, it greys like its list.
    const QColor colour = ColourOf(Shell::TypeOf(control.role).colour);
    if (colour.isValid()) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::Active, QPalette::WindowText, colour);
        palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
        label->setPalette(palette);
    }
    // Persian text reads right to left; the placement is already given in pixels.
    label->setLayoutDirection(DirectionOf(control.reading));
    // Without AlignAbsolute Qt would mirror "right" to the left edge for Persian text.
    label->setAlignment(control.align == Shell::Align::Centred ? Qt::AlignHCenter | Qt::AlignTop
                                                               : Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignTop);
    PlaceLabel(label, control);
    return label;
}

void WriteLabel(QLabel* label, const Shell::Control& control, const QString& text)
{
    label->setText(text);
    PlaceLabel(label, control);
}

}  // namespace QtFace
