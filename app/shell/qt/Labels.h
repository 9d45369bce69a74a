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

    /// Where labels are heard as one text (HearAsOne): the labels this one reads, in their
    /// order, and what stands between their texts; or whether another label reads this one,
    /// which then says nothing itself.
    const QList<const QLabel*>& HeardLines() const { return heardLines_; }
    const QString& HeardSeparator() const { return separator_; }
    bool HeardElsewhere() const { return heardElsewhere_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    friend void HearAsOne(const QList<TextLabel*>& labels, TextLabel* reader, const QString& separator);
    QList<const QLabel*> heardLines_;
    QString separator_;
    bool heardElsewhere_ = false;
};

/// A label from its description.
QLabel* MakeLabel(QWidget* parent, const Shell::Control& control);

/// Makes labels heard as one text, read by `reader`, one of them: a screen reader hears their
/// texts in their order, always as the labels show them, joined by `separator`, from `reader`,
/// and nothing from the others. A result sheet's row is heard as the copy writes it, "caption:
/// value", once and in the sheet's order; lines that one sentence is broken over are heard as
/// the sentence, a caption with its unit as one caption.
void HearAsOne(const QList<TextLabel*>& labels, TextLabel* reader, const QString& separator = QStringLiteral(" "));

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
