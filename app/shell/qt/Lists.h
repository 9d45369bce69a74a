// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pick-only drop-down lists as the descriptions give them.

#include "Description.h"

#include <QComboBox>

namespace QtFace {

/// A pick-only drop-down list. Its items read right to left and stand at the right edge,
/// closed and open, in rows as high and as many as the shell's list rules say, with a scroll
/// bar where it holds more. A wheel notch over the list changes it only while it has the
/// focus, so that no choice changes in passing.
class FixedList : public QComboBox {
public:
    FixedList(QWidget* parent, const Shell::Control& control);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void showPopup() override;
};

/// Tells a screen reader on the accessibility bus that a list's description is now `text`,
/// with the text itself.
void SayDescription(QWidget* list, const QString& text);

}  // namespace QtFace
