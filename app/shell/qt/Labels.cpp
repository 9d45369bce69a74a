// SPDX-License-Identifier: GPL-3.0-or-later
#include "Labels.h"

#include "FieldText.h"
#include "Look.h"
#include "QtText.h"

#include <QPainter>
#include <QStyle>

namespace QtFace {

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
    auto* label = new TextLabel(Qs(control.text), parent);
    label->setObjectName(Qs(control.name));
    label->setTextFormat(Qt::PlainText);
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
    label->setLayoutDirection(control.reading == Shell::Reading::RightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    // Without AlignAbsolute Qt would mirror "right" to the left edge for Persian text.
    label->setAlignment(control.align == Shell::Align::Centred ? Qt::AlignHCenter | Qt::AlignTop
                                                                : Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignTop);
    const Shell::Rect& box = control.box;
    // A label sized to its text keeps a pixel of room on either side of it, for the ink of
    // letters that reach past their advance (a bold dal at the end of a Persian word).
    if (box.SizedToText())
        label->setGeometry(QRect(QPoint(box.left - 1, box.top), label->sizeHint() + QSize(2, 0)));
    else
        label->setGeometry(box.left, box.top, box.width, box.height);
    return label;
}

void WriteLabel(QLabel* label, const Shell::Control& control, const QString& text)
{
    label->setText(text);
    if (!control.growsLeft) return;
    QRect box(control.box.left, control.box.top, control.box.width, control.box.height);
    const int needed = label->sizeHint().width();
    if (needed > box.width()) box.setLeft(box.right() + 1 - needed);
    label->setGeometry(box);
}

}  // namespace QtFace
