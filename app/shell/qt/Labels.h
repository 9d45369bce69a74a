// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text labels as the descriptions give them: in their role's type and colour, aligned and
// read in their own direction, sized to their text where no size is given.

#include "Description.h"

#include <QLabel>

namespace QtFace {

/// A label of plain text, drawn as Shell::ShownText gives it and read in the label's own
/// direction. Disabled, it greys like a list.
class TextLabel : public QLabel {
public:
    explicit TextLabel(QWidget* parent);

    /// Where a result sheet's row reads as one line: the caption a value is heard with, or
    /// whether the label is that caption and says nothing itself.
    const QLabel* RowCaption() const { return rowCaption_; }
    bool HeardWithItsValue() const { return heardWithValue_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    friend void HearAsOneLine(TextLabel* caption, TextLabel* value);
    const QLabel* rowCaption_ = nullptr;
    bool heardWithValue_ = false;
};

/// A label from its description.
QLabel* MakeLabel(QWidget* parent, const Shell::Control& control);

/// Makes a result sheet's row heard as one line, as the copy writes it: a screen reader reads
/// the value as "caption: value", always with the value the label shows, and reads nothing
/// for the caption, so that a row is heard once, in the sheet's order.
void HearAsOneLine(TextLabel* caption, TextLabel* value);

/// Writes a label's text and gives the label the box the shell sizes for it: a label that
/// grows to the left widens to the left, keeping its right edge, when the text is longer than
/// its box, and takes its box again when it is not.
void WriteLabel(QLabel* label, const Shell::Control& control, const QString& text);

/// The direction a text is laid out in, for a reading order.
inline Qt::LayoutDirection DirectionOf(Shell::Reading reading)
{
    return reading == Shell::Reading::RightToLeft ? Qt::RightToLeft : Qt::LeftToRight;
}

}  // namespace QtFace
