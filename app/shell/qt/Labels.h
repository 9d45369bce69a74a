// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text labels as the descriptions give them: in their role's type and colour, aligned and
// read in their own direction, sized to their text where no size is given.

#include "Description.h"

#include <QLabel>

#include <functional>

namespace QtFace {

/// A label of plain text, drawn as Shell::ShownText gives it and read in the label's own
/// direction. Disabled, it greys like a list.
class TextLabel : public QLabel {
public:
    explicit TextLabel(QWidget* parent);

    /// What a screen reader is told of the label, as the window asks the shell each time;
    /// an empty text says nothing. Without it, the label's own text.
    void ReadAs(std::function<QString()> reading) { reading_ = std::move(reading); }
    QString Reading() const { return reading_ ? reading_() : text(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<QString()> reading_;
};

/// A label from its description.
QLabel* MakeLabel(QWidget* parent, const Shell::Control& control);

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
