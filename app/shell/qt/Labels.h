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
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

/// A label from its description.
QLabel* MakeLabel(QWidget* parent, const Shell::Control& control);

/// Writes a label's text; a label that grows to the left widens to the left, keeping its
/// right edge, when the text is longer than its box, and takes its box again when it is not.
void WriteLabel(QLabel* label, const Shell::Control& control, const QString& text);

}  // namespace QtFace
